// SPDX-License-Identifier: GPL-3.0-or-later
#include "MillOptions.h"

#include "MillOptionWriter.h"

#include "core/IncludeParts.h"
#include "core/ParameterIndex.h"
#include "geometry/OpeningFit.h"

namespace boxmill {

using namespace cutlist;

namespace {

// Which way the mid rail leaves the centre: a horizontal rail moves up, a
// vertical one right, unless the offset is negative.
const char* Direction(const OpeningPanelStyle& style)
{
    switch (style.offsetSign()) {
    case 0: return "Center";
    case 1: return style.horizontal ? "Offset Up" : "Offset Right";
    default: return style.horizontal ? "OffSet Down" : "OffSet Left";
    }
}

} // namespace

void AddPanelMillOptions(const CabinetModel& model, const LayoutResult& layout, std::vector<std::string>& lines)
{
    if (!model.include(IncludeItem::DoorFrames) || !HasDoors(model))
        return;
    MillOptionWriter w(model, layout, lines);
    w.title("Raised Panel Mill Options:");
    w.line("Mortise Depth:", kBlankMark, w.P(Param::DoorMortise));
    w.line("Mortise Space Length:", w.P(Param::DoorPanelClearanceLength), kBlankMark);
    w.line("Mortise Space Width:", w.P(Param::DoorPanelClearanceWidth), kBlankMark);
    for (const Opening opening : {Opening::Lower, Opening::Upper}) {
        const bool lower = opening == Opening::Lower;
        for (int s = 0; s < Sections(model); ++s) {
            const OpeningPanelStyle style = SectionPanelStyle(model.record, s, opening);
            // The doors left out of the cut list are milled for nothing.
            if (!style.doublePanel || !DoorsFit(model, layout, s, opening))
                continue;
            const std::string label = std::string("Double Panel:") + (lower ? "Lower" : "Upper") + " Sec " +
                                      std::to_string(s + 1) + " " + (style.horizontal ? "Horizontal" : "Vertical  ");
            if (style.offset)
                w.line(label, Direction(style), w.P(style.offsetParam));
            else
                w.line(label, Direction(style), kBlankMark);
        }
    }
}

} // namespace boxmill
