// SPDX-License-Identifier: GPL-3.0-or-later
// The side view: the right side with its toe-kick part, the stile in front
// of it and an overlaid top, and the notch or sleepers of the toe kick.
#include "ViewDrawingTestCabinet.h"

#include "core/IncludeParts.h"

using namespace boxmill;
using test::Cabinet;
using test::ExpectRect;
using test::ShapeOf;
using O = CabinetOption;

TEST(SideView, SideStandsClearOfTopFrameAndToeKick)
{
    // 96 units deep, a 12-unit toe kick depth and every stock 3.
    const ConstructionView plain = Cabinet().side();
    EXPECT_FALSE(ShapeOf(plain, "CabinetTop").visible);
    ExpectRect(plain, "RightStile", {292, 72, 3, 104});
    ExpectRect(plain, "Side1", {294, 72, 94, 104});
    ExpectRect(plain, "Side2", {306, 175, 82, 17});
    ExpectRect(plain, "Blank", {307, 172, 80, 4});
    ExpectRect(plain, "ToeKick", {304, 175, 3, 17});
    EXPECT_TRUE(ShapeOf(plain, "Blank").blank && ShapeOf(plain, "Blank").visible);
    EXPECT_EQ(ShapeOf(plain, "ToeKick").parameter, Param::ToeKickDepth);
    EXPECT_EQ(ShapeOf(plain, "RightStile").parameter, Param::RightStile);

    const ConstructionView overlay =
        Cabinet().include(IncludeItem::Top).include(IncludeItem::CarcassRails, false).option(O::TopButtJoint).side();
    ExpectRect(overlay, "CabinetTop", {292, 72, 96, 3});
    ExpectRect(overlay, "Side1", {294, 74, 94, 102});
    // Rabbeted, the top sits between the sides and is not seen from here.
    EXPECT_FALSE(ShapeOf(Cabinet().include(IncludeItem::Top).side(), "CabinetTop").visible);

    const ConstructionView bare =
        Cabinet().include(IncludeItem::FaceFrame, false).include(IncludeItem::ToeKick, false).side();
    ExpectRect(bare, "Side1", {292, 72, 96, 120});
    for (const char* name : {"RightStile", "Side2", "Blank", "ToeKick"})
        EXPECT_FALSE(ShapeOf(bare, name).visible) << name;
}

TEST(SideView, ToeKickRowIsTheSideCutOrTheSleepers)
{
    // Toe kick 4 high and 3 deep, bottom rail 1 1/2, rabbet 1/4, stock 3/4.
    struct Case {
        bool rabbet, detached;
        ViewRow row;
        const char* hint;
    } const cases[] = {
        {true, false, {"Side Cut", "2 3/4", "4 ", "3/4"}, "Cabinet Side"},
        {false, false, {"Side Cut", "3 ", "4 3/4", "3/4"}, "Cabinet Side"},
        {true, true, {"Sleepers", "4 3/4", "19 3/4", "3/4"}, "Sleeper"},
    };
    for (const Case& c : cases) {
        Cabinet cabinet;
        // The side seen is the right one; the left toe kick is never rabbeted.
        cabinet.param(Param::ToeKickRabbit, "0.25").option(O::ToeKickRight, c.rabbet).option(O::ToeKickLeft, false);
        const ConstructionView view = cabinet.flag(RecordOffset::DetachedBase, c.detached).side();
        EXPECT_EQ(view.rows.at(3), c.row);
        EXPECT_EQ(ShapeOf(view, "Side2").hint, c.hint);
        EXPECT_EQ(ShapeOf(view, "Blank").visible, !c.detached);
    }
    const ConstructionView none = Cabinet().include(IncludeItem::ToeKick, false).side();
    EXPECT_EQ(none.rows.at(3), (ViewRow {"Side Cut", "", "", ""}));
    EXPECT_EQ(none.rows.at(1), (ViewRow {"Toekick", "", "", ""}));
}
