// SPDX-License-Identifier: GPL-3.0-or-later
// The top view: the carcass in plan between the back and the face frame.
#include "ViewDrawingTestCabinet.h"

#include "core/IncludeParts.h"
#include "core/PartRows.h"

using namespace boxmill;
using test::Cabinet;
using test::ExpectRect;
using test::Rect;
using test::ShapeOf;
using O = CabinetOption;

TEST(TopView, CarcassPartsStartBehindOrInsideTheBack)
{
    struct Case {
        bool backInside;
        Rect side, bottom, back, rearRail;
    } const cases[] = {
        // Applied behind, the back's 3 units less the overlap come off.
        {false, {292, 74, 3, 91}, {294, 74, 156, 91}, {292, 72, 160, 3}, {294, 74, 156, 16}},
        {true, {292, 72, 3, 93}, {294, 72, 156, 93}, {295, 72, 154, 3}, {294, 72, 156, 16}},
    };
    for (const Case& c : cases) {
        const ConstructionView view = Cabinet().option(O::BackInside, c.backInside).top();
        ExpectRect(view, "LeftSide", c.side);
        ExpectRect(view, "Bottom", c.bottom);
        ExpectRect(view, "Back", c.back);
        ExpectRect(view, "CarcassRail2", c.rearRail);
        ExpectRect(view, "CarcassRail1", {294, 149, 156, 16});
        ExpectRect(view, "LeftStile", {292, 164, 6, 3});
        ExpectRect(view, "RightStile", {446, 164, 6, 3});
        ExpectRect(view, "TopRail", {298, 164, 148, 3});
        EXPECT_EQ(ShapeOf(view, "TopRail").parameter, Param::TopRail);
    }

    const ConstructionView overlay =
        Cabinet().include(IncludeItem::Top).include(IncludeItem::CarcassRails, false).option(O::TopButtJoint).top();
    ExpectRect(overlay, "CabinetTop", {292, 72, 160, 96});
    EXPECT_EQ(ShapeOf(overlay, "CabinetTop").parameter, Param::TopRabbit);
    ExpectRect(Cabinet().include(IncludeItem::Top).top(), "CabinetTop", {295, 74, 154, 91});
}

TEST(TopView, DividersRunFromTheBackToTheFaceFrame)
{
    const ConstructionView frame = Cabinet(3).top();
    ExpectRect(frame, "Divider1", {345, 75, 3, 89});
    ExpectRect(frame, "Divider2", {397, 75, 3, 89});
    // A half-inch back: 2 units.
    const ConstructionView frameless =
        Cabinet(3).stock(PartRow::Back, "0.5").include(IncludeItem::FaceFrame, false).top();
    ExpectRect(frameless, "Divider1", {345, 74, 3, 94});
    EXPECT_FALSE(ShapeOf(frameless, "TopRail").visible);
    EXPECT_FALSE(ShapeOf(Cabinet(2).top(), "Divider2").visible);
    EXPECT_FALSE(ShapeOf(Cabinet(1).top(), "Divider1").visible);
}
