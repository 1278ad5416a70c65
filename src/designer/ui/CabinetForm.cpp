// SPDX-License-Identifier: GPL-3.0-or-later
#include "CabinetForm.h"

#include "FaceCanvas.h"

#include "paint/QtText.h"
#include "ui/common/DrawingExport.h"
#include "ui/common/HelpRequests.h"
#include "ui/common/MisfitLabel.h"
#include "ui/common/PlainCellDelegate.h"
#include "ui/common/ScreenFit.h"
#include "ui/common/SessionController.h"
#include "ui/common/ShownTexts.h"
#include "ui/common/TableFit.h"
#include "ui/common/ToolBars.h"
#include "ui/common/ToolIcons.h"
#include "ui/common/UndoActions.h"

#include "designer/DesignerControls.h"
#include "designer/DesignerRefresh.h"
#include "designer/SectionEditor.h"
#include "session/CabinetSession.h"
#include "session/EditCommands.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QStatusBar>
#include <QTableWidget>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace boxmill {

namespace {

constexpr int kSidePanelWidth = 284;
// The longest part name and lengths the front dimensions list.
constexpr const char* kWidestRow[] = {"Partition(s)", "88 27/32", "88 27/32", "1 1/16"};

struct ModeCaption {
    ModeButton button;
    const char* caption;
    const char* name;
    const char* hint;
};

constexpr ModeCaption kModes[] = {
    {ModeButton::AddMullion, "Mullions", "AddMullion", "Add/Remove Mullion(s)"},
    {ModeButton::AddShelves, "Shelves", "AddShelves", "Add/Remove Shelve(s)"},
    {ModeButton::AddDrawer, "Drawers", "AddDrawer", "Add/Remove Drawer(s)"},
    {ModeButton::BankDrawers, "Bank", "BankDrawers", "Add/Remove Drawer Bank"},
    {ModeButton::AddDoor, "Doors", "AddDoor", "Add/Remove Door(s)"},
    {ModeButton::AddPartition, "Partition", "AddPartition", "Add/Remove Partition"},
};

QPushButton* Button(const char* caption, const char* name, const char* hint, QWidget* parent)
{
    auto* button = new QPushButton(QString::fromLatin1(caption), parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setToolTip(QString::fromLatin1(hint));
    return button;
}

} // namespace

TCabinetForm::TCabinetForm(SessionController& controller, DesignerCommands commands, QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::WindowCloseButtonHint | Qt::WindowTitleHint | Qt::WindowMaximizeButtonHint)
    , m_controller(controller)
    , m_commands(std::move(commands))
    , m_state(controller.designerView())
{
    setWindowTitle(QStringLiteral("Cabinet Designer"));
    setObjectName(QStringLiteral("CabinetForm"));
    buildToolBar();

    // The editor keeps its size; the drawing takes the rest of the window.
    auto* central = new QWidget(this);
    auto* row = new QHBoxLayout(central);
    row->setContentsMargins(0, 0, 0, 0);
    m_sidePanel = new QWidget(central);
    auto* side = new QVBoxLayout(m_sidePanel);
    side->setContentsMargins(4, 4, 4, 4);
    side->addWidget(buildSectionEditor(m_sidePanel));
    side->addWidget(buildFrontDimensions(m_sidePanel));
    m_sidePanel->setMinimumWidth(kSidePanelWidth);
    m_sidePanel->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    row->addWidget(m_sidePanel, 0, Qt::AlignTop);
    m_canvas = new FaceCanvas(central);
    row->addWidget(m_canvas, 1);
    setCentralWidget(central);
    connect(m_canvas, &FaceCanvas::parameterPressed, &m_controller, &SessionController::requestParameter);

    for (std::size_t i = 0; i < m_status.size(); ++i) {
        m_status[i] = new QLabel(this);
        m_status[i]->setMinimumWidth(100);
        statusBar()->addWidget(m_status[i]);
    }
    statusBar()->addWidget(new MisfitLabel(m_controller, this), 1);

    // Whoever announces a new layout has recalculated it already.
    connect(&m_controller, &SessionController::layoutChanged, this, [this] {
        if (isVisible())
            showView(DrawDesigner(m_controller.session().model(), m_controller.session().layout(), m_state, width()));
    });
    // The front/shell view's "Next Section" moves the designer too.
    connect(&m_controller, &SessionController::designerSectionChanged, this, [this] {
        if (isVisible())
            refreshDesigner();
    });
}

void TCabinetForm::buildToolBar()
{
    QToolBar* bar = AddWindowToolBar(this, 24, "Tool Bar Cabinet Designer:");
    const auto add = [bar](ToolGlyph glyph, const char* name, const char* hint, std::function<void()> command) {
        AddTool(bar, glyph, name, hint, std::move(command));
    };
    add(ToolGlyph::SaveToLibrary, "SaveToLibrary2", "Save To Library As", m_commands.saveToLibrary);
    add(ToolGlyph::SaveAs, "SaveCabinetAs", "Save Cabinet As", m_commands.saveCabinetAs);
    add(ToolGlyph::SendToCutList, "SendToCutlist", "Send To Cutlist Viewer", m_commands.sendToCutList);
    add(ToolGlyph::DrawerView, "DrawerView", "Drawer Construction View", m_commands.drawerView);
    add(ToolGlyph::DoorView, "PanelDesigner", "Door Construction View", m_commands.doorView);
    add(ToolGlyph::Options, "CabinetOptions", "Cabinet Options Settings", m_commands.cabinetOptions);
    bar->addSeparator();
    add(ToolGlyph::CenterPartition, "CenterPartition", "Center Partition",
        [this] { runEdit("Center Partition", [](SectionEditor& e) { return e.centerPartition(); }); });
    add(ToolGlyph::CenterAllPartitions, "CenterAllPartitions", "Center All Partitions",
        [this] { runEdit("Center All Partitions", [](SectionEditor& e) { return e.centerAllPartitions(); }); });
    add(ToolGlyph::FaceFrame, "FaceFrame", "Face Construction View", m_commands.faceView);
    add(ToolGlyph::FrontView, "ViewInside", "Front/Shell Construction View", m_commands.shellView);
    add(ToolGlyph::SideView, "ViewSide", "View Side Construction", m_commands.sideView);
    add(ToolGlyph::TopView, "ViewTop", "View Top Construction", m_commands.topView);
    bar->addSeparator();
    auto* undo = new UndoActions(m_controller, this);
    bar->addAction(undo->undo());
    bar->addAction(undo->redo());
    bar->addSeparator();
    add(ToolGlyph::Export, "ExportDrawing", "Export Drawing...", [this] { exportDrawing(); });
    add(ToolGlyph::Exit, "ExitCabinetDesigner", "Exit Cabinet Designer", [this] { close(); });
}

QWidget* TCabinetForm::buildSectionEditor(QWidget* parent)
{
    auto* box = new QGroupBox(QStringLiteral("Cabinet Section Editor"), parent);
    box->setObjectName(QStringLiteral("GroupBox1"));
    SetHelpKey(box, "Cabinet Section Editor:");
    auto* grid = new QGridLayout(box);
    grid->setVerticalSpacing(4);
    for (std::size_t i = 0; i < std::size(kModes); ++i) {
        const auto& mode = kModes[i];
        auto* button = new QToolButton(box);
        button->setText(QString::fromLatin1(mode.caption));
        button->setObjectName(QString::fromLatin1(mode.name));
        button->setToolTip(QString::fromLatin1(mode.hint));
        button->setCheckable(true);
        button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        m_modeButtons[static_cast<std::size_t>(mode.button)] = button;
        grid->addWidget(button, static_cast<int>(i) / 3, static_cast<int>(i) % 3);
        connect(button, &QToolButton::clicked, this, [this, which = mode.button] { chooseMode(which); });
    }

    auto* showing = new QLabel(QStringLiteral("Showing Section..."), box);
    showing->setObjectName(QStringLiteral("Label2"));
    SetHelpKey(showing, "Editing/Showing Section:");
    m_sectionNumber = new QLabel(box);
    m_sectionNumber->setObjectName(QStringLiteral("SectionNumber"));
    QFont bold = m_sectionNumber->font();
    bold.setBold(true);
    m_sectionNumber->setFont(bold);
    auto* editing = new QLabel(QStringLiteral("Editing Section..."), box);
    editing->setObjectName(QStringLiteral("Label1"));
    SetHelpKey(editing, "Editing/Showing Section:");
    m_sectionNumber1 = new QLabel(box);
    m_sectionNumber1->setObjectName(QStringLiteral("SectionNumber1"));
    grid->addWidget(showing, 2, 0, 1, 2);
    grid->addWidget(m_sectionNumber, 2, 2);
    grid->addWidget(editing, 3, 0, 1, 2);
    grid->addWidget(m_sectionNumber1, 3, 2);

    m_functionName = new QLabel(QString::fromLatin1(kNotSelectedPrompt), box);
    m_functionName->setObjectName(QStringLiteral("FunctionName"));
    SetHelpKey(m_functionName, "Editing Box:");
    m_functionName->setFrameShape(QFrame::StyledPanel);
    grid->addWidget(m_functionName, 4, 0, 1, 3);

    m_dataInput = new QComboBox(box);
    m_dataInput->setObjectName(QStringLiteral("DataInput"));
    m_enter = Button("Enter", "EnterButton", "Enter", box);
    auto* clear = Button("Clear", "ClearButton", "Clear", box);
    grid->addWidget(m_dataInput, 5, 0);
    grid->addWidget(m_enter, 5, 1);
    grid->addWidget(clear, 5, 2);
    connect(m_dataInput, &QComboBox::activated, this, [this](int item) { controls().selectDataInput(item); });
    connect(m_enter, &QPushButton::clicked, this, &TCabinetForm::enter);
    connect(clear, &QPushButton::clicked, this, [this] {
        controls().clear();
        showEditState();
    });

    m_addSpace = Button("Add Offset", "AddSpace", "Add Mullion Offset", box);
    auto* removeSpace = Button("Remove Offsets", "RemoveSpace", "Remove Mullion Offsets", box);
    m_partitionUp = Button("Partition Up", "PartitionUp", "Move Partition Above Center", box);
    m_partitionDown = Button("Partition Down", "PartitionDown", "Move Partition Below Center", box);
    auto* toggle = Button("Next Section", "SectionToggle", "Next Section To Edit", box);
    auto* size = Button("Size Cabinet", "SizeCabinet", "Size Cabinet", box);
    grid->addWidget(m_addSpace, 6, 0, 1, 2);
    grid->addWidget(removeSpace, 6, 2);
    grid->addWidget(m_partitionUp, 7, 0, 1, 2);
    grid->addWidget(m_partitionDown, 7, 2);
    grid->addWidget(toggle, 8, 0, 1, 2);
    grid->addWidget(size, 8, 2);
    for (auto* pressable : {m_addSpace, m_partitionUp, m_partitionDown})
        pressable->installEventFilter(this);
    connect(m_addSpace, &QPushButton::clicked, this,
            [this] { runEdit("Add Mullion Offset", [](SectionEditor& e) { return e.addMullionOffset(); }); });
    connect(removeSpace, &QPushButton::clicked, this,
            [this] { runEdit("Remove Mullion Offsets", [](SectionEditor& e) { return e.removeMullionOffsets(); }); });
    connect(m_partitionUp, &QPushButton::clicked, this, [this] {
        runEdit("Move Partition Above Center", [](SectionEditor& e) { return e.movePartitionAboveCenter(); });
    });
    connect(m_partitionDown, &QPushButton::clicked, this, [this] {
        runEdit("Move Partition Below Center", [](SectionEditor& e) { return e.movePartitionBelowCenter(); });
    });
    // Neither changes the cabinet: they move the window's own state.
    connect(toggle, &QPushButton::clicked, this, [this] { apply(controls().nextSection()); });
    connect(size, &QPushButton::clicked, this, [this] { apply(controls().sizeCabinet()); });
    return box;
}

QWidget* TCabinetForm::buildFrontDimensions(QWidget* parent)
{
    auto* box = new QGroupBox(QStringLiteral("Front Dimensions"), parent);
    box->setObjectName(QStringLiteral("GroupBox2"));
    SetHelpKey(box, "Front Dimensions:");
    auto* layout = new QVBoxLayout(box);
    m_frontDimensions = new QTableWidget(kFrontDimensionsMinGridRows - 1, 4, box);
    UsePlainCells(m_frontDimensions);
    m_frontDimensions->setObjectName(QStringLiteral("FrontViewData"));
    SetGridHelpKeys(m_frontDimensions, HelpBy::Column, kDimensionTableHelpKeys);
    m_frontDimensions->setHorizontalHeaderLabels(
        {QStringLiteral("Part"), QStringLiteral("Width"), QStringLiteral("Length"), QStringLiteral("Stock")});
    m_frontDimensions->verticalHeader()->hide();
    FitTableRows(m_frontDimensions, 20);
    // Every part name and length shows whole, whatever the font.
    FitTableColumns(m_frontDimensions, kWidestRow);
    m_frontDimensions->horizontalHeader()->setStretchLastSection(true);
    m_frontDimensions->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_frontDimensions->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_frontDimensions->setFixedHeight(TableHeightFor(m_frontDimensions, 6));
    layout->addWidget(m_frontDimensions);
    return box;
}

QAbstractButton* TCabinetForm::modeButton(ModeButton button) const
{
    return m_modeButtons[static_cast<std::size_t>(button)];
}

void TCabinetForm::openDesigner()
{
    m_state.resetEditModes();
    m_state.functionName = kNotSelectedPrompt;
    refreshDesigner();
    fitToDrawing();
    show();
    KeepWithinScreen(this);
    raise();
    activateWindow();
}

void TCabinetForm::fitToDrawing()
{
    // As large as shows the drawing best, short of filling the screen: the
    // user may resize it, and the drawing follows.
    const QSize largest = LargestClientSize(this);
    const QToolBar* bar = findChild<QToolBar*>(QStringLiteral("ToolBar1"));
    const QSize beside(m_sidePanel->sizeHint().width() + centralWidget()->layout()->spacing(),
                       (bar ? bar->sizeHint().height() : 0) + statusBar()->sizeHint().height());
    const QSize area = m_canvas->fittingSize(QSize(largest.width(), largest.height() * 9 / 10) - beside);
    const QSize wanted(beside.width() + area.width(),
                       beside.height() + std::max(area.height(), m_sidePanel->sizeHint().height()));
    resize(wanted.expandedTo(minimumSizeHint()).boundedTo(largest));
}

void TCabinetForm::refreshDesigner()
{
    const auto& session = m_controller.session();
    showView(DrawDesigner(session.model(), session.layout(), m_state, width()));
}

DesignerControls TCabinetForm::controls()
{
    return DesignerControls(m_controller.model(), m_state);
}

void TCabinetForm::showView(const DesignerView& view)
{
    m_canvas->setShapes(view.shapes, m_controller.model().drawScale);
    for (std::size_t i = 0; i < m_status.size(); ++i)
        m_status[i]->setText(ToQt(view.statusTexts[i]));
    showFrontDimensions(view.frontDimensions);
    showEditState();
}

void TCabinetForm::exportDrawing()
{
    const auto& model = m_controller.session().model();
    // The designer draws in quarter inches, each `drawScale` units.
    ShopDrawingContent content = MakeShopDrawing(m_canvas->shapes(), 4 * std::max(model.drawScale, 1), model,
                                                 "Cabinet Designer", "Width", "Height");
    for (int r = 0; r < m_frontDimensions->rowCount(); ++r) {
        std::array<std::string, 4> cells;
        for (int c = 0; c < 4; ++c)
            if (const QTableWidgetItem* item = m_frontDimensions->item(r, c))
                cells[static_cast<std::size_t>(c)] = FromQt(item->text());
        content.rows.push_back(cells);
    }
    for (int c = 0; c < 4; ++c)
        if (const QTableWidgetItem* header = m_frontDimensions->horizontalHeaderItem(c))
            content.columnTitles[static_cast<std::size_t>(c)] = FromQt(header->text());
    ExportShopDrawing(m_controller.session(), content);
}

void TCabinetForm::showFrontDimensions(const std::vector<FrontDimensionRow>& rows)
{
    const int count = static_cast<int>(rows.size());
    ShowTableText(m_frontDimensions, count, count,
                  [&](int r, int c) { return PartRowCell(rows[static_cast<std::size_t>(r)], c); });
}

void TCabinetForm::showEditState()
{
    for (const auto& mode : kModes)
        modeButton(mode.button)->setChecked(m_state.isDown(mode.button));
    m_functionName->setText(ToQt(m_state.functionName));
    // Only the counts the mode allows are offered.
    const int counts = DataInputItems(m_state);
    while (m_dataInput->count() > counts)
        m_dataInput->removeItem(m_dataInput->count() - 1);
    while (m_dataInput->count() < counts)
        m_dataInput->addItem(ToQt(DataInputText(m_dataInput->count())));
    m_dataInput->setCurrentIndex(m_state.dataInput);
    m_sectionNumber->setText(QString::number(m_state.shownSection));
    m_sectionNumber1->setText(QString::number(m_state.shownSection));
    m_controller.announceDesignerSection();
}

void TCabinetForm::chooseMode(ModeButton button)
{
    controls().chooseMode(button);
    showEditState();
}

void TCabinetForm::enter()
{
    runEdit(EnterEditName(m_state), [](SectionEditor& e) { return e.enter(); });
}

void TCabinetForm::runEdit(const std::string& name, DesignerEffect (*command)(SectionEditor&))
{
    bool changed = false;
    DesignerEffect effect = EditSection(m_controller.commands(), m_state, name, command, &changed);
    // A changed cabinet was announced, and this window redrew with everyone
    // else; a refused one only shows the edit state again.
    if (changed)
        effect.redraw = false;
    apply(effect);
}

void TCabinetForm::apply(const DesignerEffect& effect)
{
    if (effect.selectParameter)
        m_controller.requestParameter(*effect.selectParameter);
    if (effect.redraw) {
        refreshDesigner();
        return;
    }
    if (effect.refillFrontDimensions) {
        const auto& session = m_controller.session();
        showFrontDimensions(FillFrontDimensions(session.model(), session.layout(), m_state.shownSection));
    }
    showEditState();
}

bool TCabinetForm::eventFilter(QObject* watched, QEvent* event)
{
    // A press on these shows the size they work with before the click runs.
    if (event->type() == QEvent::MouseButtonPress) {
        if (watched == m_addSpace)
            m_controller.requestParameter(MullionOffsetParameter(m_state));
        else if (watched == m_partitionUp || watched == m_partitionDown)
            m_controller.requestParameter(PartitionOffsetParameter(m_state));
    }
    return QMainWindow::eventFilter(watched, event);
}

void TCabinetForm::closeEvent(QCloseEvent* event)
{
    // The zoom is the designer's; the next opening starts at full size.
    if (m_controller.model().drawScale != 1)
        m_controller.commands().toggleZoom();
    event->accept();
}

} // namespace boxmill
