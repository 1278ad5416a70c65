// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Shared by the construction views: their tables of finished sizes, whose
// texts are the part calculators' and so the cut list's.

#include "ConstructionView.h"
#include "geometry/Calculators.h"

#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

namespace boxmill::views {

// A table with a fixed part name in every row and the three size columns
// empty until a row's part is filled in.
class ViewTable {
public:
    ViewTable(const CabinetModel& model, const LayoutResult& layout, std::initializer_list<const char*> parts);
    ViewTable(const ViewTable&) = delete;
    ViewTable& operator=(const ViewTable&) = delete;

    const CalcContext& context() const { return m_context; }

    // A later fill of the same row replaces the earlier one's texts.
    void fill(int row, const PartSize& size);
    // A calculator that sizes nothing (a shelf cut as part of its
    // neighbour's) leaves the row as it was.
    void fill(int row, const std::optional<PartSize>& size);
    void fill(int row, std::string width, std::string length, std::string stock);
    void rename(int row, std::string part);

    std::vector<ViewRow> take() { return std::move(m_rows); }

private:
    ViewRow& at(int row) { return m_rows.at(static_cast<std::size_t>(row)); }

    // The views only show sizes; the wood totals of the last cut list are
    // not theirs to touch.
    PartAreas m_scratch {};
    CalcContext m_context;
    std::vector<ViewRow> m_rows;
};

} // namespace boxmill::views
