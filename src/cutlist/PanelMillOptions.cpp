// SPDX-License-Identifier: GPL-3.0-or-later
#include "MillOptions.h"

#include "MillOptionWriter.h"

#include "core/IncludeParts.h"
#include "core/ParameterIndex.h"

namespace boxmill {

using namespace cutlist;

namespace {

// The panel style the designer copied into the section for one opening.
struct PanelStyle {
    bool offset = false;
    bool doublePanel = false;
    bool negative = false;
    bool horizontal = false;
};

PanelStyle StyleOf(const CabinetModel& model, int s, Opening opening)
{
    const auto item = [&](SectionItem lower, SectionItem upper) {
        return model.sectionItem(s, opening == Opening::Upper ? upper : lower) != 0;
    };
    return {item(SectionItem::LowerPanelsOffset, SectionItem::UpperPanelsOffset),
            item(SectionItem::DoublePanel, SectionItem::DoublePanelP),
            item(SectionItem::NegativeOffset, SectionItem::NegativeOffsetP),
            item(SectionItem::Horizontal, SectionItem::HorizontalP)};
}

// Which way the mid rail leaves the centre: a horizontal rail moves up, a
// vertical one right, unless the offset is negative.
const char* Direction(const PanelStyle& style)
{
    if (!style.offset)
        return "Center";
    if (style.horizontal)
        return style.negative ? "OffSet Down" : "Offset Up";
    return style.negative ? "OffSet Left" : "Offset Right";
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
            const PanelStyle style = StyleOf(model, s, opening);
            if (!style.doublePanel)
                continue;
            const std::string label = std::string("Double Panel:") + (lower ? "Lower" : "Upper") + " Sec " +
                                      std::to_string(s + 1) + " " + (style.horizontal ? "Horizontal" : "Vertical  ");
            if (style.offset)
                w.line(label, Direction(style), w.P(lower ? Param::LowerPanelOffset : Param::UpperPanelOffset));
            else
                w.line(label, Direction(style), kBlankMark);
        }
    }
}

} // namespace boxmill
