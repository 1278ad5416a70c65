// SPDX-License-Identifier: GPL-3.0-or-later
// Door cases beyond the worked cabinet: inset doors, a door mullion, and
// each opening counting its own doors and keeping its own panel style.
#include "CalculatorFixture.h"

using namespace boxmill;
using namespace boxmill::calctest;
using O = CabinetOption;
using I = SectionItem;

namespace {

// A section 30 wide; lower opening 20 high, upper opening 12.
class CalcDoor : public CalculatorFixture {
protected:
    CalcDoor()
    {
        params({{31, "0.125"},
                {38, "2.25"},
                {39, "2.5"},
                {40, "2.25"},
                {41, "2.75"},
                {42, "0.375"},
                {43, "1.5"},
                {44, "2"},
                {45, "0.375"},
                {46, "1"},
                {47, "0.5"},
                {55, "0.0625"},
                {64, "0.125"},
                {65, "0.0625"}});
        include({inc::DoorFrames});
        item(0, SectionItem::DoorCount, 2);
        item(0, SectionItem::PartitionDoors, 1);
        layout.SectionFaceWidth = {30.0, 0.0, 0.0};
        layout.LowerHeight = {20.0, 0.0, 0.0};
        layout.UpperHeight = {12.0, 0.0, 0.0};
    }

    double railLength(Opening opening) { return CalcDoorRail(context(), 0, opening, RailEnd::Top).length; }
    PartSize panel(Opening opening, PanelOrder order = PanelOrder::First)
    {
        return CalcDoorPanel(context(), 0, opening, order);
    }
};

TEST_F(CalcDoor, APairSharesTheOpeningLessWhatStandsBetween)
{
    // Stiles 4 3/4 together, tenons 3/4; inset doors keep 1/16 all round.
    // Every rail of a door runs between the same stiles, so a horizontal
    // mid rail is as long as the top and bottom rails, and the panel fills
    // that span less its 1/16 clearance.
    const struct {
        const char* name;
        bool inset, doorMullion;
        double rail;
    } cases[] = {
        // Without a door mullion the doors keep the gap and an overlay each
        // side of it between them, inset or not: (30 - 7/8) / 2 - 1/8 - 4.
        {"inset", true, false, 10.4375},
        // (30 - 1 1/2) / 2 - 1/8 - 4.
        {"inset with a door mullion", true, true, 10.125},
        // (30 - 7/8) / 2 + 3/4 - 4.
        {"overlay", false, false, 11.3125},
        {"overlay with a door mullion", false, true, 11.0},
    };
    for (const I style : {I::DoublePanel, I::Horizontal, I::DoublePanelP, I::HorizontalP})
        item(0, style, 1);
    for (const auto& c : cases) {
        option(O::DoorInset, c.inset);
        include({inc::DoorMullions}, c.doorMullion);
        for (const Opening opening : {Opening::Lower, Opening::Upper}) {
            item(0, SectionItem::PartitionDoors, opening == Opening::Upper ? 2 : 1);
            EXPECT_DOUBLE_EQ(railLength(opening), c.rail) << c.name;
            EXPECT_DOUBLE_EQ(CalcDoorRail(context(), 0, opening, RailEnd::Bottom).length, c.rail) << c.name;
            EXPECT_DOUBLE_EQ(CalcDoorMidRail(context(), 0, opening)->length, c.rail) << c.name;
            EXPECT_DOUBLE_EQ(panel(opening).width, c.rail - 0.0625) << c.name;
        }
    }

    // Inset stiles: 20 - 1/8 high.
    option(O::DoorInset);
    include({inc::DoorMullions}, false);
    EXPECT_DOUBLE_EQ(CalcDoorStile(context(), 0, Opening::Lower, Side::Right).length, 19.875);
}

TEST_F(CalcDoor, EachOpeningCountsItsOwnDoors)
{
    // The upper opening's one door takes the whole width: 30 3/4 - 4 3/4 + 3/4.
    EXPECT_DOUBLE_EQ(railLength(Opening::Upper), 26.75);
    EXPECT_DOUBLE_EQ(panel(Opening::Upper).width, 26.6875);
    item(0, SectionItem::DoorCount, 1);
    item(0, SectionItem::PartitionDoors, 2);
    EXPECT_DOUBLE_EQ(railLength(Opening::Lower), 26.75);
    EXPECT_DOUBLE_EQ(railLength(Opening::Upper), 11.3125); // (30 - 1/8 - 3/4) / 2 + 3/4 - 4 3/4 + 3/4
}

TEST_F(CalcDoor, EachOpeningKeepsItsOwnPanelStyle)
{
    item(0, SectionItem::DoublePanel, 1);
    item(0, SectionItem::Horizontal, 1);
    item(0, SectionItem::LowerPanelsOffset, 1);
    EXPECT_FALSE(CalcDoorMidRail(context(), 0, Opening::Upper));
    EXPECT_EQ(areas[PartRow::DoorMidRail], 0.0);
    // Upper panel single: 12 3/4 - 5 + 3/4 - 1/8 = 8 3/8 high.
    EXPECT_DOUBLE_EQ(panel(Opening::Upper).length, 8.375);
    item(0, SectionItem::DoublePanelP, 1);
    item(0, SectionItem::HorizontalP, 1);
    item(0, SectionItem::UpperPanelsOffset, 1);
    // (8 3/8 - 2) / 2 + 3/8 - 1/16 = 3 1/2, offset by the upper panels' 1/2.
    EXPECT_DOUBLE_EQ(panel(Opening::Upper, PanelOrder::First).length, 4.0);
    EXPECT_DOUBLE_EQ(panel(Opening::Upper, PanelOrder::Second).length, 3.0);
}

TEST_F(CalcDoor, WithoutAFrameThePanelIsTheDoor)
{
    include({inc::DoorFrames}, false);
    const PartSize door = panel(Opening::Upper);
    EXPECT_DOUBLE_EQ(door.length, 12.75);
    EXPECT_DOUBLE_EQ(door.width, 30.75);
}

} // namespace
