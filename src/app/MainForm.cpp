// SPDX-License-Identifier: GPL-3.0-or-later
#include "MainForm.h"

#include "AboutForm.h"
#include "CabinetStylePanel.h"
#include "DimensionSettingsPanel.h"
#include "DividerForm.h"
#include "HelpCommands.h"
#include "IncludePartsPanel.h"
#include "SectionalAreaPanel.h"
#include "paint/QtText.h"
#include "ui/common/HelpRequests.h"
#include "ui/common/MisfitLabel.h"
#include "ui/common/ScreenFit.h"
#include "ui/common/SessionController.h"
#include "ui/common/ToolBars.h"
#include "ui/common/ToolIcons.h"
#include "ui/common/UndoActions.h"

#include "cutlist/CutListViewer.h"
#include "cutlist/CutlistFile.h"
#include "cutlist/ui/CostCalculatorPanel.h"
#include "cutlist/ui/CostForm.h"
#include "cutlist/ui/CutListForm.h"
#include "cutlist/ui/CutlistViewerPanel.h"
#include "cutlist/ui/WoodSelectionPanel.h"
#include "cutlist/ui/WoodSettingsPanel.h"
#include "designer/ui/CabinetForm.h"
#include "designer/ui/EditingForm.h"
#include "jobs/ui/CuttingDiagramForm.h"
#include "jobs/ui/JobForm.h"
#include "panels/ui/RaisedPanelDesigner.h"
#include "print/ui/PrintCommands.h"
#include "session/CutListCommands.h"
#include "session/EditCommands.h"
#include "sheets/ui/StockForm.h"
#include "views/ui/ConstructionViews.h"

#include "core/Prompter.h"
#include "core/Version.h"
#include "session/CabinetSession.h"
#include "session/UnitSwitch.h"

#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QGridLayout>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTimer>
#include <QToolBar>
#include <QVBoxLayout>

#include <filesystem>
#include <tuple>

