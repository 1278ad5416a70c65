// SPDX-License-Identifier: GPL-3.0-or-later
#include "Batch.h"

#include "geometry/Calculators.h"

#include <algorithm>
#include <tuple>
#include <utility>

namespace boxmill {

namespace {

// The four texts are compared one by one, never joined into one text: joined,
// a width of "1" and a length of "12" would pass for "11" and "2".
bool SameBoard(const CutListRow& a, const CutListRow& b)
{
    return std::tie(a.stock, a.material, a.width, a.length) == std::tie(b.stock, b.material, b.width, b.length);
}

} // namespace

Batch::Batch(std::string partName)
    : m_partName(std::move(partName))
{
}

void Batch::add(const PartSize& part)
{
    m_entries.push_back(CutListRow{1, part.widthText, part.lengthText, part.stockText, part.material});
}

void Batch::add(const std::optional<PartSize>& part)
{
    if (part)
        add(*part);
}

EmittedBatch Batch::merged() const
{
    EmittedBatch batch{m_partName, {}};
    for (const auto& entry : m_entries) {
        if (entry.length.empty())
            continue;
        const auto same = std::find_if(batch.rows.begin(), batch.rows.end(),
                                       [&](const CutListRow& row) { return SameBoard(row, entry); });
        if (same != batch.rows.end())
            ++same->quantity;
        else
            batch.rows.push_back(entry);
    }
    return batch;
}

void Batch::emitTo(CutList& list) const
{
    auto batch = merged();
    if (!batch.rows.empty())
        list.push_back(std::move(batch));
}

} // namespace boxmill
