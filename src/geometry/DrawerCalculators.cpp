// SPDX-License-Identifier: GPL-3.0-or-later
#include "geometry/DrawerCalculators.h"

#include "geometry/CalculatorInputs.h"

namespace boxmill {

using namespace partcalc;
using O = CabinetOption;

namespace {

double FaceWidth(const Inputs& in, int section)
{
    CheckSection(section);
    return in.layout().SectionFaceWidth[static_cast<std::size_t>(section)];
}

double FaceHeight(const Inputs& in, int section, int drawer)
{
    CheckSection(section);
    CheckDrawer(drawer);
    return in.layout().DrawerHeight[static_cast<std::size_t>(section)][static_cast<std::size_t>(drawer)];
}

// The box is narrower than its opening by the slide clearance on each side.
double BoxWidth(const Inputs& in, int section)
{
    return FaceWidth(in, section) - 2.0 * in.P(Param::DrawerSideClearance);
}

} // namespace

PartSize CalcDrawerFace(const CalcContext& context, int section, int drawer)
{
    const Inputs in(context);
    const double width = FaceWidth(in, section);
    const double height = FaceHeight(in, section, drawer);
    // An inset face sits inside its opening with a gap all round; an overlay
    // face covers the frame around it.
    const double grow = in.option(O::FaceInset) ? -2.0 * in.P(Param::FaceInsetGap) : 2.0 * in.P(Param::FaceOverlay);
    return in.finish(PartRow::DrawerFace, width + grow, height + grow);
}

PartSize CalcDrawerFrontBack(const CalcContext& context, int section, int drawer, DrawerEnd end)
{
    const Inputs in(context);
    const bool front = end == DrawerEnd::Front;
    const double sides = 2.0 * in.T(PartRow::DrawerSide);
    // A butt-jointed end fits between the sides, a dovetailed one spans
    // them, a rabbeted one reaches into them.
    double length = BoxWidth(in, section);
    if (in.option(front ? O::FrontButtJoint : O::BackButtJoint))
        length -= sides;
    else if (in.option(front ? O::FrontRabbit : O::BackRabbit))
        length += -sides + 2.0 * in.P(Param::DrawerDado);

    double width = FaceHeight(in, section, drawer) - in.P(Param::DrawerHeightClearance) - in.T(PartRow::DrawerBottom);
    if (in.option(O::DrawerDadoes))
        width -= in.P(Param::DrawerBottomDado);
    return in.finish(front ? PartRow::DrawerFront : PartRow::DrawerBack, length, width);
}

PartSize CalcDrawerSide(const CalcContext& context, int section, int drawer)
{
    const Inputs in(context);
    double length = in.P(Param::DrawerDepth);
    if (in.option(O::FrontDoveTail))
        length -= in.P(Param::DrawerDovetail);
    if (in.option(O::BackDoveTail))
        length -= in.P(Param::DrawerDovetail);
    // Without dadoes the bottom sits under the sides and its thickness
    // comes off their height.
    double width = FaceHeight(in, section, drawer) - in.P(Param::DrawerHeightClearance);
    if (!in.option(O::DrawerDadoes))
        width -= in.T(PartRow::DrawerBottom);
    return in.finish(PartRow::DrawerSide, length, width);
}

PartSize CalcDrawerBottom(const CalcContext& context, int section)
{
    const Inputs in(context);
    double width = BoxWidth(in, section);
    if (in.option(O::DrawerDadoes))
        width += -2.0 * in.T(PartRow::DrawerSide) + 2.0 * in.P(Param::DrawerDado);
    return in.finish(PartRow::DrawerBottom, in.P(Param::DrawerDepth), width);
}

} // namespace boxmill
