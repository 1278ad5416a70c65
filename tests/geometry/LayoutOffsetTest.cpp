// SPDX-License-Identifier: GPL-3.0-or-later
// Mullion and partition offsets: what they shift, what they write back, and
// how they carry from one recalculation to the next.
#include "LayoutTestCabinet.h"

#include "geometry/MullionOffset.h"
#include "geometry/PartitionOffset.h"

#include <gtest/gtest.h>

#include <numeric>

using namespace boxmill;
using namespace boxmill::test;

namespace {

// Three face frame sections of (41 - 3.5 - 4) / 3 = 11.1666 each; their
// wanted widths are 14, 9 and 12.5.
CabinetModel ThreeSections()
{
    CabinetModel model = BareCabinet(3);
    SetParams(model, {{p::Width, "41"},
                      {p::RightStile, "1.5"},
                      {p::LeftStile, "2"},
                      {p::Mullion, "2"},
                      {p::SectionWidth1, "14"},
                      {p::SectionWidth1 + 1, "9"},
                      {p::SectionWidth1 + 2, "12.5"}});
    Include(model, {inc::FaceFrame, inc::Mullions});
    return model;
}

double Sum(const std::array<double, kSections>& values)
{
    return std::accumulate(values.begin(), values.end(), 0.0);
}

// A partitioned section whose openings are 12.5 each when centred.
CabinetModel Partitioned(const char* wantedUpper, SectionItem direction)
{
    CabinetModel model = BareCabinet(1);
    SetParams(model, {{p::Height, "30"},
                      {p::TopRail, "1.5"},
                      {p::BottomRail, "2"},
                      {p::PartitionRail, "1.5"},
                      {p::UpperOpening1, wantedUpper}});
    Include(model, {inc::FaceFrame});
    SetItem(model, 0, SectionItem::Partition, 1);
    SetItem(model, 0, direction, 1);
    return model;
}

} // namespace

TEST(LayoutMullionOffset, OffsetSectionsKeepTheirWidthsAndTheOthersMakeUp)
{
    CabinetModel model = ThreeSections();
    LayoutResult layout = Recalculated(model);
    const double nominal = layout.SectionNominalWidth[1];

    // One offset: both others give up half each.
    SetItem(model, 1, SectionItem::MullionOffset, 1);
    ApplyMullionOffset(model, 1, layout);
    EXPECT_DOUBLE_EQ(layout.MullionShift[1], 9 - nominal);
    EXPECT_DOUBLE_EQ(layout.MullionShift[0], -(9 - nominal) / 2);
    EXPECT_DOUBLE_EQ(layout.MullionShift[2], -(9 - nominal) / 2);

    // Two offsets: the third section alone makes up for both.
    SetItem(model, 1, SectionItem::MullionOffset, 0);
    SetItem(model, 0, SectionItem::MullionOffset, 1);
    SetItem(model, 2, SectionItem::MullionOffset, 1);
    LayoutAfterLoad(model, layout);
    EXPECT_EQ(layout.cell(LayoutRow::Width, 0), "14 ");
    EXPECT_EQ(layout.cell(LayoutRow::Width, 2), "12 1/2");
    EXPECT_NEAR(layout.SectionFaceWidth[1], 33.5 - 14 - 12.5, 1e-12);

    // All three, which only a record can hold: the widths still add up.
    SetItem(model, 1, SectionItem::MullionOffset, 1);
    LayoutAfterLoad(model, layout);
    EXPECT_NEAR(Sum(layout.MullionShift), 0.0, 1e-12);
    EXPECT_NEAR(Sum(layout.SectionFaceWidth), 33.5, 1e-12);
}

TEST(LayoutMullionOffset, NeedsTheFlagAndAMullionAndFollowsTheZoom)
{
    CabinetModel model = ThreeSections();
    LayoutResult layout = Recalculated(model);
    ApplyMullionOffset(model, 0, layout); // flag not set
    SetSections(model, 1);
    SetItem(model, 0, SectionItem::MullionOffset, 1);
    ApplyMullionOffset(model, 0, layout); // one section has no mullion
    SetSections(model, 2);
    SetItem(model, 2, SectionItem::MullionOffset, 1);
    ApplyMullionOffset(model, 2, layout); // nor has section 3 of two
    EXPECT_EQ(layout.MullionShift, (std::array<double, 3> {}));

    // Two sections of (37.5 - 2) / 2 = 17.75; section 1 wants 20.
    SetParams(model, {{p::SectionWidth1, "20"}});
    model.drawScale = 2;
    LayoutAfterLoad(model, layout);
    EXPECT_EQ(layout.MullionShiftUnits, (std::array<std::int32_t, 3> {18, -18, 0})); // 2.25 in
}

