// SPDX-License-Identifier: GPL-3.0-or-later
#include "LatencyWorld.h"

#include "app/CabinetStylePanel.h"
#include "app/DimensionSettingsPanel.h"
#include "app/DividerForm.h"
#include "app/IncludePartsPanel.h"
#include "app/MainForm.h"
#include "core/IncludeParts.h"
#include "cutlist/WoodEditBoxes.h"
#include "cutlist/ui/WoodSelectionPanel.h"
#include "cutlist/ui/WoodSettingsPanel.h"
#include "designer/DesignerControls.h"
#include "designer/SectionEditor.h"
#include "designer/ui/CabinetForm.h"
#include "designer/ui/EditingForm.h"
#include "jobs/ui/CuttingDiagramForm.h"
#include "jobs/ui/JobForm.h"
#include "panels/ui/RaisedPanelDesigner.h"
#include "session/EditCommands.h"
#include "session/UnitSwitch.h"
#include "sheets/ui/StockForm.h"
#include "ui/common/SessionController.h"
#include "views/ui/ConstructionViews.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSettings>
#include <QTableWidget>

#include <filesystem>

namespace boxmill::bench {

namespace fs = std::filesystem;

namespace {

const fs::path kBusyCabinet = fs::path(BOXMILL_TEST_DATA_DIR) / "Busy.cab";

bool CopyProgramFolder(const QTemporaryDir& to)
{
    std::error_code error;
    fs::copy(BOXMILL_PROGRAM_DIR, to.path().toStdString(), fs::copy_options::recursive, error);
    return !error;
}

const WoodEditBoxes kWoods[] = {{"Red Oak", "0", "3/4", "2.50"}, {"Maple", "0", "3/4", "3.10"}};
// A wood the listing does not hold, added and deleted again in turn.
const WoodEditBoxes kListedWood = {"Zebrawood", "0", "3/4", "9.10"};

QListWidgetItem* ListItem(QWidget* window, const char* list, int row)
{
    return window->findChild<QListWidget*>(QString::fromLatin1(list))->item(row);
}

void Toggle(QListWidgetItem* item)
{
    item->setCheckState(item->checkState() == Qt::Checked ? Qt::Unchecked : Qt::Checked);
}

} // namespace

LatencyWorld::LatencyWorld()
{
    if (!m_screenFolder.isValid() || !m_coreFolder.isValid() || !CopyProgramFolder(m_screenFolder) ||
        !CopyProgramFolder(m_coreFolder)) {
        m_failure = "cannot copy the program folder " BOXMILL_PROGRAM_DIR;
        return;
    }
    // Open adds to the recent cabinets; keep them out of the user's.
    QSettings::setDefaultFormat(QSettings::IniFormat);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, m_screenFolder.filePath(QStringLiteral("settings")));

    m_user = std::make_unique<SteadyUser>(kBusyCabinet);
    m_session = std::make_unique<CabinetSession>(*m_user, *m_user);
    m_coreUser = std::make_unique<SteadyUser>(kBusyCabinet);
    m_core = std::make_unique<CabinetSession>(*m_coreUser, *m_coreUser);
    if (m_session->startUp(m_screenFolder.path().toStdString()) != StartUpOutcome::Ready ||
        m_core->startUp(m_coreFolder.path().toStdString()) != StartUpOutcome::Ready ||
        !m_session->openRecentCabinet(kBusyCabinet) || !m_core->openRecentCabinet(kBusyCabinet)) {
        m_failure = "cannot start on the program folder: " + m_user->lastMessage;
        return;
    }
    m_controller = std::make_unique<SessionController>(*m_session);
    m_window = openEveryWindow();
    m_window->sendToCutlistViewer(CutListKind::Complete);
    settle();
    defineKinds();
    qApp->installEventFilter(this);
}

LatencyWorld::~LatencyWorld()
{
    qApp->removeEventFilter(this);
}

std::unique_ptr<TMainForm> LatencyWorld::openEveryWindow()
{
    auto window = std::make_unique<TMainForm>(*m_controller);
    window->setSplashEnabled(false);
    window->resize(1280, 1024);
    window->show();
    m_controller->announceCabinetReplaced();
    window->showCabinetDesigner();
    for (const ViewKind kind :
         {ViewKind::Shell, ViewKind::Side, ViewKind::Top, ViewKind::Face, ViewKind::Door, ViewKind::Drawer})
        window->openView(kind);
    window->showCabinetOptions(true);
    window->raisedPanelDesigner()->show();
    // The editing window is modal in use; shown beside the others here so
    // that its switches can be timed with everything else open.
    window->editingWindow()->show();
    window->stockListing()->show();
    window->jobWindow()->show();
    window->cuttingDiagrams()->showCabinet();
    window->cuttingDiagrams()->show();
    // The parameter edits change the width, which the main window shows.
    m_controller->requestParameter(Param::Width);
    settle();
    window->cuttingDiagrams()->waitForPlan();
    settle();
    return window;
}

int LatencyWorld::openWindows() const
{
    int shown = 0;
    for (const QWidget* window : QApplication::topLevelWidgets())
        shown += window->isVisible() ? 1 : 0;
    return shown;
}

void LatencyWorld::settle()
{
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
}

