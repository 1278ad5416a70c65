// SPDX-License-Identifier: GPL-3.0-or-later
// One cabinet worked through by hand, cell by cell.
#include "LayoutTestCabinet.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

using namespace boxmill;
using namespace boxmill::test;

namespace {

// A 48 x 34 1/2 base cabinet of two sections with an overlaid top and a
// toe kick. Section A has a partition moved above centre, one shelf above
// it, and below it one drawer over a pair of doors with two shelves behind
// them; its mullion is offset to make A 24 wide. Section B holds three
// drawers, the last two banked. Divider 1 is set flush to the left.
//
// P0 34.5, P1 48, P3 4, P5 1.5, P6 2, P7 1.5, P8 1.75, P12 1.5, P13 2,
// P14 6 (drawer 1 of A), P18 5 (drawer 1 of B), P32 9, P35 1.5, P36 0.25,
// P66 0.5, P70 24; every stock 3/4.
//
// Width row (face frame: P1 - P5 - P6 = 44.5; two sections less the mullion)
//   nominal            (44.5 - 2) x 0.5                      = 21.25 (both)
//   mullion offset A   P70 - 21.25                           = 2.75; B -2.75
//   A                  21.25 + 2.75                          = 24      "24 "
//   B                  21.25 - 2.75                          = 18.5    "18 1/2"
//   shift units        2.75 in = 11 quarters                 = 11, -11
// Opening height       34.5 - T0 0.75 (overlay) - 1.5 - 1.75 - 4 = 26.5
// Partition            centred (26.5 - P35 1.5) / 2          = 12.5 (both)
//   A above centre     shift |P32 9 - 12.5|                  = 3.5; item 14
//   A upper            12.5 - 3.5                            = 9       "9 "
//   A lower            12.5 + 3.5 - (P14 6 + P12 1.5)        = 8.5     "8 1/2"
//   B                  no partition, banked: rows 1, 2 empty, lower 0
// Upper shelves A      (9 - 0.75 x 1) / 2                    = 4.125   "4 1/8"
// Drawers A            drawer 1 by P14                       = 6       "6 "
// Drawers B            bank (34.5 - 1.5 - 1.75 - 0.75 - 4 = 26.5)
//                      - (P18 5 + 1.5) - 1.5 x (2 - 1) = 18.5; / 2 = 9.25
//                      drawer 1 "5 ", drawers 2 and 3 "9 1/4", drawer 4 ""
// Shelves A            (8.5 - 0.75 x 2) / 3 = 2.3333 = 2 10.67/32 "2 11/32"
// Shelves B            none: ""
// Carcass (not shown)  (44.5 - 2) / 2 = 21.25
//   A                  + (2 - .75)/2 + (2 - .75) = 23.125; + 2.75 = 25.875;
//                      flush left - 0.625                    = 25.25
//   B                  + 0.625 + (1.5 - .75) = 22.625; - 2.75 = 19.875;
//                      + 0.625                               = 20.5
//   divider 1          bottom 25.25 + P36 0.25               = 25.5
//                      overlaid top 25.25 + T2 0.75 + P66/2  = 26.25
CabinetModel WorkedCabinet()
{
    CabinetModel model = BareCabinet(2);
    SetParams(model, {{p::Height, "34.5"},
                      {p::Width, "48"},
                      {p::ToeKick, "4"},
                      {p::RightStile, "1.5"},
                      {p::LeftStile, "2"},
                      {p::TopRail, "1.5"},
                      {p::BottomRail, "1.75"},
                      {p::BlindPanel, "12"},
                      {p::MidRail, "1.5"},
                      {p::Mullion, "2"},
                      {p::DrawerA1, "6"},
                      {p::DrawerA1 + 1, "7"},
                      {p::DrawerB1, "5"},
                      {p::DrawerB1 + 1, "5.5"},
                      {p::DrawerB1 + 2, "6"},
                      {p::UpperOpening1, "9"},
                      {p::UpperOpening1 + 1, "10"},
                      {p::PartitionRail, "1.5"},
                      {p::BottomDado, "0.25"},
                      {p::BottomSetting, "0.5"},
                      {p::TopOverlay, "0.5"},
                      {p::SectionWidth1, "24"},
                      {p::SectionWidth1 + 1, "20"}});
    Include(model, {inc::Top, inc::Bottom, inc::LeftSide, inc::RightSide, inc::ToeKick, inc::FaceFrame, inc::Mullions});
    model.options.set(CabinetOption::TopButtJoint, true);
    model.options.set(CabinetOption::FlushLeft1, true);

    SetItem(model, 0, SectionItem::Partition, 1);
    SetItem(model, 0, SectionItem::PartitionAbove, 1);
    SetItem(model, 0, SectionItem::PartitionShelves, 1);
    SetItem(model, 0, SectionItem::DrawerCount, 1);
    SetItem(model, 0, SectionItem::DoorCount, 2);
    SetItem(model, 0, SectionItem::Shelves, 2);
    SetItem(model, 0, SectionItem::MullionOffset, 1);

    SetItem(model, 1, SectionItem::DrawerCount, 3);
    SetItem(model, 1, SectionItem::DrawerBanks, 2);
    return model;
}

using Column = std::array<const char*, LayoutResult::kGridRows>;

void ExpectColumn(const LayoutResult& layout, int section, const Column& expected)
{
    for (int r = 0; r < LayoutResult::kGridRows; ++r)
        EXPECT_EQ(layout.cell(static_cast<LayoutRow>(r), section), expected[static_cast<std::size_t>(r)])
            << "section " << section + 1 << ", row " << r;
}

const Column kEmpty = {"", "", "", "", "", "", "", "", ""};

} // namespace

