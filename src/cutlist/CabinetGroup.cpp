// SPDX-License-Identifier: GPL-3.0-or-later
#include "CutListGroups.h"

#include "SectionCounts.h"

#include "core/IncludeParts.h"
#include "geometry/CarcassCalculators.h"
#include "geometry/OpeningFit.h"
#include "geometry/ShelfCalculators.h"

#include <algorithm>

namespace boxmill {

using namespace cutlist;

namespace {

void Shelves(const GroupInputs& in, CutList& list)
{
    const CabinetModel& model = in.model();
    if (!model.include(IncludeItem::Shelves))
        return;
    Batch batch("Shelve(s)");
    for (int s = 0; s < Sections(model); ++s) {
        const int shelves = ShelvesFit(model, in.layout(), s) ? Count(model, s, SectionItem::Shelves, kMaxShelves) : 0;
        for (int i = 0; i < shelves; ++i)
            batch.add(CalcShelf(in.context, s, ShelfKind::Shelf));
    }
    for (int s = 0; s < Sections(model); ++s) {
        for (int i = 0; i < Count(model, s, SectionItem::PartitionShelves, kMaxShelves); ++i)
            batch.add(CalcShelf(in.context, s, ShelfKind::UpperShelf));
    }
    batch.emitTo(list);
}

void Partitions(const GroupInputs& in, CutList& list)
{
    const CabinetModel& model = in.model();
    if (!model.include(IncludeItem::Partitions))
        return;
    Batch batch("Partition(s)");
    for (int s = 0; s < Sections(model); ++s) {
        int boards = Count(model, s, SectionItem::Partition, kMaxPartitions);
        // A double partition closes the drawers off from the opening below.
        if (Drawers(model, s) > 0 && model.options[CabinetOption::ExtraPartition])
            ++boards;
        for (int i = 0; i < boards; ++i)
            batch.add(CalcShelf(in.context, s, ShelfKind::Partition));
    }
    batch.emitTo(list);
}

} // namespace

void BuildCabinetList(const GroupInputs& in, CutList& list)
{
    const CabinetModel& model = in.model();
    const CalcContext& c = in.context;
    const auto single = [&](const char* name, bool wanted, auto calculate, int boards = 1) {
        if (!wanted)
            return;
        Batch batch(name);
        for (int i = 0; i < boards; ++i)
            batch.add(calculate(c));
        batch.emitTo(list);
    };

    single("Top", model.include(IncludeItem::Top), CalcTop);
    single("Carc Rail(s)", model.include(IncludeItem::CarcassRails), CalcCarcassRail, 2);
    single("Bottom", model.include(IncludeItem::Bottom), CalcBottom);
    single("Back", model.include(IncludeItem::Back), CalcBack);

    Batch sides("Side(s)");
    if (model.include(IncludeItem::LeftSide))
        sides.add(CalcSide(c, Side::Left));
    if (model.include(IncludeItem::RightSide))
        sides.add(CalcSide(c, Side::Right));
    sides.emitTo(list);

    const bool toekick = model.include(IncludeItem::ToeKick);
    single("Toekick", toekick, CalcToekick);
    if (toekick && DetachedBase(model)) {
        Batch sleepers("Sleeper(s)");
        sleepers.add(CalcSleeper(c, Side::Left));
        sleepers.add(CalcSleeper(c, Side::Right));
        sleepers.emitTo(list);
    }

    Shelves(in, list);

    Batch dividers("Divider(s)");
    if (Divider1(model))
        dividers.add(CalcDivider(c));
    if (Divider2(model))
        dividers.add(CalcDivider(c));
    dividers.emitTo(list);

    Partitions(in, list);
    single("Nailer(s)", model.include(IncludeItem::Nailers), CalcNailer,
           std::clamp(model.options.nailerCount.value_or(0), 0, kMaxNailers));
    single("Front", model.include(IncludeItem::Front), CalcFront);
    single("Blind Panel", BlindCorner(model), CalcBlindPanel);
}

} // namespace boxmill