namespace boxmill {

TMainForm::TMainForm(SessionController& controller, QWidget* parent)
    : QMainWindow(parent)
    , m_controller(controller)
{
    setWindowTitle(QString::fromLatin1(kProgramTitle));
    setObjectName(QStringLiteral("MainForm"));

    auto* central = new QWidget(this);
    auto* grid = new QGridLayout(central);
    m_dimensions = new DimensionSettingsPanel(controller, central);
    m_includeParts = new IncludePartsPanel(controller, central);
    m_sectionalArea = new SectionalAreaPanel(controller, central);
    m_cabinetStyle = new CabinetStylePanel(controller, central);
    m_woodSelection = new WoodSelectionPanel(controller, central);
    m_woodSettings = new WoodSettingsPanel(controller, central);
    m_costCalculator = new CostCalculatorPanel(controller, central);
    m_viewer = new CutlistViewerPanel(controller, central);
    grid->addLayout(buildCutlistViewerColumn(central), 0, 2);
    grid->addWidget(m_dimensions, 0, 0);
    grid->addWidget(m_woodSelection, 1, 0);
    grid->addWidget(m_includeParts, 0, 1);
    grid->addWidget(m_woodSettings, 1, 1);
    grid->addWidget(m_costCalculator, 1, 2);
    auto* right = new QVBoxLayout;
    right->addWidget(m_sectionalArea);
    right->addWidget(m_cabinetStyle);
    right->addStretch();
    grid->addLayout(right, 0, 3, 2, 1);
    grid->setColumnStretch(2, 1);
    grid->setRowStretch(0, 3);
    grid->setRowStretch(1, 2);
    m_woodSelection->setSelectWoodCommand([this] { m_woodSettings->assignWood(m_woodSelection->boxes()); });
    connect(m_woodSettings, &WoodSettingsPanel::clicked, this, [this] { m_woodSelection->woodList()->setFocus(); });
    setCentralWidget(central);

    createToolWindows();

    buildMenus();
    buildToolBar();
    connect(&m_controller, &SessionController::cabinetReplaced, this, &TMainForm::refreshFromModel);
    // Closing the designer sets the scale back; the button follows.
    connect(&m_controller, &SessionController::layoutChanged, this,
            [this] { m_zoom->setChecked(m_controller.session().model().drawScale == 2); });
    connect(&m_controller, &SessionController::cabinetFileChanged, this, [this] {
        m_cabinetStyle->showCabinetName();
        m_saveCabinet->setEnabled(m_controller.session().model().saveCabinetEnabled);
        showTitle();
    });
    refreshFromModel();
    m_sectionalArea->refresh();
}

QLayout* TMainForm::buildCutlistViewerColumn(QWidget* parent)
{
    auto* column = new QVBoxLayout;
    column->addWidget(m_viewer, 1);
    column->addWidget(new MisfitLabel(m_controller, parent));
    auto* buttons = new QHBoxLayout;
    struct EditorButton {
        const char* name;
        const char* caption;
        const char* hint;
        ListingBuild build;
    };
    const EditorButton editorButtons[] = {{"CutAll", "All", "Show Complete Cutlist", ListingBuild::All},
                                          {"CutCabinet", "Cabinet", "Cabinet Cutlist Only", ListingBuild::Cabinet},
                                          {"CutDrawers", "Drawers", "Drawers Cutlist Only", ListingBuild::Drawers},
                                          {"CutDoors", "Doors", "Doors Cutlist Only", ListingBuild::Doors}};
    for (const auto& editorButton : editorButtons) {
        auto* button = new QPushButton(QString::fromLatin1(editorButton.caption), parent);
        button->setObjectName(QString::fromLatin1(editorButton.name));
        button->setToolTip(QString::fromLatin1(editorButton.hint));
        connect(button, &QPushButton::clicked, this, [this, build = editorButton.build] { openCutlistEditor(build); });
        buttons->addWidget(button);
    }
    column->addLayout(buttons);
    return column;
}

// The tool windows live as long as the main window and are only shown and
// hidden.
void TMainForm::createToolWindows()
{
    m_options = new TDividerForm(m_controller, this);
    m_options->setSaveCommand([this] { saveCabinetAs(); });
    m_editing = new TEditingForm(m_controller, this);
    m_editing->setSaveCommand([this] { saveCabinetAs(); });
    m_includeParts->setEditingWindowOpener([this] { m_editing->exec(); });
    m_estimator = new TCostForm(m_controller, this);
    m_print = new PrintCommands(m_controller, this);
    m_print->setSectionSource([this] { return m_controller.session().designer().shownSection; });
    m_help = new HelpCommands(m_controller, *m_print, this);
    ViewCommands viewCommands;
    viewCommands.printDoorView = [this](const DoorViewState& state) { m_print->printDoorView(state); };
    viewCommands.printDrawerView = [this](const DrawerViewState& state) { m_print->printDrawerView(state); };
    viewCommands.sendToCutList = [this](CutListKind list) { sendToCutlistViewer(list); };
    viewCommands.cabinetOptions = [this] { showCabinetOptions(true); };
    // The views are made when first opened: most runs never open some.
    m_views = new ConstructionViews(m_controller, std::move(viewCommands), this);
    // The views and the raised panel designer open where the designer is.
    const auto designerCorner = [this]() -> std::optional<QPoint> {
        if (m_designer && m_designer->isVisible())
            return m_designer->pos();
        return std::nullopt;
    };
    m_views->setCorner(designerCorner);
    m_views->setWindowMade([this](QWidget* window) { registerToolWindow(window); });
    PanelDesignerCommands panelCommands;
    panelCommands.doorView = [this] { openView(ViewKind::Door); };
    panelCommands.corner = designerCorner;
    m_panels = new RaisedPanelDesigner(m_controller, std::move(panelCommands), this);
    m_panels->setWindowMade([this](QWidget* window) { registerToolWindow(window); });
    m_cutListEditor = new TCutListForm(m_controller, this);
    m_cutListEditor->setPrintCommand([this](const std::vector<std::string>& lines) { m_print->printListing(lines); });
    m_cutListEditor->setCuttingDiagramsCommand([this] {
        cuttingDiagrams()->showCabinet();
        cuttingDiagrams()->show();
        cuttingDiagrams()->raise();
    });
    m_estimator->setListCommand([this](CutListKind list) { sendToCutlistViewer(list); });
    connect(&m_controller, &SessionController::cutListChanged, this, [this] {
        m_viewer->showGrid();
        m_costCalculator->showCost();
        if (m_estimator->isVisible())
            m_estimator->refill();
    });
    for (QWidget* window : std::initializer_list<QWidget*> {m_cutListEditor, m_options, m_estimator})
        registerToolWindow(window);
}

// The designer is made when first opened: many runs only list and cost.
TCabinetForm* TMainForm::designer()
{
    if (m_designer)
        return m_designer;
    DesignerCommands designerCommands;
    designerCommands.saveToLibrary = [this] { saveToLibraryAs(); };
    designerCommands.saveCabinetAs = [this] { saveCabinetAs(); };
    designerCommands.cabinetOptions = [this] { showCabinetOptions(true); };
    designerCommands.sendToCutList = [this] { sendToCutlistViewer(CutListKind::Complete); };
    designerCommands.drawerView = [this] { openView(ViewKind::Drawer); };
    designerCommands.doorView = [this] { openView(ViewKind::Door); };
    designerCommands.faceView = [this] { openView(ViewKind::Face); };
    designerCommands.shellView = [this] { openView(ViewKind::Shell); };
    designerCommands.sideView = [this] { openView(ViewKind::Side); };
    designerCommands.topView = [this] { openView(ViewKind::Top); };
    m_designer = new TCabinetForm(m_controller, std::move(designerCommands), this);
    registerToolWindow(m_designer);
    return m_designer;
}

// Made when first opened, as the designer is.
TCuttingDiagramForm* TMainForm::cuttingDiagrams()
{
    if (!m_cuttingDiagrams) {
        m_cuttingDiagrams = new TCuttingDiagramForm(m_controller, this);
        registerToolWindow(m_cuttingDiagrams);
    }
    return m_cuttingDiagrams;
}

// Made when first opened, as the designer is.
TJobForm* TMainForm::jobWindow()
{
    if (!m_jobWindow) {
        m_jobWindow = new TJobForm(
            m_controller, [this] { return cuttingDiagrams(); }, this);
        registerToolWindow(m_jobWindow);
    }
    return m_jobWindow;
}

// Made when first opened, as the designer is.
TStockForm* TMainForm::stockListing()
{
    if (!m_stockListing) {
        m_stockListing = new TStockForm(m_controller, this);
        registerToolWindow(m_stockListing);
        connect(m_stockListing, &TStockForm::stockSaved, this, [this] {
            if (m_cuttingDiagrams)
                m_cuttingDiagrams->stockChanged();
        });
    }
    return m_stockListing;
}

void TMainForm::buildMenus()
{
    QMenu* files = menuBar()->addMenu(QStringLiteral("&Files"));
    files->addAction(QStringLiteral("New Cabinet"), this, &TMainForm::newCabinet)->setShortcut(QKeySequence::New);
    files->addAction(QStringLiteral("New Raised Panel"), m_panels, &RaisedPanelDesigner::newPanel);
    files->addSeparator();
    m_saveCabinet = files->addAction(QStringLiteral("Save Cabinet"), this, &TMainForm::saveCabinet);
    m_saveCabinet->setObjectName(QStringLiteral("SaveCabinetTemplate1"));
    m_saveCabinet->setShortcut(QKeySequence::Save);
    files->addAction(QStringLiteral("Save Cabinet As..."), this, &TMainForm::saveCabinetAs)
        ->setShortcut(QKeySequence::SaveAs);
    files->addAction(QStringLiteral("Save To Cabinet Library As..."), this, &TMainForm::saveToLibraryAs);
    files->addAction(QStringLiteral("Save Raised Panel"), m_panels, &RaisedPanelDesigner::savePanel);
    files->addAction(QStringLiteral("Save Raised Panel As..."), m_panels, &RaisedPanelDesigner::savePanelAs);
    files->addSeparator();
    files->addAction(QStringLiteral("Save Cutlist Editor To File"), this, &TMainForm::saveCutlistEditorToFile);
    files->addSeparator();
    files->addAction(QStringLiteral("Open Cabinet Library"), this, &TMainForm::openCabinetLibrary)
        ->setShortcut(QKeySequence::Open);
    files->addAction(QStringLiteral("Open Raised Panel Library"), m_panels, &RaisedPanelDesigner::openPanelLibrary);
    m_recentMenu = files->addMenu(QStringLiteral("Recent Cabinets"));
    m_recentMenu->setObjectName(QStringLiteral("RecentCabinets"));
    connect(m_recentMenu, &QMenu::aboutToShow, this, &TMainForm::fillRecentMenu);
    files->addSeparator();
    m_print->addMenuEntries(*files->addMenu(QStringLiteral("Print Options")));
    QMenu* send = files->addMenu(QStringLiteral("Send To Cutlist Viewer"));
    const std::tuple<const char*, const char*, CutListKind> lists[] = {
        {"Complete Cutlist", "CompleteCutlist2", CutListKind::Complete},
        {"Cabinet Cutlist", "CabinetCutlist1", CutListKind::Cabinet},
        {"Face Frame Cutlist", "FaceFrameCutlist1", CutListKind::FaceFrame},
        {"Drawers Cutlist", "DrawersCutlist1", CutListKind::Drawers},
        {"Doors Cutlist", "DoorsCutlist1", CutListKind::Doors}};
    for (const auto& [caption, name, list] : lists)
        send->addAction(QString::fromLatin1(caption), this, [this, which = list] { sendToCutlistViewer(which); })
            ->setObjectName(QString::fromLatin1(name));
    files->addSeparator();
    files->addAction(QStringLiteral("Exit Boxmill"), this, &TMainForm::exitBoxmill)->setShortcut(QKeySequence::Quit);

    QMenu* edit = menuBar()->addMenu(QStringLiteral("&Edit"));
    auto* undo = new UndoActions(m_controller, this);
    edit->addAction(undo->undo());
    edit->addAction(undo->redo());

    QMenu* tools = menuBar()->addMenu(QStringLiteral("&Tools"));
    tools->addAction(QStringLiteral("Cabinet Designer"), this, &TMainForm::showCabinetDesigner);
    tools->addAction(QStringLiteral("Raised Panel Designer"), m_panels, &RaisedPanelDesigner::show);
    tools->addAction(QStringLiteral("Cutting Diagrams"), this, [this] {
        cuttingDiagrams()->show();
        cuttingDiagrams()->raise();
    });
    tools->addAction(QStringLiteral("Job..."), this, [this] {
        jobWindow()->show();
        jobWindow()->raise();
    });
    tools
        ->addAction(QStringLiteral("Stock Listing..."), this,
                    [this] {
                        stockListing()->show();
                        stockListing()->raise();
                    })
        ->setObjectName(QStringLiteral("StockListing1"));
    tools->addAction(QStringLiteral("Wall Designer (Show Elevations)"), this, [this] {
        m_controller.session().prompter().message(
            MessageKind::Information,
            "The Wall Designer, which shows a run of cabinets as elevations, is not available yet.");
    });
    tools
        ->addAction(QStringLiteral("Wood Estimator "), this,
                    [this] {
                        m_estimator->refill();
                        m_estimator->move(135, y());
                        m_estimator->show();
                        KeepWithinScreen(m_estimator);
                        m_estimator->raise();
                    })
        ->setObjectName(QStringLiteral("DetailedCostBreakdown1"));
    tools->addSeparator();
    auto* units = new QActionGroup(this);
    m_inches = tools->addAction(QStringLiteral("Inches (American System)"));
    m_inches->setObjectName(QStringLiteral("InchesFractionsAmerican1"));
    m_metric = tools->addAction(QStringLiteral("Milli Meters (Metric System)"));
    m_metric->setObjectName(QStringLiteral("Milli1"));
    m_help->addToolsEntry(*tools);
    for (QAction* action : {m_inches, m_metric}) {
        action->setCheckable(true);
        units->addAction(action);
    }
    // The check mark moves only when the user confirms; the handler puts it
    // back from the model otherwise.
    connect(m_inches, &QAction::triggered, this, [this] { switchUnits(false); });
    connect(m_metric, &QAction::triggered, this, [this] { switchUnits(true); });
    tools->addSeparator();
    tools
        ->addAction(QStringLiteral("Delete From Wood Listing Index"), this,
                    [this] { m_woodSelection->deleteSelected(); })
        ->setObjectName(QStringLiteral("DeleteFromWoodlisting1"));
    tools->addAction(QStringLiteral("Print View Options"), m_print, &PrintCommands::showOptions);
    QMenu* cutOptions = tools->addMenu(QStringLiteral("Cabinet Cut/Options Settings"));
    cutOptions->addAction(QStringLiteral("Cabinet Cut/Options Settings"), this, [this] { showCabinetOptions(false); });
    m_raisedPanelSides =
        cutOptions->addAction(QStringLiteral("Raised Panel Sides"), this, &TMainForm::toggleRaisedPanelSides);
    m_raisedPanelSides->setObjectName(QStringLiteral("RaisedPanelSides1"));
    m_raisedPanelSides->setCheckable(true);

    QMenu* view = menuBar()->addMenu(QStringLiteral("&View"));
    const std::tuple<const char*, const char*, ViewKind> views[] = {
        {"Front/Shell Construction", "FrontShellConstruction1", ViewKind::Shell},
        {"Top Construction", "TopConstruction1", ViewKind::Top},
        {"Side Construction", "SideConstruction1", ViewKind::Side},
        {"Face Construction", "FaceConstruction1", ViewKind::Face},
        {"Door Construction", "DoorConstruction1", ViewKind::Door},
        {"Drawer Construction", "DrawerConstruction1", ViewKind::Drawer}};
    for (const auto& [caption, name, kind] : views)
        view->addAction(QString::fromLatin1(caption), this, [this, which = kind] { openView(which); })
            ->setObjectName(QString::fromLatin1(name));
    view->addSeparator();
    view->addAction(QStringLiteral("Cutlist Editor"), this, [this] { openCutlistEditor(ListingBuild::All); });
    m_help->addViewEntry(*view);

    QMenu* help = menuBar()->addMenu(QStringLiteral("&Help"));
    m_help->addHelpEntries(*help);
    help->addAction(QStringLiteral("About Boxmill"), this, [this] {
        TAboutForm about(TAboutForm::Kind::About, this);
        about.exec();
    });
}

void TMainForm::buildToolBar()
{
    QToolBar* bar = AddWindowToolBar(this, 28, "Tool Bar Main Menu:");
    const auto add = [bar](ToolGlyph glyph, const char* name, const char* hint, std::function<void()> command) {
        return AddTool(bar, glyph, name, hint, std::move(command));
    };
    add(ToolGlyph::NewCabinet, "NewCabinet", "New Cabinet", [this] { newCabinet(); });
    add(ToolGlyph::OpenLibrary, "CabinetLibrary", "Open Cabinet Library", [this] { openCabinetLibrary(); });
    add(ToolGlyph::SaveToLibrary, "SaveToLibrary", "Save To Cabinet Library As", [this] { saveToLibraryAs(); });
    add(ToolGlyph::SaveAs, "SaveCabinetAs", "Save Cabinet As", [this] { saveCabinetAs(); });
    m_zoom = add(ToolGlyph::Zoom, "CabinetZoom", "Zoom Toggle", [this] { toggleZoom(); });
    m_zoom->setCheckable(true);
    add(ToolGlyph::SendToCutList, "SendToCutList", "Send To Cutlist Viewer",
        [this] { sendToCutlistViewer(CutListKind::Complete); });
    add(ToolGlyph::Options, "CabinetOptions", "Cabinet Options Settings", [this] { showCabinetOptions(true); });
    add(ToolGlyph::Designer, "CabinetDesigner", "Cabinet Designer", [this] { showCabinetDesigner(); });
    add(ToolGlyph::RaisedPanel, "RaisedPanelDesigner", "Raised Panel Designer", [this] { m_panels->show(); });
    add(ToolGlyph::FrontView, "ViewInside", "Front/Shell Construction View", [this] { openView(ViewKind::Shell); });
    add(ToolGlyph::SideView, "ViewSide", "View Side Construction", [this] { openView(ViewKind::Side); });
    add(ToolGlyph::TopView, "ViewTop", "View Top Construction", [this] { openView(ViewKind::Top); });
    bar->addSeparator();
    add(ToolGlyph::Exit, "ExitBoxmill", "Exit Boxmill", [this] { exitBoxmill(); });
}

void TMainForm::refreshFromModel()
{
    m_dimensions->reload();
    m_includeParts->reload();
    m_cabinetStyle->reload();
    m_cabinetStyle->showCabinetName();
    m_woodSelection->reload();
    m_woodSettings->reload();
    m_costCalculator->reload();
    m_saveCabinet->setEnabled(m_controller.session().model().saveCabinetEnabled);
    m_zoom->setChecked(m_controller.session().model().drawScale == 2);
    m_raisedPanelSides->setChecked(m_controller.session().model().options.raisedPanelSides);
    m_options->reload();
    m_editing->reload();
    showUnitChecks();
    showTitle();
}

void TMainForm::showCabinetOptions(bool updateDividers)
{
    m_options->reload();
    if (updateDividers)
        m_options->updateDividerControls();
    m_options->show();
    m_options->raise();
}

void TMainForm::sendToCutlistViewer(CutListKind list)
{
    ShowCutList(m_controller.commands(), list);
    m_controller.announceCutListChanged();
}

void TMainForm::openCutlistEditor(ListingBuild build)
{
    m_cutListEditor->openWith(build);
}

void TMainForm::saveCutlistEditorToFile()
{
    auto& session = m_controller.session();
    SaveCutlistEditorToFile(session.model(), session.cutList(), session.dialogs(), session.prompter());
}

void TMainForm::showCabinetDesigner()
{
    designer()->openDesigner();
}

void TMainForm::openView(ViewKind kind)
{
    m_views->open(kind);
}

void TMainForm::toggleRaisedPanelSides()
{
    const auto& model = m_controller.model();
    m_controller.session().prompter().message(
        MessageKind::Information,
        "Raised panel sides are not available yet: the sides are cut as plain panels. The setting is kept with "
        "the cabinet.");
    EditRaisedPanelSides(m_controller.commands(), !model.options.raisedPanelSides);
    m_raisedPanelSides->setChecked(model.options.raisedPanelSides);
}

void TMainForm::showTitle()
{
    // The file name first, as desktop programs show it, with the mark of
    // unsaved edits that Qt draws in place of [*].
    setWindowTitle(ToQt(m_controller.model().folders.cabinetName) + QStringLiteral("[*] - ") +
                   QString::fromLatin1(kProgramTitle));
    setWindowModified(m_controller.session().modified());
}

void TMainForm::showUnitChecks()
{
    const bool metric = m_controller.session().data().unitFlags.mode() == UnitMode::Metric;
    m_metric->setChecked(metric);
    m_inches->setChecked(!metric);
}

void TMainForm::newCabinet()
{
    if (m_controller.commands().newCabinet())
        m_controller.announceCabinetReplaced();
    else
        m_controller.announceCabinetFileChanged();
}

void TMainForm::openCabinetLibrary()
{
    if (m_controller.commands().openCabinetLibrary()) {
        rememberCabinet();
        m_controller.announceCabinetReplaced();
    } else {
        m_controller.announceCabinetFileChanged();
    }
}

void TMainForm::openRecentCabinet(const QString& file)
{
    const auto path = std::filesystem::path(FromQt(file));
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) {
        m_recent.remove(file);
        m_controller.session().prompter().message(MessageKind::Error,
                                                  "The cabinet \"" + FromQt(file) + "\" is no longer there.");
        return;
    }
    if (m_controller.commands().openRecentCabinet(path)) {
        rememberCabinet();
        m_controller.announceCabinetReplaced();
    } else {
        m_controller.announceCabinetFileChanged();
    }
}

