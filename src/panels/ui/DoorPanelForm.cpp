// SPDX-License-Identifier: GPL-3.0-or-later
#include "DoorPanelForm.h"

#include "paint/QtText.h"
#include "ui/common/HelpRequests.h"
#include "ui/common/SessionController.h"
#include "ui/common/ToolBars.h"
#include "ui/common/ToolIcons.h"

#include "core/ParameterIndex.h"
#include "core/RecordFieldNames.h"
#include "panels/PanelControls.h"
#include "session/CabinetSession.h"
#include "session/PanelDesigner.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QToolBar>
#include <QVBoxLayout>

namespace boxmill {

namespace {

QString ControlName(int byte)
{
    const std::string_view name = kRaisedPanelNames[static_cast<std::size_t>(byte)];
    return QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
}

void SetChecked(QAbstractButton* button, bool checked)
{
    const QSignalBlocker blocker(button);
    // A file may hold both or neither of a radio pair; each button shows
    // its own byte.
    button->setAutoExclusive(false);
    button->setChecked(checked);
    button->setAutoExclusive(qobject_cast<QRadioButton*>(button) != nullptr);
}

} // namespace

TDoorPanelForm::TDoorPanelForm(SessionController& controller, PanelDesigner& designer, PanelDesignerCommands commands,
                               QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::WindowCloseButtonHint | Qt::WindowTitleHint)
    , m_controller(controller)
    , m_designer(designer)
    , m_commands(std::move(commands))
{
    setWindowTitle(QStringLiteral("Raised Panel Designer"));
    setObjectName(QStringLiteral("DoorPanelForm"));
    buildToolBar();

    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    auto* groups = new QHBoxLayout;
    groups->addWidget(buildGroup(Opening::Lower));
    groups->addWidget(buildGroup(Opening::Upper));
    layout->addLayout(groups);
    auto* styleRow = new QHBoxLayout;
    auto* styleLabel = new QLabel(QStringLiteral("Panel Style"), central);
    m_panelStyle = new QLineEdit(QString::fromLatin1(kInitialPanelStyle), central);
    m_panelStyle->setObjectName(QStringLiteral("PanelStyle"));
    m_panelStyle->setReadOnly(true);
    styleRow->addWidget(styleLabel);
    styleRow->addWidget(m_panelStyle, 1);
    layout->addLayout(styleRow);
    setCentralWidget(central);

    // Edits and Undo change the style; the file commands change the name.
    for (auto signal : {&SessionController::layoutChanged, &SessionController::cabinetReplaced,
                        &SessionController::cabinetFileChanged})
        connect(&m_controller, signal, this, [this] {
            if (isVisible())
                reload();
        });
    reload();
}

void TDoorPanelForm::buildToolBar()
{
    QToolBar* bar = AddWindowToolBar(this, 24, "Tool Bar Raised Panel Designer:");
    const auto add = [bar](ToolGlyph glyph, const char* name, const char* hint, std::function<void()> command) {
        return AddTool(bar, glyph, name, hint, std::move(command));
    };
    add(ToolGlyph::NewCabinet, "NewPanel", "New Raised Panel", [this] { run(&PanelDesigner::newPanel); });
    add(ToolGlyph::OpenLibrary, "OpenLibrary", "Open Raised Panel Library",
        [this] { run(&PanelDesigner::openPanelLibrary); });
    add(ToolGlyph::SaveAs, "SavePanelAs", "Save Raised Panel As", [this] { run(&PanelDesigner::savePanelAs); });
    m_savePanel =
        add(ToolGlyph::SaveToLibrary, "SavePanel", "Save Raised Panel", [this] { run(&PanelDesigner::savePanel); });
    bar->addSeparator();
    add(ToolGlyph::RaisedPanel, "PanelOffsets", "Double Panel Offsets Parameter",
        [this] { m_controller.requestParameter(Param::LowerPanelOffset); });
    add(ToolGlyph::Options, "Mortise", "Mortise Depth Parameter",
        [this] { m_controller.requestParameter(Param::DoorMortise); });
    add(ToolGlyph::DoorView, "ViewPanel", "Door Construction View", [this] {
        if (m_commands.doorView)
            m_commands.doorView();
    });
    bar->addSeparator();
    add(ToolGlyph::Exit, "ExitPanelDesigner", "Exit Raised Panel Designer", [this] { close(); });
}

QGroupBox* TDoorPanelForm::buildGroup(Opening group)
{
    const bool upper = group == Opening::Upper;
    auto* box = new QGroupBox(upper ? QStringLiteral("Upper Panels") : QStringLiteral("Lower Panels"), this);
    box->setObjectName(upper ? QStringLiteral("UpperPanels") : QStringLiteral("LowerPanels"));
    SetHelpKey(box, upper ? "Upper Panels:" : "Lower Panels:");
    auto* layout = new QVBoxLayout(box);
    auto* offset = new QCheckBox(QStringLiteral("Double Panels Offset"), box);
    offset->setObjectName(ControlName(PanelStyle::offsetByte(group)));
    // A press shows the offset's length in the parameter list, before the
    // click changes anything.
    offset->installEventFilter(this);
    connect(offset, &QCheckBox::clicked, this, [this, group](bool checked) {
        m_designer.setPanelsOffset(group, checked);
        reload();
    });
    m_offsets[index(group)] = offset;
    layout->addWidget(offset);
    auto* sections = new QHBoxLayout;
    for (int s = 0; s < kSections; ++s)
        sections->addWidget(buildSection(group, s, box));
    layout->addLayout(sections);
    return box;
}

QGroupBox* TDoorPanelForm::buildSection(Opening group, int s, QWidget* parent)
{
    auto* box = new QGroupBox(QStringLiteral("Section %1").arg(s + 1), parent);
    SetHelpKey(box, "Double Panel:");
    auto* layout = new QVBoxLayout(box);
    SectionControls& controls = m_sections[index(group)][static_cast<std::size_t>(s)];
    controls.doublePanel = new QCheckBox(QStringLiteral("Double Panel"), box);
    controls.negativeOffset = new QCheckBox(QStringLiteral("Negative Offset"), box);
    controls.horizontal = new QRadioButton(QStringLiteral("Horizontal"), box);
    controls.vertical = new QRadioButton(QStringLiteral("Vertical"), box);
    connectControl(controls.doublePanel, group, s, PanelControl::DoublePanel);
    connectControl(controls.negativeOffset, group, s, PanelControl::NegativeOffset);
    connectControl(controls.horizontal, group, s, PanelControl::Horizontal);
    connectControl(controls.vertical, group, s, PanelControl::Vertical);
    for (QAbstractButton* button :
         {static_cast<QAbstractButton*>(controls.doublePanel), static_cast<QAbstractButton*>(controls.negativeOffset),
          static_cast<QAbstractButton*>(controls.horizontal), static_cast<QAbstractButton*>(controls.vertical)})
        layout->addWidget(button);
    return box;
}

void TDoorPanelForm::connectControl(QAbstractButton* button, Opening group, int s, PanelControl control)
{
    button->setObjectName(ControlName(PanelStyle::controlByte(group, s, control)));
    connect(button, &QAbstractButton::clicked, this, [this, group, s, control](bool checked) {
        m_designer.setControl(group, s, control, checked);
        reload();
    });
}

void TDoorPanelForm::reload()
{
    const CabinetModel& model = m_controller.model();
    const PanelStyle& style = model.panelStyle;
    const PanelControlsEnabled enabled = PanelControlStates(style, model.sectionCount);
    for (const Opening group : {Opening::Lower, Opening::Upper}) {
        SetChecked(panelsOffset(group), style.panelsOffset(group));
        for (int s = 0; s < kSections; ++s) {
            const SectionControls& controls = section(group, s);
            const PanelSectionEnabled& open = enabled.at(group, s);
            SetChecked(controls.doublePanel, style.control(group, s, PanelControl::DoublePanel));
            SetChecked(controls.negativeOffset, style.control(group, s, PanelControl::NegativeOffset));
            SetChecked(controls.horizontal, style.control(group, s, PanelControl::Horizontal));
            SetChecked(controls.vertical, style.control(group, s, PanelControl::Vertical));
            controls.doublePanel->setEnabled(open.doublePanel);
            controls.negativeOffset->setEnabled(open.negativeOffset);
            controls.horizontal->setEnabled(open.horizontal);
            controls.vertical->setEnabled(open.vertical);
        }
    }
    m_panelStyle->setText(ToQt(m_designer.panelStyleName()));
    m_savePanel->setEnabled(m_designer.savePanelEnabled());
}

void RunPanelCommand(SessionController& controller, PanelDesigner& designer, bool (PanelDesigner::*command)())
{
    (designer.*command)();
    controller.announceCabinetFileChanged();
}

void TDoorPanelForm::openDesigner()
{
    if (m_commands.corner)
        if (const auto corner = m_commands.corner())
            move(*corner);
    reload();
    show();
    raise();
    activateWindow();
}

void TDoorPanelForm::changeEvent(QEvent* event)
{
    QMainWindow::changeEvent(event);
    // The section count may have changed while another window was in front.
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        reload();
}

void TDoorPanelForm::closeEvent(QCloseEvent* event)
{
    if (!m_designer.closing()) {
        event->ignore();
        return;
    }
    m_controller.announceCabinetFileChanged();
    // The designer and the door view draw the mid rails of the style left.
    m_controller.announceLayoutChanged();
    event->accept();
}

bool TDoorPanelForm::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonPress) {
        if (watched == panelsOffset(Opening::Lower))
            m_controller.requestParameter(Param::LowerPanelOffset);
        else if (watched == panelsOffset(Opening::Upper))
            m_controller.requestParameter(Param::UpperPanelOffset);
    }
    return QMainWindow::eventFilter(watched, event);
}

} // namespace boxmill