void LatencyWorld::finishPlans()
{
    m_window->cuttingDiagrams()->waitForPlan();
    settle();
}

long LatencyWorld::takePaints()
{
    const long paints = m_paints;
    m_paints = 0;
    return paints;
}

bool LatencyWorld::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Paint)
        ++m_paints;
    return QObject::eventFilter(watched, event);
}

void LatencyWorld::defineKinds()
{
    TMainForm& main = *m_window;
    CabinetSession& core = *m_core;
    auto* inches = main.dimensionSettings()->findChild<QLineEdit*>(QStringLiteral("Inches"));
    auto* enter = main.dimensionSettings()->findChild<QPushButton*>(QStringLiteral("EnterParameter"));
    TCabinetForm* designer = main.designer();
    auto coreState = std::make_shared<DesignerState>();
    main.woodSettings()->findChild<QTableWidget*>(QStringLiteral("CabinetParts"))->setCurrentCell(0, 1);

    m_kinds = {
        {"parameter_enter",
         [=](int i) {
             inches->setText(QString::number(30 + i % 2));
             enter->click();
         },
         [&core](int i) {
             EditParameter(core, Param::Width, {std::to_string(30 + i % 2), "0"});
         }},
        {"include_toggle",
         [&main](int) { Toggle(ListItem(main.includeParts(), "IncludePartsList", IncludeItem::Back)); },
         [&core](int i) { EditInclude(core, IncludeItem::Back, i % 2 != 0); }},
        {"option_toggle", [&main](int) { main.optionsWindow()->button(CabinetOption::DoorInset)->click(); },
         [&core](int i) { EditOption(core, CabinetOption::DoorInset, i % 2 == 0, "Door Inset"); }},
        {"designer_section_enter",
         [designer](int i) {
             // The mode is the session's: a second set of windows opened on
             // it starts the designer again with no mode chosen.
             if (designer->state().mode != ModeButton::AddDrawer)
                 designer->modeButton(ModeButton::AddDrawer)->click();
             designer->dataInput()->setCurrentIndex(1 + i % 2);
             emit designer->dataInput()->activated(1 + i % 2);
             designer->enterButton()->click();
         },
         [&core, coreState](int i) {
             DesignerControls controls(core.model(), *coreState);
             if (coreState->mode != ModeButton::AddDrawer)
                 controls.chooseMode(ModeButton::AddDrawer);
             controls.selectDataInput(1 + i % 2);
             EditSection(core, *coreState, "Add Drawers", [](SectionEditor& e) { return e.enter(); });
         }},
        {"enable_switch", [&main](int) { Toggle(ListItem(main.editingWindow(), "Drawer", 0)); },
         [&core](int i) { EditRecordFlag(core, RecordOffset::DrawerEnabled, i % 2 == 0, "Drawer 1"); }},
        {"wood_assignment", [&main](int i) { main.woodSettings()->assignWood(kWoods[i % 2]); },
         [&core](int i) { EditPartWood(core, 1, kWoods[i % 2]); }},
        {"blind_corner",
         [&main](int) { main.cabinetStyle()->findChild<QCheckBox*>(QStringLiteral("BlindCorner"))->click(); },
         [&core](int) { EditBlindCorner(core, true); },
         // Mate is ticked first (which clears Blind Corner), so that the
         // click sets Blind Corner and clears Mate behind the options window.
         [&main, &core](bool screen) {
             if (!screen) {
                 EditOption(core, CabinetOption::BlindMate, true, "Mate");
                 return;
             }
             QAbstractButton* mate = main.optionsWindow()->button(CabinetOption::BlindMate);
             if (!mate->isChecked())
                 mate->click();
         }},
        {"wood_listing",
         [&main](int i) {
             WoodSelectionPanel* panel = main.woodSelection();
             if (i % 2 != 0) {
                 panel->deleteSelected();
                 return;
             }
             const auto fill = [panel](const char* name, const std::string& text) {
                 panel->findChild<QLineEdit*>(QString::fromLatin1(name))->setText(QString::fromStdString(text));
             };
             fill("WoodType", kListedWood.woodType);
             fill("InchThick", kListedWood.inchThick);
             fill("FracThick", kListedWood.fracThick);
             fill("CostSft", kListedWood.costSft);
             panel->addButton()->click();
         },
         [&core, added = std::make_shared<std::optional<int>>()](int i) {
             const auto edit = core.editWoodListing([&](WoodListingEditor& editor) {
                 return i % 2 == 0 ? editor.add(kListedWood, std::nullopt) : editor.remove(*added);
             });
             *added = edit.selected;
         }},
        {"unit_switch", [&main](int i) { main.switchUnits(i % 2 == 0); },
         [&core](int i) { SwitchUnits(core, i % 2 == 0 ? UnitMode::Metric : UnitMode::Inches); }},
        {"new_cabinet", [&main](int) { main.newCabinet(); }, [&core](int) { core.newCabinet(); },
         [&main, &core](bool screen) { screen ? main.openCabinetLibrary() : void(core.openCabinetLibrary()); }},
        {"open", [&main](int) { main.openCabinetLibrary(); }, [&core](int) { core.openCabinetLibrary(); },
         [&main, &core](bool screen) { screen ? main.newCabinet() : void(core.newCabinet()); }},
    };
}

} // namespace boxmill::bench
