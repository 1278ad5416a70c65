// SPDX-License-Identifier: GPL-3.0-or-later
// Widths across the face: face frame openings, the "Width" row, carcass
// openings and the divider positions.
#include "LayoutTestCabinet.h"

#include "geometry/MullionOffset.h"

#include <gtest/gtest.h>

using namespace boxmill;
using namespace boxmill::test;

namespace {

CabinetModel FaceFramed(int sections, const char* width)
{
    CabinetModel model = BareCabinet(sections);
    SetParams(
        model,
        {{p::Width, width}, {p::RightStile, "1.5"}, {p::LeftStile, "2"}, {p::Mullion, "2"}, {p::BlindPanel, "12"}});
    Include(model, {inc::FaceFrame, inc::Mullions, inc::LeftSide, inc::RightSide});
    return model;
}

std::string WidthCell(const LayoutResult& layout, int section)
{
    return layout.cell(LayoutRow::Width, section);
}

} // namespace

TEST(LayoutWidth, SectionsShareTheFaceFrameAndAnOffsetMovesTheMullion)
{
    CabinetModel model = FaceFramed(1, "35.5");
    EXPECT_EQ(WidthCell(Recalculated(model), 0), "32 "); // 35.5 - 1.5 - 2
    model.record.setFlag(RecordOffset::BlindCorner, true);
    EXPECT_EQ(WidthCell(Recalculated(model), 0), "20 "); // the blind panel is no opening
    model.record.setFlag(RecordOffset::BlindCorner, false);

    // Two sections: (32 - 2) / 2 = 15 each, then section 1 wants 20.
    SetSections(model, 2);
    SetParams(model, {{p::SectionWidth1, "20"}, {p::SectionWidth1 + 1, "12"}});
    LayoutResult layout = Recalculated(model);
    EXPECT_EQ(WidthCell(layout, 0), "15 ");
    SetItem(model, 0, SectionItem::MullionOffset, 1);
    ApplyMullionOffset(model, 0, layout);
    RecalculateLayout(model, layout);
    EXPECT_EQ(WidthCell(layout, 0), "20 ");
    EXPECT_EQ(WidthCell(layout, 1), "10 ");
    EXPECT_DOUBLE_EQ(layout.SectionNominalWidth[0], 15.0);

    // Section 2's offset is measured from its own nominal width.
    SetItem(model, 0, SectionItem::MullionOffset, 0);
    SetItem(model, 1, SectionItem::MullionOffset, 1);
    ApplyMullionOffset(model, 1, layout);
    RecalculateLayout(model, layout);
    EXPECT_EQ(WidthCell(layout, 0), "18 ");
    EXPECT_EQ(WidthCell(layout, 1), "12 ");

    // Three sections: (35.5 - 3.5 - 4) / 3 = 9.333, 10.67/32 over 9.
    SetSections(model, 3);
    SetItem(model, 1, SectionItem::MullionOffset, 0);
    layout = Recalculated(model);
    EXPECT_EQ(WidthCell(layout, 2), "9 11/32");
    EXPECT_NEAR(layout.SectionFaceWidth[0] + layout.SectionFaceWidth[1] + layout.SectionFaceWidth[2], 28, 1e-12);
}

TEST(LayoutWidth, WithoutAFaceFrameTheDividersPartTheSections)
{
    CabinetModel model = BareCabinet(2);
    SetParams(model, {{p::Width, "36"}, {p::Mullion, "2"}});
    Include(model, {inc::LeftSide, inc::RightSide});
    // Between the sides 36 - 0.75 - 0.75 = 34.5, half is 17.25.
    EXPECT_EQ(WidthCell(Recalculated(model), 0), "16 7/8"); // less half the centred divider
    model.options.set(CabinetOption::FlushLeft1, true);
    LayoutResult layout = Recalculated(model);
    EXPECT_EQ(WidthCell(layout, 0), "16 1/4"); // 17.25 - 2/2
    EXPECT_EQ(WidthCell(layout, 1), "17 1/2"); // 17.25 + 2/2 - 0.75

    // Three sections share two dividers: 34.5 / 3 - 3/8 - 1/8.
    SetSections(model, 3);
    model.options.set(CabinetOption::Center1, true);
    EXPECT_EQ(WidthCell(Recalculated(model), 1), "11 ");
    model.options.set(CabinetOption::SetDivider1, false);
    model.options.set(CabinetOption::SetDivider2, false);
    EXPECT_EQ(WidthCell(Recalculated(model), 1), "11 1/2");

    // A flush divider moves h = (2 - 0.75) / 2 between its neighbours.
    model = FaceFramed(3, "41");
    model.options.set(CabinetOption::FlushRight2, true);
    layout = Recalculated(model);
    EXPECT_EQ(WidthCell(layout, 1), "11 25/32"); // 11.1667 + 0.625
    EXPECT_EQ(WidthCell(layout, 2), "10 17/32"); // 11.1667 - 0.625
}

