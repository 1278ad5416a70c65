// SPDX-License-Identifier: GPL-3.0-or-later
// Heights down the face: the opening, the split at a partition rail, the
// drawers and the shelf spacing of each opening.
#include "LayoutTestCabinet.h"

#include <gtest/gtest.h>

using namespace boxmill;
using namespace boxmill::test;

namespace {

// A 30 inch face frame cabinet with rails of 1.5 and 2 and no toe kick: the
// face opening is 26.5 high, and a 1.5 partition rail leaves 12.5 on either
// side of it. Drawers of section A are 4, 5, 6 and 7 high, mid rails 1.
CabinetModel Framed(int sections = 1)
{
    CabinetModel model = BareCabinet(sections);
    SetParams(model, {{p::Height, "30"},
                      {p::TopRail, "1.5"},
                      {p::BottomRail, "2"},
                      {p::MidRail, "1"},
                      {p::PartitionRail, "1.5"},
                      {p::DrawerA1, "4"},
                      {p::DrawerA1 + 1, "5"},
                      {p::DrawerA1 + 2, "6"},
                      {p::DrawerA1 + 3, "7"}});
    Include(model, {inc::FaceFrame, inc::Top, inc::Bottom, inc::LeftSide, inc::RightSide});
    return model;
}

} // namespace

TEST(LayoutOpening, OpeningHeightTakesOffWhatCoversTheFace)
{
    CabinetModel model = Framed();
    SetParams(model, {{p::ToeKick, "4"}, {p::BottomSetting, "0.5"}});
    Include(model, {inc::ToeKick});
    EXPECT_DOUBLE_EQ(Recalculated(model).OpeningHeight, 22.5); // a rabbeted top sits behind the rail
    model.options.set(CabinetOption::TopButtJoint, true);
    EXPECT_DOUBLE_EQ(Recalculated(model).OpeningHeight, 21.75);
    // Without a face frame: the top, the bottom and the bottom rail's width
    // beyond the bottom setting.
    Include(model, {inc::FaceFrame}, false);
    EXPECT_DOUBLE_EQ(Recalculated(model).OpeningHeight, 30 - 0.75 - 0.75 - (2 - 0.5 - 0.75) - 4);
}

TEST(LayoutOpening, PartitionMovedOffCentreGivesTheUpperOpeningItsWantedHeight)
{
    CabinetModel model = Framed();
    SetParams(model, {{p::UpperOpening1, "10"}});
    SetItem(model, 0, SectionItem::Partition, 1);
    LayoutResult layout = Recalculated(model);
    EXPECT_EQ(layout.cell(LayoutRow::Upper, 0), "12 1/2");

    SetItem(model, 0, SectionItem::PartitionAbove, 1);
    LayoutAfterLoad(model, layout);
    EXPECT_EQ(layout.cell(LayoutRow::Upper, 0), "10 ");
    EXPECT_EQ(layout.cell(LayoutRow::Lower, 0), "15 ");

    SetParams(model, {{p::UpperOpening1, "14.25"}});
    SetItem(model, 0, SectionItem::PartitionAbove, 0);
    SetItem(model, 0, SectionItem::PartitionBelow, 1);
    LayoutAfterLoad(model, layout);
    EXPECT_EQ(layout.cell(LayoutRow::Upper, 0), "14 1/4");
    EXPECT_EQ(layout.cell(LayoutRow::Lower, 0), "10 3/4");
}