TEST(LayoutWorkedCabinet, EveryGridCellInInches)
{
    CabinetModel model = WorkedCabinet();
    LayoutResult layout;
    LayoutAfterLoad(model, layout);

    ExpectColumn(layout, 0, {"24 ", "9 ", "8 1/2", "4 1/8", "6 ", "", "", "", "2 11/32"});
    ExpectColumn(layout, 1, {"18 1/2", "", "", "", "5 ", "9 1/4", "9 1/4", "", ""});
    ExpectColumn(layout, 2, kEmpty);
}

TEST(LayoutWorkedCabinet, EveryGridCellInMillimetres)
{
    CabinetModel model = WorkedCabinet();
    model.units = UnitMode::Metric;
    LayoutResult layout;
    LayoutAfterLoad(model, layout);

    // The same inches times 25.4000508: 24 -> 609.60, 9 -> 228.60,
    // 8.5 -> 215.90, 4.125 -> 104.78, 6 -> 152.40, 2.3333 -> 59.27,
    // 18.5 -> 469.90, 5 -> 127.00, 9.25 -> 234.95.
    ExpectColumn(layout, 0, {"610", "229", "216", "105", "152", "", "", "", "59"});
    ExpectColumn(layout, 1, {"470", "", "", "", "127", "235", "235", "", ""});
    ExpectColumn(layout, 2, kEmpty);
}

TEST(LayoutWorkedCabinet, ValuesBehindTheGridAndARepeat)
{
    CabinetModel model = WorkedCabinet();
    LayoutResult layout;
    LayoutAfterLoad(model, layout);

    EXPECT_EQ(layout.MullionShift, (std::array<double, 3> {2.75, -2.75, 0.0}));
    EXPECT_EQ(layout.MullionShiftUnits, (std::array<std::int32_t, 3> {11, -11, 0}));
    EXPECT_EQ(layout.SectionFaceWidth, (std::array<double, 3> {24.0, 18.5, 0.0}));
    EXPECT_EQ(layout.SectionCarcassWidth, (std::array<double, 3> {25.25, 20.5, 0.0}));
    EXPECT_DOUBLE_EQ(layout.DividerPosBottom, 25.5);
    EXPECT_DOUBLE_EQ(layout.DividerPosTop, 26.25);
    EXPECT_DOUBLE_EQ(layout.OpeningHeight, 26.5);
    EXPECT_DOUBLE_EQ(layout.PartitionShift[0], 3.5);
    EXPECT_EQ(model.sectionItem(0, SectionItem::PartitionAbove), 14);
    EXPECT_EQ(layout.LowerHeight, (std::array<double, 3> {8.5, 0.0, 0.0}));
    EXPECT_DOUBLE_EQ(layout.ShelfSpacing[0], 7.0 / 3.0);
    EXPECT_EQ(layout.DrawerHeight[1], (std::array<double, 4> {5.0, 9.25, 9.25, 9.25}));

    // Recalculating, or loading the same cabinet again, measures the offsets
    // from the same nominal sizes: nothing creeps.
    const LayoutResult first = layout;
    const CabinetRecord record = model.record;
    RecalculateLayout(model, layout);
    EXPECT_EQ(layout.grid, first.grid);
    LayoutAfterLoad(model, layout);
    EXPECT_EQ(layout.grid, first.grid);
    EXPECT_EQ(model.record, record);

    // A removed section's column empties; its values stay until it returns.
    SetSections(model, 1);
    RecalculateLayout(model, layout);
    ExpectColumn(layout, 1, kEmpty);
    EXPECT_EQ(layout.cell(LayoutRow::Width, 0), "44 1/2");
    EXPECT_DOUBLE_EQ(layout.BankHeight[1], 9.25);
}