// Whatever the mullion shifts, divider placements and blind corner do, the
// carcass sections and the dividers between them fill the carcass; a sign
// slip in any of their tables breaks the sum.
TEST(LayoutWidth, CarcassSectionsAndDividersFillTheCarcass)
{
    using O = CabinetOption;
    for (int n : {2, 3}) {
        for (bool faceFrame : {true, false}) {
            for (auto placement1 : {O::Center1, O::FlushLeft1, O::FlushRight1}) {
                for (auto placement2 : {O::Center2, O::FlushLeft2, O::FlushRight2}) {
                    for (int blind : {0, 1, 2}) {
                        CabinetModel model = FaceFramed(n, "50");
                        SetStock(model, row::LeftSide, "0.625");
                        SetStock(model, row::Divider, "0.5");
                        Include(model, {inc::FaceFrame}, faceFrame);
                        model.options.set(placement1, true);
                        model.options.set(placement2, true);
                        model.record.setFlag(RecordOffset::BlindCorner, blind != 0);
                        model.options.set(blind == 2 ? O::LeftCorner : O::RightCorner, true);
                        LayoutResult layout;
                        layout.MullionShift = {1.25, -0.5, -0.75};
                        RecalculateLayout(model, layout);

                        double total = (n - 1) * 0.5;
                        for (int s = 0; s < n; ++s)
                            total += layout.SectionCarcassWidth[static_cast<std::size_t>(s)];
                        const double shifts = n == 2 ? 0.75 : 0.0; // two sections use two of the shifts
                        EXPECT_NEAR(total, 50 - 0.625 - 0.75 + shifts, 1e-12)
                            << "n " << n << " face frame " << faceFrame << " blind " << blind;
                    }
                }
            }
        }
    }
}

TEST(LayoutWidth, BlindCornerWidensTheCarcassBehindThePanel)
{
    CabinetModel model = FaceFramed(3, "48");
    SetStock(model, row::Divider, "2"); // no overhang at the mullions
    model.record.setFlag(RecordOffset::BlindCorner, true);
    model.options.set(CabinetOption::LeftCorner, true);
    // Shares of (48 - 3.5 - 4) / 3 = 13.5, the stiles overhanging the sides
    // by 1.25 and 0.75; the left section takes 2 x 12/3 from the others.
    const LayoutResult layout = Recalculated(model);
    EXPECT_DOUBLE_EQ(layout.SectionCarcassWidth[0], 13.5 + 1.25 + 8);
    EXPECT_DOUBLE_EQ(layout.SectionCarcassWidth[1], 13.5 - 4);
    EXPECT_DOUBLE_EQ(layout.SectionCarcassWidth[2], 13.5 + 0.75 - 4);
}

TEST(LayoutWidth, DividerPositionsFollowTheJointsOfBottomAndTop)
{
    using O = CabinetOption;
    CabinetModel model = BareCabinet(2);
    SetParams(model, {{p::Width, "36"},
                      {p::BottomDado, "0.25"},
                      {p::TopRabbit, "0.375"},
                      {p::TopDado, "0.3125"},
                      {p::CarcassRabbit, "0.5"},
                      {p::CarcassDado, "0.4375"},
                      {p::TopOverlay, "1"},
                      {p::Scribe, "0.125"}});
    Include(model, {inc::LeftSide, inc::RightSide, inc::Top});
    model.options.set(O::SetDivider1, false);
    const double w = 16.875; // (36 - 1.5 - 0.75) / 2, no face frame
    const auto positions = [&] {
        const LayoutResult layout = Recalculated(model);
        return std::pair {layout.DividerPosBottom, layout.DividerPosTop};
    };
    EXPECT_EQ(positions(), std::pair(w + 0.25, w + 0.375));
    model.options.set(O::TopDado, true);
    EXPECT_EQ(positions(), std::pair(w + 0.25, w + 0.3125));
    model.options.set(O::TopButtJoint, true);
    model.options.set(O::LeftScribe, true);
    model.options.set(O::BottomDado, false);
    EXPECT_EQ(positions(), std::pair(w - 0.125, w + 0.75 + 0.5)); // an overlaid top is not scribed
    model.options.set(O::TopRabbit, true);
    EXPECT_EQ(positions().second, w + 0.375 - 0.125);

    Include(model, {inc::Top}, false);
    Include(model, {inc::CarcassRail});
    EXPECT_EQ(positions().second, w + 0.5 - 0.125);
    model.options.set(O::CarcassDado, true);
    EXPECT_EQ(positions().second, w + 0.4375 - 0.125);
    // A butted rail starts at the side, like the carcass opening; it must
    // not keep the position of the joint chosen before.
    model.options.set(O::CarcassButt, true);
    EXPECT_EQ(positions().second, w - 0.125);

    // The second divider stands one divider and one section further.
    SetSections(model, 3);
    const LayoutResult three = Recalculated(model);
    EXPECT_DOUBLE_EQ(three.Divider2PosBottom, three.DividerPosBottom + 0.75 + three.SectionCarcassWidth[1]);
    EXPECT_DOUBLE_EQ(three.Divider2PosTop, three.DividerPosTop + 0.75 + three.SectionCarcassWidth[1]);
}
