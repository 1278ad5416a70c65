// SPDX-License-Identifier: GPL-3.0-or-later
#include "ViewRows.h"

namespace boxmill::views {

ViewTable::ViewTable(const CabinetModel& model, const LayoutResult& layout, std::initializer_list<const char*> parts)
    : m_context {model, layout, m_scratch}
{
    for (const char* part : parts)
        m_rows.push_back(ViewRow {part, {}, {}, {}});
}

void ViewTable::fill(int row, const PartSize& size)
{
    fill(row, size.widthText, size.lengthText, size.stockText);
}

void ViewTable::fill(int row, const std::optional<PartSize>& size)
{
    if (size)
        fill(row, *size);
}

void ViewTable::fill(int row, std::string width, std::string length, std::string stock)
{
    ViewRow& r = at(row);
    r.width = std::move(width);
    r.length = std::move(length);
    r.stock = std::move(stock);
}

void ViewTable::rename(int row, std::string part)
{
    at(row).part = std::move(part);
}

} // namespace boxmill::views
