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

// Equal boards are counted in the first entry that has them, so rows keep
// the order the builder produced them in.
EmittedBatch Merge(std::string partName, std::vector<CutListRow> entries)
{
    EmittedBatch batch {std::move(partName), {}};
    for (auto& entry : entries) {
        if (entry.length.empty())
            continue;
        const auto same = std::find_if(batch.rows.begin(), batch.rows.end(),
                                       [&](const CutListRow& row) { return SameBoard(row, entry); });
        if (same != batch.rows.end())
            ++same->quantity;
        else
            batch.rows.push_back(std::move(entry));
    }
    return batch;
}

} // namespace

Batch::Batch(std::string partName)
    : m_partName(std::move(partName))
{
}

void Batch::add(PartSize part)
{
    // No board of no size is listed, whatever sizes the design was given.
    if (!(part.length > 0.0 && part.width > 0.0))
        return;
    m_entries.push_back(CutListRow {1, std::move(part.widthText), std::move(part.lengthText), std::move(part.stockText),
                                    std::move(part.material)});
}

void Batch::add(std::optional<PartSize> part)
{
    if (part)
        add(std::move(*part));
}

EmittedBatch Batch::merged() const
{
    return Merge(m_partName, m_entries);
}

void Batch::emitTo(CutList& list)
{
    EmittedBatch batch = Merge(m_partName, std::move(m_entries));
    m_entries.clear();
    if (!batch.rows.empty())
        list.push_back(std::move(batch));
}

} // namespace boxmill
