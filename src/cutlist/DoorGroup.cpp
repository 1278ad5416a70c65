// SPDX-License-Identifier: GPL-3.0-or-later
#include "CutListGroups.h"

#include "SectionCounts.h"

#include "core/IncludeParts.h"
#include "geometry/DoorCalculators.h"
#include "geometry/OpeningFit.h"

namespace boxmill {

using namespace cutlist;

namespace {

constexpr Opening kOpenings[] = {Opening::Lower, Opening::Upper};

// The doors of an opening too small for them are not cut: no part of
// them, not even the ones that would come out right.
int DoorsCut(const GroupInputs& in, int s, Opening opening)
{
    return DoorsFit(in.model(), in.layout(), s, opening) ? Doors(in.model(), s, opening) : 0;
}

// Calls `add(s, opening)` once for every door of the given opening of every
// section.
template <typename Add> void ForEachDoor(const GroupInputs& in, Opening opening, Add add)
{
    for (int s = 0; s < Sections(in.model()); ++s) {
        for (int door = 0, doors = DoorsCut(in, s, opening); door < doors; ++door)
            add(s);
    }
}

void Panels(const GroupInputs& in, CutList& list)
{
    const CabinetModel& model = in.model();
    Batch panels("Dr Panel(s)");
    for (const Opening opening : kOpenings) {
        for (int s = 0; s < Sections(model); ++s) {
            if (!PanelsEnabled(model, s, opening))
                continue;
            for (int door = 0, doors = DoorsCut(in, s, opening); door < doors; ++door) {
                panels.add(CalcDoorPanel(in.context, s, opening, PanelOrder::First));
                if (SectionPanelStyle(model.record, s, opening).doublePanel)
                    panels.add(CalcDoorPanel(in.context, s, opening, PanelOrder::Second));
            }
        }
    }
    panels.emitTo(list);
}

} // namespace

void BuildDoorList(const GroupInputs& in, CutList& list)
{
    const CabinetModel& model = in.model();
    const CalcContext& c = in.context;

    if (model.include(IncludeItem::DoorPanels))
        Panels(in, list);

    if (!model.include(IncludeItem::DoorFrames))
        return;

    Batch stiles("Dr Stile(s)");
    for (const Opening opening : kOpenings) {
        for (const Side side : {Side::Right, Side::Left})
            ForEachDoor(in, opening, [&](int s) { stiles.add(CalcDoorStile(c, s, opening, side)); });
    }
    stiles.emitTo(list);

    Batch rails("Dr Rails(s)");
    for (const Opening opening : kOpenings) {
        for (const RailEnd end : {RailEnd::Bottom, RailEnd::Top})
            ForEachDoor(in, opening, [&](int s) { rails.add(CalcDoorRail(c, s, opening, end)); });
    }
    rails.emitTo(list);

    Batch midRails("Dr Mid Rail(s)");
    for (const Opening opening : kOpenings)
        ForEachDoor(in, opening, [&](int s) { midRails.add(CalcDoorMidRail(c, s, opening)); });
    midRails.emitTo(list);
}

} // namespace boxmill
