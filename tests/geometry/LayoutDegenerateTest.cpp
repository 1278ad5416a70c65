// SPDX-License-Identifier: GPL-3.0-or-later
// Input no sensible cabinet has: the layout must stay computable, finite
// and inside its tables.
#include "LayoutTestCabinet.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

using namespace boxmill;
using namespace boxmill::test;

namespace {

// Every section filled with everything, so that every step has work.
void FillSections(CabinetModel& model, int drawers = 4)
{
    for (int s = 0; s < kSections; ++s) {
        SetItem(model, s, SectionItem::Shelves, 4);
        SetItem(model, s, SectionItem::DrawerCount, drawers);
        SetItem(model, s, SectionItem::DrawerBanks, s);
        SetItem(model, s, SectionItem::MullionOffset, s == 2 ? 0 : 1);
        SetItem(model, s, SectionItem::Partition, s == 1 ? 0 : 1);
        SetItem(model, s, SectionItem::PartitionAbove, 1);
        SetItem(model, s, SectionItem::PartitionShelves, 4);
    }
}

void ExpectAllFinite(const LayoutResult& layout)
{
    std::vector<double> values = {layout.OpeningHeight, layout.DividerPosBottom, layout.DividerPosTop,
                                  layout.Divider2PosBottom, layout.Divider2PosTop};
    for (const auto* array :
         {&layout.SectionFaceWidth, &layout.SectionNominalWidth, &layout.SectionCarcassWidth, &layout.PartitionNominal,
          &layout.UpperHeight, &layout.LowerHeight, &layout.PartitionShelfSpacing, &layout.BankHeight,
          &layout.ShelfSpacing, &layout.MullionShift, &layout.PartitionShift})
        values.insert(values.end(), array->begin(), array->end());
    for (const auto& drawers : layout.DrawerHeight)
        values.insert(values.end(), drawers.begin(), drawers.end());
    for (double v : values)
        EXPECT_TRUE(std::isfinite(v));
}

} // namespace

TEST(LayoutDegenerate, EmptyOrOverfullCabinetsComputeToFiniteValues)
{
    // Nothing has a size: no division by a count of zero may leave an
    // infinity for the drawing units.
    for (int n = 1; n <= 3; ++n) {
        CabinetModel model = BareCabinet(n);
        for (int row = 0; row < kPartSlots; ++row)
            model.record.setPartStockText(row, "0");
        model.rebuildPartArrays();
        FillSections(model);
        LayoutResult layout;
        LayoutAfterLoad(model, layout);
        ExpectAllFinite(layout);
    }

    // Counts beyond the tables, as a record written by another tool could
    // hold: nothing is read past them.
    CabinetModel model = BareCabinet(3);
    FillSections(model, 255);
    SetItem(model, 2, SectionItem::Shelves, 255);
    LayoutResult layout;
    ASSERT_NO_THROW(LayoutAfterLoad(model, layout));
    ExpectAllFinite(layout);

    // A live section count outside 1..3 computes no column it has not.
    model.sectionCount = 0;
    ASSERT_NO_THROW(LayoutAfterLoad(model, layout));
    for (const auto& row : layout.grid)
        for (const auto& cell : row)
            EXPECT_EQ(cell, "");
    model.sectionCount = 7;
    ASSERT_NO_THROW(LayoutAfterLoad(model, layout));
}

TEST(LayoutDegenerate, NegativeSizesAreComputedAndShownAsTheyCome)
{
    CabinetModel model = BareCabinet(2);
    SetParams(model, {{p::Height, "-10"}, {p::Width, "-20"}, {p::Mullion, "3"}, {p::PartitionRail, "2"}});
    Include(model, {inc::FaceFrame, inc::Mullions});
    FillSections(model);
    LayoutResult layout;
    LayoutAfterLoad(model, layout);
    ExpectAllFinite(layout);
    EXPECT_DOUBLE_EQ(layout.SectionNominalWidth[0], -11.5);
    // Centred at (-10 - 2) / 2 = -6, then moved above by |0 - -6|.
    EXPECT_DOUBLE_EQ(layout.PartitionNominal[0], -6.0);
    EXPECT_EQ(layout.cell(LayoutRow::Upper, 0), "-12 ");
}

TEST(LayoutDegenerate, HugeValuesNeitherCrashNorWrapTheRecordedDistance)
{
    CabinetModel model = BareCabinet(3);
    SetParams(model, {{p::Height, "1e308"},
                      {p::Width, "1.7e308"},
                      {p::Mullion, "-1.7e308"},
                      {p::DrawerA1, "1e308"},
                      {p::SectionWidth1, "1e308"},
                      {p::UpperOpening1, "-1e308"}});
    Include(model, {inc::FaceFrame, inc::Mullions});
    FillSections(model);
    LayoutResult layout;
    ASSERT_NO_THROW(LayoutAfterLoad(model, layout));
    EXPECT_EQ(model.sectionItem(0, SectionItem::PartitionAbove), 255);
}

// Removing drawers or sections leaves a bank behind that no longer fits its
// drawers. It must neither take over the section nor leave the drawer
// sizes of an earlier layout in place.
TEST(LayoutDegenerate, ABankLargerThanTheDrawerCountIsIgnored)
{
    CabinetModel model = BareCabinet(1);
    SetParams(model, {{p::Height, "30"}, {p::DrawerA1, "4"}, {p::DrawerA1 + 1, "5"}, {p::MidRail, "1"}});
    SetItem(model, 0, SectionItem::DrawerCount, 2);
    SetItem(model, 0, SectionItem::DrawerBanks, 2);
    LayoutResult layout = Recalculated(model);
    ASSERT_EQ(layout.cell(LayoutRow::Drawer2, 0), "14 1/2");

    SetItem(model, 0, SectionItem::DrawerBanks, 3);
    RecalculateLayout(model, layout);
    EXPECT_EQ(layout.DrawerHeight[0][1], 5.0);
    EXPECT_EQ(layout.cell(LayoutRow::Drawer2, 0), "5 ");
    EXPECT_DOUBLE_EQ(layout.LowerHeight[0], 30 - 5 - 6);

    // A section emptied by removing its mullion and then given doors: the
    // doors get the whole opening, not none.
    SetItem(model, 0, SectionItem::DrawerCount, 0);
    SetItem(model, 0, SectionItem::DoorCount, 2);
    RecalculateLayout(model, layout);
    EXPECT_DOUBLE_EQ(layout.LowerHeight[0], 30.0);
    EXPECT_EQ(layout.cell(LayoutRow::Lower, 0), "30 ");
    EXPECT_EQ(layout.cell(LayoutRow::Drawer1, 0), "");
}
