// SPDX-License-Identifier: GPL-3.0-or-later
#include "geometry/DoorCalculators.h"

#include "geometry/CalculatorInputs.h"

namespace boxmill {

using namespace partcalc;
using O = CabinetOption;

namespace {

OpeningPanelStyle StyleOf(const Inputs& in, int section, Opening opening)
{
    return SectionPanelStyle(in.model().record, section, opening);
}

int DoorCount(const Inputs& in, int section, Opening opening)
{
    return in.sectionItem(section, opening == Opening::Upper ? SectionItem::PartitionDoors : SectionItem::DoorCount);
}

// Inset doors overlap nothing: they keep a gap to the frame all round.
double Grow(const Inputs& in)
{
    return in.option(O::DoorInset) ? -2.0 * in.P(Param::DoorInsetGap) : 2.0 * in.P(Param::DoorOverlay);
}

double DoorHeight(const Inputs& in, int section, Opening opening)
{
    return DoorOpeningHeight(in.layout(), section, opening) + Grow(in);
}

// What a pair of doors leaves between them: a door mullion, or else a gap,
// which overlay doors widen by overlapping each other's side of it.
double BetweenDoors(const Inputs& in)
{
    if (in.has(IncludeItem::DoorMullions))
        return in.P(Param::DoorMullion);
    double between = in.P(Param::DoorGap);
    if (!in.option(O::DoorInset))
        between += 2.0 * in.P(Param::DoorOverlay);
    return between;
}

// Two doors share the opening, less what stands between them.
double DoorWidth(const Inputs& in, int section, Opening opening, double between)
{
    double width = in.layout().SectionFaceWidth[static_cast<std::size_t>(section)];
    if (DoorCount(in, section, opening) == 2)
        width = (width - between) / 2.0;
    return width + Grow(in);
}

double DoorWidth(const Inputs& in, int section, Opening opening)
{
    return DoorWidth(in, section, opening, BetweenDoors(in));
}

// Without a door mullion the top and bottom rails of a pair are cut as for
// overlay doors, the overlay off both sides of the gap, even when the doors
// are inset. The panel and the mid rail keep the door's own width, so an
// inset pair's rails come out an overlay shorter than the door.
double RailDoorWidth(const Inputs& in, int section, Opening opening)
{
    if (in.has(IncludeItem::DoorMullions))
        return DoorWidth(in, section, opening);
    return DoorWidth(in, section, opening, in.P(Param::DoorGap) + 2.0 * in.P(Param::DoorOverlay));
}

// Rails are tenoned into the stiles on both ends.
double BetweenStiles(const Inputs& in, double doorWidth)
{
    return doorWidth - in.P(Param::DoorLeftStile) - in.P(Param::DoorRightStile) + 2.0 * in.P(Param::DoorMortise);
}

double BetweenRails(const Inputs& in, double doorHeight)
{
    return doorHeight - in.P(Param::DoorTopRail) - in.P(Param::DoorBottomRail) + 2.0 * in.P(Param::DoorMortise);
}

} // namespace

double DoorOpeningHeight(const LayoutResult& layout, int section, Opening opening)
{
    CheckSection(section);
    const auto s = static_cast<std::size_t>(section);
    return opening == Opening::Upper ? layout.UpperHeight[s] : layout.LowerHeight[s];
}

PartSize CalcDoorStile(const CalcContext& context, int section, Opening opening, Side side)
{
    const Inputs in(context);
    const double length = DoorHeight(in, section, opening);
    if (side == Side::Right)
        return in.finish(PartRow::DoorRightStile, length, in.P(Param::DoorRightStile));
    return in.finish(PartRow::DoorLeftStile, length, in.P(Param::DoorLeftStile));
}

PartSize CalcDoorRail(const CalcContext& context, int section, Opening opening, RailEnd end)
{
    CheckSection(section);
    const Inputs in(context);
    const double length = BetweenStiles(in, RailDoorWidth(in, section, opening));
    if (end == RailEnd::Bottom)
        return in.finish(PartRow::DoorBottomRail, length, in.P(Param::DoorBottomRail));
    return in.finish(PartRow::DoorTopRail, length, in.P(Param::DoorTopRail));
}

PartSize CalcDoorPanel(const CalcContext& context, int section, Opening opening, PanelOrder order)
{
    CheckSection(section);
    const Inputs in(context);
    const OpeningPanelStyle style = StyleOf(in, section, opening);

    double height = DoorHeight(in, section, opening);
    double width = DoorWidth(in, section, opening);
    // The panel fills the frame and reaches into its grooves, less the
    // clearance that lets it move with the seasons.
    if (in.has(IncludeItem::DoorFrames)) {
        height = BetweenRails(in, height) - in.P(Param::DoorPanelClearanceLength);
        width = BetweenStiles(in, width) - in.P(Param::DoorPanelClearanceWidth);
    }
    if (style.doublePanel) {
        // The mid rail takes its width out of the middle and both panels
        // reach into it. An offset mid rail makes the first panel longer.
        double shift = 0.0;
        if (style.offset)
            shift = order == PanelOrder::Second ? -in.P(style.offsetParam) : in.P(style.offsetParam);
        const double rail = in.P(Param::DoorMidRail);
        const double tongue = in.P(Param::DoorMortise);
        if (style.horizontal)
            height = (height - rail) / 2.0 + tongue - in.P(Param::DoorPanelClearanceLength) / 2.0 + shift;
        else
            width = (width - rail) / 2.0 + tongue - in.P(Param::DoorPanelClearanceWidth) / 2.0 + shift;
    }
    return in.finish(PartRow::DoorPanel, height, width);
}

std::optional<PartSize> CalcDoorMidRail(const CalcContext& context, int section, Opening opening)
{
    CheckSection(section);
    const Inputs in(context);
    const OpeningPanelStyle style = StyleOf(in, section, opening);
    if (!style.doublePanel)
        return std::nullopt;
    // Across the door between the stiles, or up the door between the rails.
    const double length = style.horizontal ? BetweenStiles(in, DoorWidth(in, section, opening))
                                           : BetweenRails(in, DoorHeight(in, section, opening));
    return in.finish(PartRow::DoorMidRail, length, in.P(Param::DoorMidRail));
}

} // namespace boxmill
