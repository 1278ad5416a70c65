// SPDX-License-Identifier: GPL-3.0-or-later
// The drawer options the worked cabinet does not use.
#include "CalculatorFixture.h"

using namespace boxmill;
using namespace boxmill::calctest;
using O = CabinetOption;

namespace {

// A section 20 wide with a 6-inch drawer; 1/2 clearance and sides.
class CalcDrawer : public CalculatorFixture {
protected:
    CalcDrawer()
    {
        params({{26, "0.75"}, {27, "21"}, {28, "0.25"}, {29, "0.5"}, {54, "0.5"}, {56, "0.0625"}});
        stock(PartRow::DrawerSide, "0.5");
        stock(PartRow::DrawerBottom, "0.25");
        layout.SectionFaceWidth = {20.0, 0.0, 0.0};
        layout.DrawerHeight[0] = {6.0, 0.0, 0.0, 0.0};
    }
};

TEST_F(CalcDrawer, InsetFaceKeepsAGapAllRound)
{
    option(O::FaceInset);
    const PartSize face = CalcDrawerFace(context(), 0, 0);
    EXPECT_EQ(face.lengthText, "19 7/8");
    EXPECT_EQ(face.widthText, "5 7/8");
}

TEST_F(CalcDrawer, EachEndFollowsItsOwnJoint)
{
    const auto end = [&](DrawerEnd which) { return CalcDrawerFrontBack(context(), 0, 0, which).length; };
    // Box 19 between the clearances: a dovetailed front spans the sides, a
    // butt-jointed back fits between them, a rabbeted one reaches 1/4 into
    // each.
    option(O::FrontDoveTail);
    EXPECT_DOUBLE_EQ(end(DrawerEnd::Front), 19.0);
    EXPECT_DOUBLE_EQ(end(DrawerEnd::Back), 18.0);
    option(O::BackRabbit);
    EXPECT_DOUBLE_EQ(end(DrawerEnd::Back), 18.5);
    EXPECT_DOUBLE_EQ(CalcDrawerSide(context(), 0, 0).length, 20.5); // one dovetailed end
    option(O::BackDoveTail);
    EXPECT_DOUBLE_EQ(CalcDrawerSide(context(), 0, 0).length, 20.0);
}

TEST_F(CalcDrawer, WithoutDadoesTheBottomIsNailedUnder)
{
    option(O::DrawerDadoes, false);
    // 6 - 3/4 - 1/4 for sides, front and back alike; the bottom is the box.
    EXPECT_DOUBLE_EQ(CalcDrawerSide(context(), 0, 0).width, 5.0);
    EXPECT_DOUBLE_EQ(CalcDrawerFrontBack(context(), 0, 0, DrawerEnd::Front).width, 5.0);
    EXPECT_DOUBLE_EQ(CalcDrawerBottom(context(), 0).width, 19.0);
}

} // namespace
