// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "RecentCabinets.h"

#include "cutlist/CutListBuild.h"
#include "cutlist/CutlistEditor.h"

#include <QMainWindow>

class QAction;

namespace boxmill {

class CabinetStylePanel;
class CostCalculatorPanel;
class TCostForm;
class TCuttingDiagramForm;
class TJobForm;
class TStockForm;
class TCabinetForm;
class ConstructionViews;
enum class ViewKind;
class TCutListForm;
class PrintCommands;
class CutlistViewerPanel;
class WoodSelectionPanel;
class WoodSettingsPanel;
class TDividerForm;
class RaisedPanelDesigner;
class TEditingForm;
class DimensionSettingsPanel;
class IncludePartsPanel;
class SectionalAreaPanel;
class SessionController;
class HelpCommands;

// The program's home window. It shows the model and forwards the user's
// commands to the session; it keeps no cabinet state of its own.
class TMainForm : public QMainWindow {
    Q_OBJECT

public:
    explicit TMainForm(SessionController& controller, QWidget* parent = nullptr);

    // Fills every control from the model again: after start-up and after a
    // cabinet was replaced.
    void refreshFromModel();

    DimensionSettingsPanel* dimensionSettings() const { return m_dimensions; }
    IncludePartsPanel* includeParts() const { return m_includeParts; }
    SectionalAreaPanel* sectionalArea() const { return m_sectionalArea; }
    CabinetStylePanel* cabinetStyle() const { return m_cabinetStyle; }
    WoodSelectionPanel* woodSelection() const { return m_woodSelection; }
    WoodSettingsPanel* woodSettings() const { return m_woodSettings; }
    CostCalculatorPanel* costCalculator() const { return m_costCalculator; }
    QAction* saveCabinetAction() const { return m_saveCabinet; }
    QAction* inchesAction() const { return m_inches; }
    QAction* metricAction() const { return m_metric; }
    TDividerForm* optionsWindow() const { return m_options; }
    TEditingForm* editingWindow() const { return m_editing; }
    TCostForm* woodEstimator() const { return m_estimator; }
    // Made on first use.
    TCabinetForm* designer();
    TCuttingDiagramForm* cuttingDiagrams();
    TJobForm* jobWindow();
    TStockForm* stockListing();
    ConstructionViews* constructionViews() const { return m_views; }
    RaisedPanelDesigner* raisedPanelDesigner() const { return m_panels; }
    TCutListForm* cutListEditor() const { return m_cutListEditor; }
    PrintCommands* printCommands() const { return m_print; }
    CutlistViewerPanel* viewer() const { return m_viewer; }
    HelpCommands* help() const { return m_help; }
    void sendToCutlistViewer(CutListKind list);
    void openCutlistEditor(ListingBuild build);
    void saveCutlistEditorToFile();
    void showCabinetDesigner();
    // The construction views open where the designer is.
    void openView(ViewKind kind);

    // The menu commands, callable from tests and other windows.
    void newCabinet();
    void openCabinetLibrary();
    void saveCabinet();
    void saveCabinetAs();
    void saveToLibraryAs();
    void exitBoxmill();
    void switchUnits(bool metric);
    void toggleZoom();
    // The tool button updates the divider controls first; the menu entry
    // shows the window as it is.
    void showCabinetOptions(bool updateDividers);
    void toggleRaisedPanelSides();

    // Every window the main window opens shows within the screen.
    void registerToolWindow(QWidget* window);
    // The splash greets the user at the first activation; tests switch it
    // off.
    void setSplashEnabled(bool enabled) { m_splashEnabled = enabled; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    QLayout* buildCutlistViewerColumn(QWidget* parent);
    void createToolWindows();
    void buildMenus();
    void buildToolBar();
    void showUnitChecks();
    void afterSave();
    void openRecentCabinet(const QString& file);
    void fillRecentMenu();
    void rememberCabinet();
    void showTitle();

    SessionController& m_controller;
    DimensionSettingsPanel* m_dimensions = nullptr;
    IncludePartsPanel* m_includeParts = nullptr;
    SectionalAreaPanel* m_sectionalArea = nullptr;
    CabinetStylePanel* m_cabinetStyle = nullptr;
    WoodSelectionPanel* m_woodSelection = nullptr;
    WoodSettingsPanel* m_woodSettings = nullptr;
    CostCalculatorPanel* m_costCalculator = nullptr;
    QAction* m_saveCabinet = nullptr;
    QMenu* m_recentMenu = nullptr;
    RecentCabinets m_recent;
    QAction* m_inches = nullptr;
    QAction* m_metric = nullptr;
    QAction* m_zoom = nullptr;
    QAction* m_raisedPanelSides = nullptr;
    TDividerForm* m_options = nullptr;
    TEditingForm* m_editing = nullptr;
    TCostForm* m_estimator = nullptr;
    TCabinetForm* m_designer = nullptr;
    TCuttingDiagramForm* m_cuttingDiagrams = nullptr;
    TJobForm* m_jobWindow = nullptr;
    TStockForm* m_stockListing = nullptr;
    ConstructionViews* m_views = nullptr;
    RaisedPanelDesigner* m_panels = nullptr;
    TCutListForm* m_cutListEditor = nullptr;
    PrintCommands* m_print = nullptr;
    HelpCommands* m_help = nullptr;
    CutlistViewerPanel* m_viewer = nullptr;
    bool m_closeConfirmed = false;
    bool m_activatedOnce = false;
    bool m_splashEnabled = true;
};

} // namespace boxmill
