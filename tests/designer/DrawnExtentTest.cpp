// SPDX-License-Identifier: GPL-3.0-or-later
// Which shapes are drawn and the extent around them: the window's scrolling,
// the page's fit and the dimension lines all read this one rule.
#include "designer/Shape.h"

#include <gtest/gtest.h>

#include <climits>

using namespace boxmill;

namespace {

Shape Rect(int left, int top, int width, int height, bool visible = true)
{
    Shape shape;
    shape.name = "S" + std::to_string(left) + "_" + std::to_string(top);
    shape.left = left;
    shape.top = top;
    shape.width = width;
    shape.height = height;
    shape.visible = visible;
    return shape;
}

struct ExtentCase {
    const char* what;
    std::vector<Shape> shapes;
    DrawnExtent expected;
};

} // namespace

TEST(DrawnExtent, CoversTheDrawnShapesOnly)
{
    const ExtentCase cases[] = {
        {"nothing", {}, {}},
        {"hidden only", {Rect(0, 0, 10, 10, false)}, {}},
        {"no size (a length that does not fit)", {Rect(5, 5, 0, 10), Rect(5, 5, 10, -3)}, {}},
        {"one shape", {Rect(2, 3, 10, 20)}, {2, 3, 12, 23, false}},
        {"overlapping parts, a hidden one far away",
         {Rect(0, 0, 10, 10), Rect(9, -4, 10, 10), Rect(-500, -500, 5, 5, false)},
         {0, -4, 19, 10, false}},
        {"a sizeless shape far away moves nothing", {Rect(0, 0, 4, 4), Rect(1000, 1000, -8, 4)}, {0, 0, 4, 4, false}},
        {"ends past the largest int",
         {Rect(INT_MAX - 1, 0, INT_MAX, 1)},
         {INT_MAX - 1, 0, 2LL * INT_MAX - 1, 1, false}},
    };
    for (const ExtentCase& c : cases) {
        SCOPED_TRACE(c.what);
        const DrawnExtent extent = ExtentOf(ShapeSet {c.shapes});
        EXPECT_EQ(extent.empty, c.expected.empty);
        EXPECT_EQ(extent.left, c.expected.left);
        EXPECT_EQ(extent.top, c.expected.top);
        EXPECT_EQ(extent.right, c.expected.right);
        EXPECT_EQ(extent.bottom, c.expected.bottom);
        EXPECT_EQ(extent.width(), c.expected.right - c.expected.left);
    }
}

TEST(DrawnExtent, AClickFindsTheTopmostDrawnShape)
{
    const ShapeSet shapes {{Rect(0, 0, 10, 10), Rect(2, 2, 4, 4), Rect(3, 3, 2, 2, false)}};
    ASSERT_NE(shapes.shapeAt(3, 3), nullptr);
    EXPECT_EQ(shapes.shapeAt(3, 3)->name, "S2_2"); // the hidden one on top is passed over
    EXPECT_EQ(shapes.shapeAt(8, 8)->name, "S0_0");
    EXPECT_EQ(shapes.shapeAt(10, 10), nullptr); // right and bottom edges are outside
}
