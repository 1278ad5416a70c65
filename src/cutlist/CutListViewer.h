// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Batch.h"
#include "CutListBuild.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace boxmill {

class CabinetModel;
class CostCalculator;
struct LayoutResult;

inline constexpr int kViewerMinimumRows = 6;
inline constexpr std::array<std::string_view, 4> kViewerHeader = {"Quantity", "Parts", "Width", "Length"};
// What a double click on each column asks the information index for.
inline constexpr std::array<std::string_view, 4> kViewerHelpKeys = {
    "Viewer Quantity:", "Viewer Parts:", "Viewer Width:", "Viewer Length:"};

// Quantity, part name, width, length.
using ViewerRow = std::array<std::string, 4>;

// The main window's cut list grid as the last viewer command left it. Each
// command builds a new one, so no row of an earlier, longer list survives.
struct ViewerGrid {
    // Grid rows 1 and on, the header row not included.
    std::vector<ViewerRow> rows;

    // Rows in use, the header included: 1 when the list is empty.
    int viewerRows() const { return static_cast<int>(rows.size()) + 1; }
    // The grid's row count: the rows in use, never below 6.
    int rowCount() const;
    // Row 0 is the header; rows past the list are empty.
    std::string_view cell(int row, int column) const;
};

ViewerGrid ViewerGridOf(const CutList& list);

// A viewer command: the build, the grid, and then the wood cost listing and
// job total of the boards just counted; the build's messages, then the
// cost's.
WithMessages<ViewerGrid> ShowCutList(CutListKind kind, CabinetModel& model, const LayoutResult& layout,
                                     CostCalculator& cost);
} // namespace boxmill
