// SPDX-License-Identifier: GPL-3.0-or-later
#include "CutListViewer.h"

#include "CostCalculator.h"

#include <algorithm>
#include <utility>

namespace boxmill {

int ViewerGrid::rowCount() const
{
    return std::max(viewerRows(), kViewerMinimumRows);
}

std::string_view ViewerGrid::cell(int row, int column) const
{
    if (column < 0 || column >= static_cast<int>(kViewerHeader.size()) || row < 0)
        return {};
    const auto c = static_cast<std::size_t>(column);
    if (row == 0)
        return kViewerHeader[c];
    const auto r = static_cast<std::size_t>(row - 1);
    return r < rows.size() ? std::string_view(rows[r][c]) : std::string_view();
}

ViewerGrid ViewerGridOf(const CutList& list)
{
    ViewerGrid grid;
    for (const auto& batch : list) {
        for (const auto& row : batch.rows)
            grid.rows.push_back(ViewerRow {row.quantityText(), batch.partName, row.width, row.length});
    }
    return grid;
}

WithMessages<ViewerGrid> ShowCutList(CutListKind kind, CabinetModel& model, const LayoutResult& layout,
                                     CostCalculator& cost)
{
    auto built = BuildCutList(kind, model, layout);
    WithMessages<ViewerGrid> shown {ViewerGridOf(built.value), std::move(built.messages)};
    Append(shown.messages, cost.update(model));
    return shown;
}

} // namespace boxmill