void TMainForm::fillRecentMenu()
{
    m_recentMenu->clear();
    const QStringList files = m_recent.files();
    for (int i = 0; i < files.size(); ++i) {
        const QString& file = files[i];
        QAction* action = m_recentMenu->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(file));
        connect(action, &QAction::triggered, this, [this, file] { openRecentCabinet(file); });
    }
    m_recentMenu->setEnabled(!files.isEmpty());
}

void TMainForm::rememberCabinet()
{
    m_recent.add(ToQt(m_controller.model().folders.cabinetPath.string()));
}

void TMainForm::saveCabinet()
{
    m_controller.commands().saveCabinet();
    afterSave();
}

void TMainForm::saveCabinetAs()
{
    m_controller.commands().saveCabinetAs();
    afterSave();
}

void TMainForm::saveToLibraryAs()
{
    m_controller.commands().saveToLibraryAs();
    afterSave();
}

void TMainForm::afterSave()
{
    if (!m_controller.session().modified())
        rememberCabinet();
    m_controller.announceCabinetFileChanged();
}

void TMainForm::exitBoxmill()
{
    if (m_controller.commands().confirmExit(ExitRoute::Command)) {
        m_closeConfirmed = true;
        close();
    }
}

void TMainForm::switchUnits(bool metric)
{
    // Choosing the system already in use changes nothing, and must not
    // replace the cabinet on screen.
    if ((m_controller.session().model().units == UnitMode::Metric) == metric) {
        showUnitChecks();
        return;
    }
    const auto outcome = SwitchUnits(m_controller.commands(), metric ? UnitMode::Metric : UnitMode::Inches);
    if (outcome == StartUpOutcome::EndProgram) {
        QApplication::exit(1);
        return;
    }
    if (outcome)
        m_controller.announceCabinetReplaced();
    showUnitChecks();
}