TEST(LayoutMullionOffset, AResizedCabinetKeepsTheWantedWidthOnceReapplied)
{
    CabinetModel model = ThreeSections();
    SetItem(model, 0, SectionItem::MullionOffset, 1);
    LayoutResult layout;
    LayoutAfterLoad(model, layout);
    EXPECT_EQ(layout.cell(LayoutRow::Width, 0), "14 ");

    // Measured from the old nominal width, section 1 would grow with the
    // cabinet.
    SetParams(model, {{p::Width, "47"}});
    ReapplySectionOffsets(model, layout);
    RecalculateLayout(model, layout);
    EXPECT_EQ(layout.cell(LayoutRow::Width, 0), "14 ");
    EXPECT_NEAR(Sum(layout.SectionFaceWidth), 39.5, 1e-12);
}

TEST(LayoutPartitionOffset, TheItemRecordsTheDistanceInDrawingUnits)
{
    CabinetModel model = Partitioned("8.2", SectionItem::PartitionAbove);
    LayoutResult layout;
    LayoutAfterLoad(model, layout);
    EXPECT_DOUBLE_EQ(layout.PartitionShift[0], 12.5 - 8.2);
    EXPECT_EQ(model.sectionItem(0, SectionItem::PartitionAbove), 17); // 4.3 in: 17 whole quarters
    EXPECT_EQ(model.sectionItem(0, SectionItem::PartitionBelow), 0);
    EXPECT_NEAR(layout.UpperHeight[0], 8.2, 1e-12);
    model.drawScale = 2;
    ReapplySectionOffsets(model, layout);
    EXPECT_EQ(model.sectionItem(0, SectionItem::PartitionAbove), 34);

    // Asking for the centred height centres the partition, rather than
    // keeping the distance of the move before.
    SetParams(model, {{p::UpperOpening1, "12.5"}});
    ReapplySectionOffsets(model, layout);
    RecalculateLayout(model, layout);
    EXPECT_DOUBLE_EQ(layout.PartitionShift[0], 0.0);
    EXPECT_EQ(layout.cell(LayoutRow::Upper, 0), "12 1/2");
    EXPECT_EQ(model.sectionItem(0, SectionItem::PartitionAbove), 0);

    // Nothing to do for a partition that is not moved, or for another item.
    ApplyPartitionOffset(model, 0, SectionItem::PartitionAbove, layout);
    ApplyPartitionOffset(model, 0, SectionItem::Shelves, layout);
    EXPECT_EQ(model.sectionItem(0, SectionItem::Shelves), 0);
}

TEST(LayoutPartitionOffset, TheMovedFlagSurvivesShiftsTooSmallOrTooLargeToDraw)
{
    // Below a quarter inch the distance is 0 drawing units, and from 64
    // inches on it no longer fits the byte; either way the partition must
    // stay moved, and not wrap round to a small distance.
    EXPECT_EQ(PartitionItemValue(0.2, 1), 1);
    EXPECT_EQ(PartitionItemValue(63.75, 1), 255);
    EXPECT_EQ(PartitionItemValue(64.0, 1), 255);
    EXPECT_EQ(PartitionItemValue(40.0, 2), 255);
    EXPECT_EQ(PartitionItemValue(0.0, 1), 0);

    CabinetModel model = Partitioned("12.3", SectionItem::PartitionBelow);
    LayoutResult layout;
    LayoutAfterLoad(model, layout);
    EXPECT_EQ(model.sectionItem(0, SectionItem::PartitionBelow), 1);
    EXPECT_NEAR(layout.UpperHeight[0], 12.7, 1e-12); // below: the upper opening grows by the distance
    LayoutAfterLoad(model, layout);                  // and the next load still knows it was moved
    EXPECT_NEAR(layout.UpperHeight[0], 12.7, 1e-12);
}
