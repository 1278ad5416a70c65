// SPDX-License-Identifier: GPL-3.0-or-later
// The joints and options the worked cabinet does not use.
#include "CalculatorFixture.h"

#include <vector>

using namespace boxmill;
using namespace boxmill::calctest;
using O = CabinetOption;

namespace {

// A 34 1/2 x 36 x 24 case on a 4-inch toekick, 3/4 stock, 1/4 back.
class CalcCarcass : public CalculatorFixture {
protected:
    CalcCarcass()
    {
        params({{0, "34.5"},
                {1, "36"},
                {2, "24"},
                {3, "4"},
                {4, "3"},
                {8, "1.75"},
                {36, "0.25"},
                {50, "0.5"},
                {57, "0.25"},
                {58, "0.375"},
                {59, "0.25"},
                {61, "0.25"},
                {68, "0.25"}});
        stock(PartRow::Back, "0.25");
    }
};

TEST_F(CalcCarcass, SideStopsAboveADetachedBaseAndUnderAnOverlayTop)
{
    include({inc::Toekick, inc::Top});
    option(O::TopButtJoint);
    flag(RecordOffset::DetachedBase);
    EXPECT_DOUBLE_EQ(CalcSide(context(), Side::Left).length, 29.75); // 34.5 - 4 - 3/4
    flag(RecordOffset::DetachedBase, false);
    EXPECT_DOUBLE_EQ(CalcSide(context(), Side::Left).length, 33.75);

    // Depth: less the frame (stile stock) and a back behind the sides.
    include({inc::FaceFrame, inc::Back});
    stock(PartRow::RightStile, "0.875");
    EXPECT_DOUBLE_EQ(CalcSide(context(), Side::Left).width, 22.875);
    option(O::BackInside);
    EXPECT_DOUBLE_EQ(CalcSide(context(), Side::Left).width, 23.125);
}

TEST_F(CalcCarcass, BothSidesCountEachInItsOwnRow)
{
    stock(PartRow::RightSide, "0.625");
    EXPECT_EQ(CalcSide(context(), Side::Left).stockText, "3/4");
    EXPECT_EQ(CalcSide(context(), Side::Right).stockText, "5/8");
    EXPECT_EQ(CalcSide(context(), Side::Right).material, "Wood3");
    // 34.5 x 24 = 5.75 square feet a side.
    EXPECT_DOUBLE_EQ(areas[PartRow::LeftSide], 5.75);
    EXPECT_DOUBLE_EQ(areas[PartRow::RightSide], 11.5);
}

TEST_F(CalcCarcass, BottomIsRabbetedWhenItSitsTooLowForDadoes)
{
    // Rail 1 < offset 1/2 + bottom 3/4: 36 - 1.5 + 2 x 3/8 (the top's rabbet depth).
    params({{8, "1"}});
    EXPECT_DOUBLE_EQ(CalcBottom(context()).length, 35.25);
    option(O::BottomDado, false);
    option(O::RightScribe);
    EXPECT_DOUBLE_EQ(CalcBottom(context()).length, 34.25);
}

TEST_F(CalcCarcass, TopByItsJoint)
{
    include({inc::FaceFrame});
    stock(PartRow::TopRail, "0.875");
    option(O::TopDado);
    EXPECT_DOUBLE_EQ(CalcTop(context()).length, 35.0); // 36 - 1.5 + 2 x 1/4
    EXPECT_DOUBLE_EQ(CalcTop(context()).width, 23.125);
    // Laid over the sides: the whole case and its overhangs, never scribed.
    params({{66, "0.5"}, {67, "0.75"}});
    option(O::TopButtJoint);
    option(O::LeftScribe);
    EXPECT_DOUBLE_EQ(CalcTop(context()).length, 36.5);
    EXPECT_DOUBLE_EQ(CalcTop(context()).width, 24.75);
}

TEST_F(CalcCarcass, ToekickAgainstTheCaseOrOnADetachedBase)
{
    option(O::LeftScribe);
    option(O::RightScribe);
    option(O::ToeKickRight, false);
    EXPECT_DOUBLE_EQ(CalcToekick(context()).length, 35.75); // only the rabbeted end is scribed
    option(O::BlindMate);
    EXPECT_DOUBLE_EQ(CalcToekick(context()).length, 38.75); // runs on under the corner cabinet
    flag(RecordOffset::DetachedBase);
    include({inc::LeftSide, inc::RightSide});
    EXPECT_DOUBLE_EQ(CalcToekick(context()).length, 34.0); // between the sides, both scribed
    // A bottom rail no lower than the bottom adds nothing to its height.
    params({{8, "1"}});
    EXPECT_DOUBLE_EQ(CalcToekick(context()).width, 4.0);
}

TEST_F(CalcCarcass, SleeperTakesTheRabbetOfItsOwnSide)
{
    params({{51, "0.5"}});
    option(O::ToeKickLeft, false);
    option(O::BackInside);
    // 24 - 3 (toekick depth) - 3/4 (toekick stock), + 1/2 on the rabbeted side
    EXPECT_DOUBLE_EQ(CalcSleeper(context(), Side::Left).length, 20.25);
    EXPECT_DOUBLE_EQ(CalcSleeper(context(), Side::Right).length, 20.75);
}

TEST_F(CalcCarcass, DividerHeightFollowsEveryJointAboveAndBelow)
{
    struct Case {
        const char* what;
        std::vector<int> includes;
        std::vector<O> options;
        double length;
    };
    // Below: toekick 4 and, with the frame, rail 1 3/4 - offset 1/2. Above:
    // top or rail 3/4 (+1/4 for a dado), less the 1/4 divider dadoes.
    const Case cases[] = {
        {"dadoed top", {inc::Toekick, inc::FaceFrame, inc::Bottom, inc::Top}, {O::TopDado}, 28.75},
        {"overlay top, no dado in it", {inc::Toekick, inc::FaceFrame, inc::Bottom, inc::Top}, {O::TopButtJoint}, 28.75},
        {"top, no bottom", {inc::Toekick, inc::FaceFrame, inc::Top}, {O::TopRabbit}, 28.75},
        {"notched over the rail",
         {inc::Toekick, inc::FaceFrame, inc::Bottom, inc::CarcassRail},
         {O::CarcassRabbit, O::NotchedDivider},
         29.5},
        {"under a dadoed rail", {inc::Toekick, inc::FaceFrame, inc::Bottom, inc::CarcassRail}, {O::CarcassDado}, 28.75},
        {"open top", {inc::Toekick, inc::FaceFrame, inc::Bottom}, {}, 29.5},
        {"frameless", {inc::Toekick, inc::Bottom, inc::Top}, {O::TopRabbit}, 29.5},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        for (int i = 0; i < kIncludeItems; ++i)
            model.record.setIncludeFlag(i, false);
        for (int i : c.includes)
            include({i});
        option(O::NotchedDivider, false);
        for (O o : c.options)
            option(o);
        EXPECT_DOUBLE_EQ(CalcDivider(context()).length, c.length);
    }
    // Framed, but the rail (1) is narrower than offset and bottom: the
    // bottom's thickness comes off instead. A set-back front takes depth.
    include({inc::FaceFrame, inc::Front});
    params({{8, "1"}, {49, "0.25"}});
    EXPECT_DOUBLE_EQ(CalcDivider(context()).length, 29.5);
    EXPECT_DOUBLE_EQ(CalcDivider(context()).width, 22.25); // 24 - 3/4 - (3/4 + 1/4)
}

TEST_F(CalcCarcass, BackInsideFitsBetweenEverything)
{
    include({inc::Bottom, inc::Toekick, inc::FaceFrame, inc::CarcassRail});
    option(O::BackInside);
    option(O::CarcassButt);
    // 34.5 - 3/4 rail - 3/4 bottom - 4 - 1/2 dropped bottom rail; 36 - 1.5
    EXPECT_DOUBLE_EQ(CalcBack(context()).length, 28.5);
    EXPECT_DOUBLE_EQ(CalcBack(context()).width, 34.5);
    option(O::CarcassDado);
    EXPECT_DOUBLE_EQ(CalcBack(context()).length, 28.25);
    // Behind the sides it runs up into the dado of the top, or of the rail
    // when there is no top.
    option(O::BackInside, false);
    EXPECT_DOUBLE_EQ(CalcBack(context()).length, 34.25);
    include({inc::Top});
    option(O::TopRabbit);
    EXPECT_DOUBLE_EQ(CalcBack(context()).length, 34.5);
}

TEST_F(CalcCarcass, NailerAndCarcassRailByTheirJoints)
{
    params({{62, "0.375"}, {63, "0.25"}});
    option(O::NailerRabbit, false);
    EXPECT_DOUBLE_EQ(CalcNailer(context()).length, 34.5);
    option(O::CarcassDado);
    EXPECT_DOUBLE_EQ(CalcCarcassRail(context()).length, 35.0);
    option(O::CarcassButt);
    EXPECT_DOUBLE_EQ(CalcCarcassRail(context()).length, 34.5);
}

TEST_F(CalcCarcass, FrameMembersStandUnderAnOverlayTopAndBesideABlindPanel)
{
    params({{5, "1.5"}, {6, "1.75"}, {7, "1.5"}, {9, "12"}});
    include({inc::Toekick, inc::Top});
    option(O::TopButtJoint);
    // 34.5 - 4 - 3/4, and the mullion between the rails: - 1.5 - 1.75
    EXPECT_DOUBLE_EQ(CalcLeftStile(context()).length, 29.75);
    EXPECT_DOUBLE_EQ(CalcBlindPanel(context()).length, 29.75);
    EXPECT_DOUBLE_EQ(CalcMullion(context()).length, 26.5);
    flag(RecordOffset::BlindCorner);
    EXPECT_DOUBLE_EQ(CalcTopRail(context()).length, 20.75); // 36 - 12 - 1.5 - 1.75
}

} // namespace
