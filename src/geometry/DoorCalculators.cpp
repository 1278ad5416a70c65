// SPDX-License-Identifier: GPL-3.0-or-later
#include "geometry/DoorCalculators.h"

#include "geometry/CalculatorInputs.h"
#include "geometry/DoorSizing.h"

namespace boxmill {

using namespace partcalc;

namespace {

OpeningPanelStyle StyleOf(const Inputs& in, int section, Opening opening)
{
    return SectionPanelStyle(in.model().record, section, opening);
}

int DoorCount(const Inputs& in, int section, Opening opening)
{
    return in.sectionItem(section, opening == Opening::Upper ? SectionItem::PartitionDoors : SectionItem::DoorCount);
}

DoorSizing<double> Sizing(const Inputs& in)
{
    return SizeDoors(in.model(), [&](int param) { return in.P(param); });
}

double DoorHeight(const Inputs& in, int section, Opening opening)
{
    return Sizing(in).doorHeight(DoorOpeningHeight(in.layout(), section, opening));
}

double DoorWidth(const Inputs& in, int section, Opening opening)
{
    return Sizing(in).doorWidth(in.layout().SectionFaceWidth[static_cast<std::size_t>(section)],
                                DoorCount(in, section, opening));
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
    const double length = BetweenStiles(in, DoorWidth(in, section, opening));
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