TEST(LayoutOpening, DrawersTakeTheirOwnHeightsAndTheBankSharesTheRest)
{
    CabinetModel model = Framed(3);
    for (int s = 0; s < 3; ++s) {
        SetItem(model, s, SectionItem::DrawerCount, 4);
        for (int j = 0; j < 4; ++j)
            model.record.setParamText(p::DrawerA1 + 4 * s + j, std::to_string(s + j + 1));
    }
    model.rebuildParamValues();
    LayoutResult layout = Recalculated(model);
    for (int s = 0; s < 3; ++s)
        EXPECT_EQ(layout.cell(LayoutRow::Drawer4, s), std::to_string(s + 4) + " ");
    // Section B: 26.5 less drawers of 2, 3, 4 and 5 with their rails.
    EXPECT_EQ(layout.cell(LayoutRow::Lower, 1), "8 1/2");

    // Three drawers, the last two banked: drawer 1 keeps its height (2), the
    // bank shares 26.5 - (2 + 1) - 1 = 22.5; drawer 4 is gone.
    SetItem(model, 1, SectionItem::DrawerCount, 3);
    SetItem(model, 1, SectionItem::DrawerBanks, 2);
    RecalculateLayout(model, layout);
    EXPECT_EQ(layout.cell(LayoutRow::Drawer1, 1), "2 ");
    EXPECT_EQ(layout.cell(LayoutRow::Drawer2, 1), "11 1/4");
    EXPECT_EQ(layout.cell(LayoutRow::Drawer3, 1), "11 1/4");
    EXPECT_EQ(layout.cell(LayoutRow::Drawer4, 1), "");
    EXPECT_EQ(layout.cell(LayoutRow::Lower, 1), ""); // no opening left below a bank

    // Below a partition the bank shares the whole lower opening, 12.5.
    SetItem(model, 1, SectionItem::Partition, 1);
    RecalculateLayout(model, layout);
    EXPECT_DOUBLE_EQ(layout.LowerHeight[1], 12.5);
    EXPECT_DOUBLE_EQ(layout.BankHeight[1], (12.5 - 3 - 1) / 2);
}

// Below a partition the drawers are already out of the lower opening; the
// shelves must not lose them a second time, in whichever section.
TEST(LayoutOpening, ShelvesBelowAPartitionShareTheOpeningLeftByItsDrawers)
{
    CabinetModel model = Framed(3);
    for (int s = 0; s < 3; ++s) {
        model.record.setParamText(p::DrawerA1 + 4 * s, "3");
        SetItem(model, s, SectionItem::Partition, 1);
        SetItem(model, s, SectionItem::DrawerCount, 1);
        SetItem(model, s, SectionItem::Shelves, s + 1);
        SetItem(model, s, SectionItem::PartitionShelves, s);
    }
    model.rebuildParamValues();
    const LayoutResult layout = Recalculated(model);
    const double lower = 12.5 - (3 + 1);
    for (int s = 0; s < 3; ++s) {
        const auto i = static_cast<std::size_t>(s);
        EXPECT_DOUBLE_EQ(layout.LowerHeight[i], lower);
        EXPECT_DOUBLE_EQ(layout.ShelfSpacing[i], (lower - 0.75 * (s + 1)) / (s + 2)) << "section " << s + 1;
        EXPECT_DOUBLE_EQ(layout.PartitionShelfSpacing[i], s == 0 ? 0.0 : (12.5 - 0.75 * s) / (s + 1));
    }
    EXPECT_EQ(layout.cell(LayoutRow::Shelves, 0), "3 7/8");
    EXPECT_EQ(layout.cell(LayoutRow::UpperShelves, 0), "");
    EXPECT_EQ(layout.cell(LayoutRow::UpperShelves, 2), "3 21/32"); // (12.5 - 1.5) / 3
}

TEST(LayoutOpening, ShelvesWithoutAPartitionShareTheOpeningBelowTheDrawers)
{
    CabinetModel model = Framed();
    SetItem(model, 0, SectionItem::Shelves, 2);
    SetItem(model, 0, SectionItem::DrawerCount, 1);
    LayoutResult layout = Recalculated(model);
    EXPECT_DOUBLE_EQ(layout.ShelfSpacing[0], (26.5 - 1.5 - 5) / 3);
    EXPECT_EQ(layout.cell(LayoutRow::Shelves, 0), "6 21/32");

    // Without a face frame the rails still bound the opening under drawers.
    Include(model, {inc::FaceFrame}, false);
    layout = Recalculated(model);
    EXPECT_DOUBLE_EQ(layout.ShelfSpacing[0], (layout.OpeningHeight - 1.5 - 1.5 - 2 - 5) / 3);

    // Drawers taller than the opening leave nothing, not a negative opening.
    SetParams(model, {{p::DrawerA1, "40"}});
    SetItem(model, 0, SectionItem::Shelves, 0);
    layout = Recalculated(model);
    EXPECT_DOUBLE_EQ(layout.LowerHeight[0], 0.0);
    EXPECT_EQ(layout.cell(LayoutRow::Lower, 0), "");
    EXPECT_EQ(layout.cell(LayoutRow::Shelves, 0), "");
}