void TMainForm::toggleZoom()
{
    m_controller.commands().toggleZoom();
    m_zoom->setChecked(m_controller.session().model().drawScale == 2);
}

void TMainForm::registerToolWindow(QWidget* window)
{
    KeepWithinScreenWhenShown(window);
}

void TMainForm::changeEvent(QEvent* event)
{
    QMainWindow::changeEvent(event);
    // Coming back here leaves the tool windows open: the user clicks a part
    // in the designer and types its size here, with both in sight.
    if (event->type() != QEvent::ActivationChange || !isActiveWindow() || QApplication::activeModalWidget() ||
        m_activatedOnce)
        return;
    m_activatedOnce = true;
    if (m_splashEnabled)
        QTimer::singleShot(0, this, [this] {
            TAboutForm splash(TAboutForm::Kind::Splash, this);
            splash.exec();
        });
}

void TMainForm::closeEvent(QCloseEvent* event)
{
    // The cabinet is asked about first: its question only saves or not,
    // while closing the stock listing or the job acts on the answer, and a
    // Cancel after that would leave the program open without them.
    if (!m_closeConfirmed && !m_controller.commands().confirmExit(ExitRoute::WindowClose)) {
        event->ignore();
        return;
    }
    // Leaving the program must not lose the stock listing's or the job's
    // unsaved edits either.
    for (QWidget* window : {static_cast<QWidget*>(m_stockListing), static_cast<QWidget*>(m_jobWindow)}) {
        if (window && !window->close()) {
            m_closeConfirmed = false;
            event->ignore();
            return;
        }
    }
    event->accept();
}

} // namespace boxmill
