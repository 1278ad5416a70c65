// SPDX-License-Identifier: GPL-3.0-or-later
#include "DividerForm.h"

#include "paint/QtText.h"
#include "ui/common/HelpRequests.h"
#include "ui/common/PlainCellDelegate.h"
#include "ui/common/SessionController.h"
#include "ui/common/ToolIcons.h"

#include "core/RecordFieldNames.h"
#include "session/CabinetSession.h"
#include "session/EditCommands.h"

#include <QCheckBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace boxmill {

using O = CabinetOption;

TDividerForm::TDividerForm(SessionController& controller, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowCloseButtonHint | Qt::WindowTitleHint)
    , m_controller(controller)
{
    setWindowTitle(QStringLiteral("Cabinet Options Settings"));
    setObjectName(QStringLiteral("DividerForm"));
    setModal(false);

    auto* blind = group("Blind Corner", "GroupBox4", {{O::LeftCorner, "Left"}, {O::RightCorner, "Right"}}, true);
    auto* mate = new QCheckBox(QStringLiteral("Mate"), blind);
    add(mate, O::BlindMate);
    blind->layout()->addWidget(mate);

    auto* divider1 =
        group("#1 Vertical Divider", "GroupBox2",
              {{O::Center1, "Center"}, {O::FlushRight1, "Flush to Right"}, {O::FlushLeft1, "Flush to Left"}}, true);
    auto* divider2 =
        group("#2 Vertical Divider", "GroupBox3",
              {{O::Center2, "Center"}, {O::FlushRight2, "Flush to Right"}, {O::FlushLeft2, "Flush to Left"}}, true);
    for (auto [box, option] : {std::pair {divider1, O::SetDivider1}, std::pair {divider2, O::SetDivider2}}) {
        auto* set = new QCheckBox(QStringLiteral("Set Divider"), box);
        add(set, option);
        static_cast<QVBoxLayout*>(box->layout())->insertWidget(0, set);
    }

    auto* drawer = new QGroupBox(QStringLiteral("Drawer Cut Options"), this);
    drawer->setObjectName(QStringLiteral("GroupBox9"));
    auto* drawerLayout = new QVBoxLayout(drawer);
    auto* dadoes = new QCheckBox(QStringLiteral("Dadoes For Bottoms"), drawer);
    add(dadoes, O::DrawerDadoes);
    drawerLayout->addWidget(dadoes);
    auto* cuts = new QHBoxLayout;
    cuts->addWidget(group(
        "Front Cut", "GroupBox10",
        {{O::FrontRabbit, "Rabbit Joint"}, {O::FrontDoveTail, "Dovetail Joint"}, {O::FrontButtJoint, "Butt Joint"}},
        true));
    cuts->addWidget(
        group("Back Cut", "GroupBox11",
              {{O::BackRabbit, "Rabbit Joint"}, {O::BackDoveTail, "Dovetail Joint"}, {O::BackButtJoint, "Butt Joint"}},
              true));
    drawerLayout->addLayout(cuts);

    auto* cabinet = group("Cabinet Cut Options", "GroupBox7",
                          {{O::PartitionDadoes, "Partition Dadoes"},
                           {O::ShelveDadoes, "Shelve Dadoes"},
                           {O::ToeKickLeft, "Toekick Left Rabbit"},
                           {O::ToeKickRight, "Toekick Right Rabbit"},
                           {O::BottomDado, "Bottom Dadoes/Rabbits"},
                           {O::DividerDado, "Divider Dadoes"},
                           {O::NailerRabbit, "Nailer Rabbit"},
                           {O::BackInside, "Back Inside"}},
                          false);
    auto* top = group("Cabinet Top", "GroupBox1",
                      {{O::TopRabbit, "Rabbit Joint"}, {O::TopDado, "Dado Joint"}, {O::TopButtJoint, "OverLay"}}, true);
    auto* rail = group(
        "Carcass Rail", "GroupBox6",
        {{O::CarcassRabbit, "Rabbit Joint"}, {O::CarcassDado, "Dado Joint"}, {O::CarcassButt, "Butt Joint"}}, true);
    auto* scribe =
        group("Enable Scribe", "GroupBox5", {{O::LeftScribe, "Left Scribe"}, {O::RightScribe, "Right Scribe"}}, false);
    auto* insets =
        group("Enable Insets", "GroupBox8", {{O::DoorInset, "Door Panels"}, {O::FaceInset, "Drawer Faces"}}, false);
    auto* misc = group("Misc Options", "GroupBox12",
                       {{O::ExtraPartition, "Double Partition"}, {O::NotchedDivider, "Notched Divider(s)"}}, false);
    auto* nailerRow = new QHBoxLayout;
    auto* nailerLabel = new QLabel(QStringLiteral("Nailers To Cut"), misc);
    nailerLabel->setObjectName(QStringLiteral("Label1"));
    m_nailers = new QListWidget(misc);
    UsePlainCells(m_nailers);
    m_nailers->setObjectName(QStringLiteral("NailerCount"));
    m_nailers->addItems({QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3")});
    m_nailers->setFixedSize(40, 3 * 18 + 6);
    nailerRow->addWidget(nailerLabel);
    nailerRow->addWidget(m_nailers);
    nailerRow->addStretch();
    static_cast<QVBoxLayout*>(misc->layout())->addLayout(nailerRow);
    // The current row, not the click: the keys move the selection too.
    connect(m_nailers, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row < 0)
            return;
        EditNailerCount(m_controller.commands(), row + 1);
    });

    auto* exit = new QGroupBox(QStringLiteral("Exit Options"), this);
    auto* exitLayout = new QHBoxLayout(exit);
    auto* save = new QPushButton(ToolIcon(ToolGlyph::SaveAs), QStringLiteral("Save"), exit);
    save->setObjectName(QStringLiteral("SaveOptions"));
    save->setToolTip(QStringLiteral("Save Cabinet Options"));
    auto* close = new QPushButton(ToolIcon(ToolGlyph::Close), QStringLiteral("Close"), exit);
    close->setObjectName(QStringLiteral("ExitOptions"));
    close->setToolTip(QStringLiteral("Exit Cabinet Options"));
    exitLayout->addWidget(save);
    exitLayout->addWidget(close);
    connect(save, &QPushButton::clicked, this, [this] {
        if (m_save)
            m_save();
    });
    connect(close, &QPushButton::clicked, this, &QDialog::close);

    auto* layout = new QGridLayout(this);
    layout->addWidget(divider1, 0, 0);
    layout->addWidget(divider2, 0, 1);
    layout->addWidget(blind, 0, 2);
    layout->addWidget(drawer, 1, 0, 1, 2);
    layout->addWidget(insets, 1, 2);
    layout->addWidget(cabinet, 2, 0, 2, 1);
    layout->addWidget(top, 2, 1);
    layout->addWidget(rail, 3, 1);
    layout->addWidget(scribe, 2, 2);
    layout->addWidget(misc, 3, 2);
    layout->addWidget(exit, 4, 0, 1, 3, Qt::AlignRight);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    const std::pair<const char*, const char*> helpKeys[] = {
        {"GroupBox1", "Top Dadoes:"},          {"GroupBox2", "Vertical Dividers:"},
        {"GroupBox3", "Vertical Dividers:"},   {"GroupBox4", "Blind Corner:"},
        {"GroupBox5", "Enable Scribe:"},       {"GroupBox6", "Carcass Dadoes:"},
        {"GroupBox7", "Cabinet Cut Options:"}, {"GroupBox8", "Enable Insets:"},
        {"GroupBox9", "Drawer Cut Options:"},  {"GroupBox10", "Front Cut:"},
        {"GroupBox11", "Back Cut:"},           {"GroupBox12", "Misc Options:"},
        {"Label1", "Nailers To Cut:"}};
    for (const auto& [name, key] : helpKeys)
        SetHelpKey(findChild<QWidget*>(QString::fromLatin1(name)), key);

    // A check in the main window (Blind Corner clears Mate), Undo or another
    // cabinet changes the options behind this window.
    connect(&m_controller, &SessionController::changed, this, [this](SessionChanges changes) {
        if (changes.has(SessionChange::Cabinet) || changes.has(SessionChange::Replaced)) {
            updateDividerControls();
            reload();
        }
    });
    reload();
}

