// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/DividerForm.h"
#include "app/MainForm.h"
#include "cutlist/ui/CostForm.h"
#include "cutlist/ui/CutListForm.h"
#include "designer/ui/CabinetForm.h"
#include "jobs/ui/CuttingDiagramForm.h"
#include "jobs/ui/JobForm.h"
#include "panels/ui/RaisedPanelDesigner.h"
#include "sheets/ui/StockForm.h"
#include "views/ui/ConstructionViews.h"

#include <functional>
#include <vector>

namespace boxmill::test {

// A window the main menu opens: its entry, and the window once opened.
struct ToolWindow {
    const char* menuEntry;
    std::function<QWidget*()> window;
};

// Every tool window of the main menu, in the menu's order.
inline std::vector<ToolWindow> MenuToolWindows(TMainForm* main)
{
    const auto view = [main](ViewKind kind) {
        return [main, kind]() -> QWidget* { return main->constructionViews()->window(kind); };
    };
    return {
        {"Cabinet Designer", [main] { return main->designer(); }},
        {"Front/Shell Construction", view(ViewKind::Shell)},
        {"Side Construction", view(ViewKind::Side)},
        {"Top Construction", view(ViewKind::Top)},
        {"Face Construction", view(ViewKind::Face)},
        {"Door Construction", view(ViewKind::Door)},
        {"Drawer Construction", view(ViewKind::Drawer)},
        {"Cabinet Cut/Options Settings", [main] { return main->optionsWindow(); }},
        {"Cutlist Editor", [main] { return main->cutListEditor(); }},
        {"Raised Panel Designer", [main] { return main->raisedPanelDesigner()->window(); }},
        {"Cutting Diagrams", [main] { return main->cuttingDiagrams(); }},
        {"Wood Estimator ", [main] { return main->woodEstimator(); }},
        {"Job...", [main] { return main->jobWindow(); }},
        {"Stock Listing...", [main] { return main->stockListing(); }},
    };
}

} // namespace boxmill::test
