// SPDX-License-Identifier: GPL-3.0-or-later
#include "geometry/FaceFrameCalculators.h"

#include "geometry/CalculatorInputs.h"
#include "geometry/DoorCalculators.h"

namespace boxmill {

using namespace partcalc;

namespace {

// The rails run between the stiles, and a blind corner's panel takes the
// place of part of them.
double RailLength(const Inputs& in)
{
    double length = in.P(Param::Width);
    if (in.blindCorner())
        length -= in.P(Param::BlindPanel);
    return length - in.P(Param::RightStile) - in.P(Param::LeftStile);
}

} // namespace

PartSize CalcLeftStile(const CalcContext& context)
{
    const Inputs in(context);
    return in.finish(PartRow::LeftStile, in.standingHeight(), in.P(Param::LeftStile));
}

PartSize CalcRightStile(const CalcContext& context)
{
    const Inputs in(context);
    return in.finish(PartRow::RightStile, in.standingHeight(), in.P(Param::RightStile));
}

PartSize CalcTopRail(const CalcContext& context)
{
    const Inputs in(context);
    return in.finish(PartRow::TopRail, RailLength(in), in.P(Param::TopRail));
}

PartSize CalcBottomRail(const CalcContext& context)
{
    const Inputs in(context);
    return in.finish(PartRow::BottomRail, RailLength(in), in.P(Param::BottomRail));
}

PartSize CalcMullion(const CalcContext& context)
{
    const Inputs in(context);
    const double length = in.standingHeight() - in.P(Param::TopRail) - in.P(Param::BottomRail);
    return in.finish(PartRow::Mullion, length, in.P(Param::Mullion));
}

PartSize CalcMidRail(const CalcContext& context, int section, FaceRail kind)
{
    CheckSection(section);
    const Inputs in(context);
    const double length = in.layout().SectionFaceWidth[static_cast<std::size_t>(section)];
    if (kind == FaceRail::PartitionRail)
        return in.finish(PartRow::PartitionRail, length, in.P(Param::PartitionRail));
    return in.finish(PartRow::MidRail, length, in.P(Param::MidRail));
}

PartSize CalcDoorMullion(const CalcContext& context, int section, Opening opening)
{
    const Inputs in(context);
    return in.finish(PartRow::DoorMullion, DoorOpeningHeight(context.layout, section, opening),
                     in.P(Param::DoorMullion));
}

} // namespace boxmill