QGroupBox* TDividerForm::group(const char* title, const char* name,
                               std::initializer_list<std::pair<CabinetOption, const char*>> options, bool radio)
{
    auto* box = new QGroupBox(QString::fromLatin1(title), this);
    box->setObjectName(QString::fromLatin1(name));
    auto* layout = new QVBoxLayout(box);
    for (const auto& [option, caption] : options) {
        QAbstractButton* button =
            radio ? static_cast<QAbstractButton*>(new QRadioButton(QString::fromLatin1(caption), box))
                  : new QCheckBox(QString::fromLatin1(caption), box);
        add(button, option);
        layout->addWidget(button);
    }
    return box;
}

void TDividerForm::add(QAbstractButton* button, CabinetOption option)
{
    button->setObjectName(
        QString::fromLatin1(kOptionNames[static_cast<std::size_t>(option)].data(),
                            static_cast<qsizetype>(kOptionNames[static_cast<std::size_t>(option)].size())));
    m_buttons[static_cast<std::size_t>(option)] = button;
    button->installEventFilter(this);
    connect(button, &QAbstractButton::clicked, this, [this, option](bool checked) { clicked(option, checked); });
}

void TDividerForm::clicked(CabinetOption option, bool checked)
{
    EditOption(m_controller.commands(), option, checked, FromQt(button(option)->text()));
    if (option == O::SetDivider1 || option == O::SetDivider2)
        updateDividerControls();
    reload();
}

