// SPDX-License-Identifier: GPL-3.0-or-later
// Shelves that line up across sections without a divider are cut as one.
#include "CalculatorFixture.h"

using namespace boxmill;
using namespace boxmill::calctest;
using O = CabinetOption;

namespace {

// 48 wide between 3/4 sides: two sections of 22 7/8 behind the frame with
// their shelves spaced alike; shelves and partitions in 1/4 dadoes.
class CalcShelfRun : public CalculatorFixture {
protected:
    CalcShelfRun()
    {
        sections(2);
        params({{1, "48"}, {2, "24"}, {9, "12"}, {13, "2"}, {36, "0.25"}, {52, "0.25"}, {68, "0.25"}});
        include({inc::LeftSide, inc::RightSide});
        layout.SectionCarcassWidth = {22.875, 22.875, 14.0};
        spacing("10 1/2", "10 1/2", "");
    }

    void spacing(const char* a, const char* b, const char* c)
    {
        layout.cell(LayoutRow::Shelves, 0) = a;
        layout.cell(LayoutRow::Shelves, 1) = b;
        layout.cell(LayoutRow::Shelves, 2) = c;
    }
    std::optional<PartSize> shelf(int section, ShelfKind kind = ShelfKind::Shelf)
    {
        return CalcShelf(context(), section, kind);
    }
};

TEST_F(CalcShelfRun, NeighboursWithoutADividerShareOneShelf)
{
    EXPECT_DOUBLE_EQ(shelf(1)->length, 23.375); // divider set: its own 22 7/8 + 2 x 1/4
    areas.fill(0.0);
    option(O::SetDivider1, false);
    // The whole width between the sides, 48 - 1 1/2, plus both dadoes; the
    // second section lists and counts nothing.
    EXPECT_DOUBLE_EQ(shelf(0)->length, 47.0);
    EXPECT_FALSE(shelf(1));
    EXPECT_TRUE(SkipShelf(model, layout, 1));
    EXPECT_DOUBLE_EQ(areas[PartRow::Shelf], 47.0 * 24.0 / 144.0);
    // Upper shelves and partitions never run on.
    EXPECT_DOUBLE_EQ(shelf(1, ShelfKind::UpperShelf)->length, 23.375);
    EXPECT_DOUBLE_EQ(shelf(1, ShelfKind::Partition)->length, 23.375);

    // Shelves at other heights, or no shelves at all, stay apart.
    spacing("10 1/2", "10 17/32", "");
    EXPECT_TRUE(shelf(1));
    spacing("", "", "");
    EXPECT_FALSE(SkipShelf(model, layout, 1));
}

TEST_F(CalcShelfRun, OnlyTheOuterEndsAreScribed)
{
    option(O::LeftScribe);
    option(O::RightScribe);
    EXPECT_DOUBLE_EQ(shelf(0)->length, 23.125);
    EXPECT_DOUBLE_EQ(shelf(1)->length, 23.125);
    option(O::SetDivider1, false);
    EXPECT_DOUBLE_EQ(shelf(0)->length, 46.5);
    sections(1);
    EXPECT_DOUBLE_EQ(shelf(0)->length, 22.875);
}

TEST_F(CalcShelfRun, TwoOfThreeSectionsShareTwoThirdsMovedAsBothAre)
{
    sections(3);
    option(O::SetDivider1, false);
    option(O::FlushLeft2);
    flag(RecordOffset::BlindCorner);
    layout.MullionShift = {1.5, -0.75, -0.75};
    spacing("10 1/2", "10 1/2", "9 ");
    // 2/3 x 46.5 - 3/8 (half of the divider that ends it) = 30 5/8
    // + 1.5 - 0.75 (both sections' mullion shifts)
    // - 5/8 (divider 2 flush left: half of mullion 2 - 3/4 divider)
    // - 4 - 4 (the blind corner on the right takes 12/3 from each)
    // + 2 x 1/4 dadoes
    EXPECT_DOUBLE_EQ(shelf(0)->length, 23.25);
    EXPECT_FALSE(shelf(1));
    EXPECT_DOUBLE_EQ(shelf(2)->length, 14.5);

    // Mirrored: sections 2 and 3 without a divider between them.
    option(O::SetDivider1);
    option(O::SetDivider2, false);
    flag(RecordOffset::BlindCorner, false);
    layout.MullionShift = {0.0, 0.0, 0.0};
    spacing("9 ", "10 1/2", "10 1/2");
    EXPECT_DOUBLE_EQ(shelf(1)->length, 31.125);
    EXPECT_FALSE(shelf(2));

    // All three alike, no dividers: one shelf the whole width.
    option(O::SetDivider1, false);
    spacing("10 1/2", "10 1/2", "10 1/2");
    EXPECT_DOUBLE_EQ(shelf(0)->length, 47.0);
    EXPECT_FALSE(shelf(1));
    EXPECT_FALSE(shelf(2));
}

TEST_F(CalcShelfRun, AdjustableShelvesLeaveRoomToTakeThemOut)
{
    flag(RecordOffset::AdjustableShelves);
    params({{10, "0.5"}, {11, "0.125"}});
    // No dadoes for loose shelves; a partition stays fixed.
    EXPECT_DOUBLE_EQ(shelf(0)->length, 22.75);
    EXPECT_DOUBLE_EQ(shelf(0)->width, 23.5);
    EXPECT_DOUBLE_EQ(shelf(0, ShelfKind::Partition)->width, 24.0);
}

} // namespace