void TDividerForm::reload()
{
    const auto& options = m_controller.session().model().options;
    for (int i = 0; i < kOptionCount; ++i) {
        auto* button = m_buttons[static_cast<std::size_t>(i)];
        const QSignalBlocker blocker(button);
        // Radio buttons of one group are exclusive in the model; switching
        // auto-exclusivity off for the moment lets us set each from it.
        button->setAutoExclusive(false);
        button->setChecked(options[static_cast<CabinetOption>(i)]);
        button->setAutoExclusive(qobject_cast<QRadioButton*>(button) != nullptr);
    }
    const QSignalBlocker blocker(m_nailers);
    if (options.nailerCount)
        m_nailers->setCurrentRow(*options.nailerCount - 1);
    else
        m_nailers->clearSelection();
}

void TDividerForm::updateDividerControls()
{
    const auto enabled = UpdateDividerControls(m_controller.session().model().options);
    for (auto option : {O::Center1, O::FlushRight1, O::FlushLeft1})
        button(option)->setEnabled(enabled.divider1Placement);
    for (auto option : {O::Center2, O::FlushRight2, O::FlushLeft2})
        button(option)->setEnabled(enabled.divider2Placement);
}

bool TDividerForm::eventFilter(QObject* watched, QEvent* event)
{
    // A press shows the size that governs the option, before the click.
    if (event->type() == QEvent::MouseButtonPress) {
        for (int i = 0; i < kOptionCount; ++i)
            if (m_buttons[static_cast<std::size_t>(i)] == watched) {
                if (const auto parameter = OptionParameterIndex(static_cast<CabinetOption>(i)))
                    m_controller.requestParameter(*parameter);
                break;
            }
    }
    return QDialog::eventFilter(watched, event);
}

void TDividerForm::hideEvent(QHideEvent* event)
{
    // Closing always recalculates, changed or not, so every drawing agrees
    // with the options on screen.
    m_controller.recalculate();
    QDialog::hideEvent(event);
}

} // namespace boxmill
