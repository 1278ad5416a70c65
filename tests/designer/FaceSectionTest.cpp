// SPDX-License-Identifier: GPL-3.0-or-later
// Down each section of the face drawing: drawers and banks, doors and their
// frames, partitions, shelves; and the clicks that select parameters.
#include "DesignerTestCabinet.h"

#include <tuple>

using namespace boxmill;
using test::Bottom;
using test::Designer;
using test::FrameCabinet;
using test::Right;

// The single-section test cabinet's opening runs from x 298 to 446 and from
// y 78 (under the top rail) to 170 (the bottom rail): 148 by 92 units.

TEST(FaceDrawers, BankedDrawersShareWhatTheOthersLeave)
{
    CabinetModel cabinet = FrameCabinet();
    cabinet.record.setSectionItem(0, SectionItem::DrawerCount, 3);
    cabinet.record.setSectionItem(0, SectionItem::DrawerBanks, 2);
    cabinet.record.setSectionItem(0, SectionItem::Shelves, 2);
    cabinet.record.setSectionItem(0, SectionItem::DoorCount, 2);
    Designer d(cabinet);
    d.draw();

    // Drawer 1 keeps its 20 units; (92 - 20 - 4 - 4) / 2 = 32 for the others.
    const Shape& first = d.shape("DrawerFace1A");
    EXPECT_EQ(first.top, 77);
    EXPECT_EQ(first.height, 22); // overlapping the frame by one unit each way
    EXPECT_EQ(first.left, 297);
    EXPECT_EQ(first.width, 150);
    EXPECT_EQ(d.shape("MidRail1A").top, 98);
    EXPECT_EQ(d.shape("DrawerFace2A").height, 34);
    EXPECT_EQ(d.shape("DrawerFace3A").height, 34);
    EXPECT_EQ(d.shape("DrawerFace3A").top + 1 + 32, d.shape("BottomRail").top);
    EXPECT_TRUE(d.shape("MidRail2A").visible);
    EXPECT_FALSE(d.shape("MidRail3A").visible);

    // A banked section holds drawers only.
    EXPECT_EQ(d.item(0, SectionItem::Shelves), 0);
    EXPECT_EQ(d.item(0, SectionItem::DoorCount), 0);
    EXPECT_FALSE(d.shape("Door1A").visible);
    EXPECT_FALSE(d.shape("Shelve1A").visible);
}

TEST(FaceDrawers, StaleBankIsIgnoredLikeTheLayoutIgnoresIt)
{
    CabinetModel cabinet = FrameCabinet();
    cabinet.record.setSectionItem(0, SectionItem::DrawerCount, 2);
    cabinet.record.setSectionItem(0, SectionItem::DrawerBanks, 3);
    cabinet.record.setSectionItem(0, SectionItem::DoorCount, 1);
    Designer d(cabinet);
    d.draw();
    EXPECT_TRUE(d.shape("DrawerFace2A").visible);
    EXPECT_EQ(d.shape("DrawerFace2A").height, 22);
    EXPECT_TRUE(d.shape("MidRail2A").visible);
    EXPECT_EQ(d.item(0, SectionItem::DoorCount), 1);
}

TEST(FaceDrawers, InsetFacesAndEnableFlags)
{
    CabinetModel cabinet = FrameCabinet();
    cabinet.record.setSectionItem(0, SectionItem::DrawerCount, 2);
    cabinet.options.set(CabinetOption::FaceInset, true);
    cabinet.record.setFlag(RecordOffset::FaceEnabled + 1, false);
    Designer d(cabinet);
    d.draw();
    const Shape& face = d.shape("DrawerFace1A");
    EXPECT_EQ(std::tuple(face.left, face.top, face.width, face.height), std::tuple(299, 79, 146, 19));
    EXPECT_FALSE(d.shape("DrawerFace2A").visible);
    EXPECT_TRUE(d.shape("MidRail2A").visible);
}

TEST(FaceDoors, TwoDoorsShareTheOpeningAroundTheDoorMullion)
{
    // 101 units of opening with an 8-unit door mullion: 46 and 47.
    CabinetModel odd = FrameCabinet();
    odd.record.setParamText(1, "28.25");
    odd.rebuildParamValues();
    odd.record.setIncludeFlag(18, true);
    odd.record.setSectionItem(0, SectionItem::DoorCount, 2);
    Designer d(odd);
    d.draw();
    const Shape& mullion = d.shape("DoorMullionA");
    EXPECT_EQ(mullion.left, 298 + 46);
    EXPECT_EQ(mullion.width, 8);
    EXPECT_EQ(mullion.top, 77);
    EXPECT_EQ(Bottom(mullion), 171);
    EXPECT_TRUE(mullion.visible);
    const Shape& first = d.shape("Door1A");
    const Shape& second = d.shape("Door2A");
    EXPECT_EQ(std::tuple(first.left, first.top, first.width, first.height), std::tuple(296, 76, 46 + 4, 96));
    EXPECT_EQ(second.left, 298 + 46 + 8 - 2);
    EXPECT_EQ(second.width, 47 + 4);

    // 100 units with a 9-unit mullion: 45 each.
    CabinetModel even = odd;
    even.record.setParamText(1, "28");
    even.record.setParamText(43, "2.25");
    even.rebuildParamValues();
    Designer e(even);
    e.draw();
    EXPECT_EQ(e.shape("Door1A").width, 45 + 4);
    EXPECT_EQ(e.shape("Door2A").width, 45 + 4);
}

TEST(FaceDoors, WithoutDoorMullionsTheGapStandsBetweenTheDoors)
{
    CabinetModel cabinet = FrameCabinet();
    cabinet.record.setSectionItem(0, SectionItem::DoorCount, 2);
    Designer d(cabinet);
    d.draw();
    // Overlay doors: the gap of 1 and both overlaps of 2.
    EXPECT_FALSE(d.shape("DoorMullionA").visible);
    EXPECT_EQ(d.shape("DoorMullionA").width, 5);
    EXPECT_EQ(d.shape("Door1A").width, 71 + 4);
    EXPECT_EQ(d.shape("Door2A").left, 298 + 71 + 5 - 2);
    // The model's door mullion is untouched for everybody else.
    EXPECT_EQ(d.model.paramUnits[43], 8);

    d.model.options.set(CabinetOption::DoorInset, true);
    d.draw();
    // Inset: the same 5 between the doors, as the cut list cuts them, and
    // each door keeps a gap of 1 all round its share.
    const Shape& first = d.shape("Door1A");
    EXPECT_EQ(std::tuple(first.left, first.top, first.width, first.height), std::tuple(299, 79, 69, 90));
    EXPECT_EQ(d.shape("Door2A").left, 298 + 71 + 5 + 1);
}

TEST(FaceDoors, FrameAndMidRailLieInsideTheDoor)
{
    CabinetModel cabinet = FrameCabinet();
    cabinet.record.setSectionItem(0, SectionItem::DoorCount, 1);
    cabinet.record.setSectionItem(0, SectionItem::DoublePanel, 1);
    cabinet.record.setSectionItem(0, SectionItem::Horizontal, 1);
    cabinet.record.setSectionItem(0, SectionItem::LowerPanelsOffset, 1);
    Designer d(cabinet);
    d.draw();
    // The door is 296 .. 448 wide; its rails overlap the 8-unit stiles by one.
    const Shape& door = d.shape("Door1A");
    EXPECT_EQ(Right(d.shape("DoorRightStile1A")), Right(door));
    EXPECT_EQ(d.shape("DoorTopRail1A").left, 296 + 7);
    EXPECT_EQ(d.shape("DoorTopRail1A").width, 152 - 16 + 2);
    EXPECT_EQ(Bottom(d.shape("DoorBottomRail1A")), Bottom(door));
    // Midway between the rails (84 .. 164) less half its 8 units, raised
    // by the 4-unit offset.
    const Shape& midRail = d.shape("DoorRail1A");
    EXPECT_TRUE(midRail.visible);
    EXPECT_EQ(midRail.top, 84 + 40 - 4 - 4);
    EXPECT_EQ(midRail.height, 8);

    // Upright between the stiles (304 .. 440), a negative offset to the left.
    d.model.record.setSectionItem(0, SectionItem::Horizontal, 0);
    d.model.record.setSectionItem(0, SectionItem::NegativeOffset, 1);
    d.draw();
    EXPECT_EQ(d.shape("DoorRail1A").left, 304 + 68 - 4 - 4);

    d.model.record.setSectionItem(0, SectionItem::DoublePanel, 0);
    d.draw();
    EXPECT_FALSE(d.shape("DoorRail1A").visible);
}

TEST(FacePartitions, RailCentredOnTheMullionsAndMovedByItsItems)
{
    CabinetModel cabinet = FrameCabinet();
    cabinet.record.setSectionItem(0, SectionItem::Partition, 1);
    cabinet.record.setSectionItem(0, SectionItem::PartitionDoors, 1);
    cabinet.record.setSectionItem(0, SectionItem::DoorCount, 1);
    Designer d(cabinet);
    d.draw();
    // Mullion from 77, 94 high: centre 124, rail 6 high.
    EXPECT_EQ(d.shape("PartitionRailA").top, 121);
    EXPECT_EQ(d.shape("PartitionA").top, 121);
    EXPECT_EQ(d.shape("PartitionA").width, 154); // between the sides, as a shelf
    // The upper door fills 78 .. 121, the lower one 127 .. 170.
    EXPECT_EQ(d.shape("Door1AP").top, 76);
    EXPECT_EQ(d.shape("Door1A").top, 125);
    EXPECT_EQ(d.shape("Door1A").height, 43 + 4);

    // Only the partition opening's panels are switched off.
    d.model.record.setFlag(RecordOffset::PanelEnabled + 1, false);
    d.draw();
    EXPECT_FALSE(d.shape("Door1AP").visible);
    EXPECT_TRUE(d.shape("DoorLeftStile1AP").visible);
    EXPECT_TRUE(d.shape("Door1A").visible);

    d.model.record.setSectionItem(0, SectionItem::PartitionAbove, 8);
    d.model.record.setParamText(32, "8.5"); // 34 units, 9 above the centred 43
    d.model.rebuildParamValues();
    d.draw();
    EXPECT_EQ(d.shape("PartitionRailA").top, 112);
    EXPECT_EQ(d.item(0, SectionItem::PartitionAbove), 9);
}

TEST(FacePartitions, UpperOpeningOnlyWithAPartition)
{
    CabinetModel cabinet = FrameCabinet();
    cabinet.record.setSectionItem(0, SectionItem::PartitionDoors, 2);
    cabinet.record.setSectionItem(0, SectionItem::PartitionShelves, 2);
    Designer d(cabinet);
    d.draw();
    EXPECT_FALSE(d.shape("Door1AP").visible);
    EXPECT_FALSE(d.shape("DoorLeftStile2AP").visible);
    EXPECT_FALSE(d.shape("Shelve1AP").visible);
}

TEST(FacePartitions, UpperDoorMidRailTakesTheUpperOffset)
{
    CabinetModel cabinet = FrameCabinet();
    cabinet.record.setSectionItem(0, SectionItem::Partition, 1);
    cabinet.record.setSectionItem(0, SectionItem::PartitionDoors, 1);
    cabinet.record.setSectionItem(0, SectionItem::DoublePanelP, 1);
    cabinet.record.setSectionItem(0, SectionItem::HorizontalP, 1);
    cabinet.record.setSectionItem(0, SectionItem::UpperPanelsOffset, 1);
    cabinet.record.setSectionItem(0, SectionItem::NegativeOffsetP, 1);
    Designer d(cabinet);
    d.draw();
    // Door 76 .. 123; between its rails 84 .. 115, midway 99; lowered by
    // the 8-unit upper offset, not the lower one's 4.
    EXPECT_EQ(d.shape("DoorRail1AP").top, 84 + 15 - 4 + 8);
}

TEST(FaceShelves, SpacedInTheRoomBelowTheDrawers)
{
    CabinetModel cabinet = FrameCabinet();
    cabinet.record.setSectionItem(0, SectionItem::Shelves, 1);
    Designer d(cabinet);
    d.draw();
    // 92 / 2 = 46 below the top rail, less one.
    const Shape& shelf = d.shape("Shelve1A");
    EXPECT_EQ(std::tuple(shelf.left, shelf.top, shelf.width, shelf.height), std::tuple(295, 123, 154, 3));
    EXPECT_FALSE(d.shape("Shelve2A").visible);

    // One drawer takes 24 units: the shelf halves the 68 left below it
    // rather than standing 46 below the drawer, close to the bottom rail.
    d.model.record.setSectionItem(0, SectionItem::DrawerCount, 1);
    d.draw();
    EXPECT_EQ(d.shape("Shelve1A").top, 102 + 34 - 1);
}

TEST(FaceShelves, EndAtTheDividersOrRunThroughWhereThereIsNone)
{
    CabinetModel cabinet = FrameCabinet(2);
    cabinet.record.setSectionItem(0, SectionItem::Shelves, 1);
    cabinet.record.setSectionItem(1, SectionItem::Shelves, 1);
    Designer d(cabinet);
    d.draw();
    // Divider 1 centred on the mullion at 368: 371 .. 374.
    EXPECT_EQ(Right(d.shape("Shelve1A")), 371);
    EXPECT_EQ(d.shape("Shelve1B").left, 374);
    EXPECT_EQ(Right(d.shape("Shelve1B")), 449);

    d.model.options.set(CabinetOption::SetDivider1, false);
    d.draw();
    EXPECT_EQ(Right(d.shape("Shelve1A")), 374);
    EXPECT_EQ(d.shape("Shelve1B").left, 371);
}

TEST(FaceShelves, DoublePartitionLiesOnTheFirstMidRail)
{
    CabinetModel cabinet = FrameCabinet();
    cabinet.record.setSectionItem(0, SectionItem::Partition, 1);
    cabinet.record.setSectionItem(0, SectionItem::DrawerCount, 1);
    cabinet.options.set(CabinetOption::ExtraPartition, true);
    Designer d(cabinet);
    d.draw();
    const Shape& extra = d.shape("Shelve4A");
    EXPECT_TRUE(extra.visible);
    EXPECT_EQ(extra.top, d.shape("MidRail1A").top);
}

TEST(FaceSections, RemovedSectionsAreEmptiedAndTheShownOneFollows)
{
    CabinetModel cabinet = FrameCabinet(3);
    for (int s = 1; s < 3; ++s) {
        cabinet.record.setSectionItem(s, SectionItem::DrawerCount, 2);
        cabinet.record.setSectionItem(s, SectionItem::DrawerBanks, 2);
        cabinet.record.setSectionItem(s, SectionItem::Partition, 1);
    }
    Designer d(cabinet);
    d.state.shownSection = 3;
    d.draw();
    EXPECT_TRUE(d.shape("DrawerFace1C").visible);

    d.model.record.setSectionCount(2);
    d.model.sectionCount = 2;
    d.draw();
    EXPECT_EQ(d.state.shownSection, 2);
    EXPECT_EQ(d.item(2, SectionItem::DrawerCount), 0);
    EXPECT_EQ(d.item(2, SectionItem::Partition), 0);
    EXPECT_EQ(d.item(2, SectionItem::DrawerBanks), 2);
    EXPECT_EQ(d.item(1, SectionItem::DrawerCount), 2);
    EXPECT_FALSE(d.shape("DrawerFace1C").visible);
    EXPECT_FALSE(d.shape("Mullion2").visible);
}

namespace {

void ExpectClickSelects(const ShapeSet& shapes, const char* name, std::optional<int> parameter)
{
    const Shape* shape = shapes.find(name);
    ASSERT_NE(shape, nullptr) << name;
    ASSERT_TRUE(shape->visible) << name;
    const Shape* hit = shapes.shapeAt(shape->left + shape->width / 2, shape->top + shape->height / 2);
    ASSERT_NE(hit, nullptr) << name;
    EXPECT_EQ(hit->name, name);
    EXPECT_EQ(hit->parameter, parameter) << name;
}

} // namespace

TEST(FaceClicks, EachFamilySelectsItsParameter)
{
    CabinetModel cabinet = FrameCabinet(3);
    cabinet.record.setIncludeFlag(18, true);
    cabinet.record.setSectionItem(0, SectionItem::DrawerCount, 1);
    cabinet.record.setSectionItem(0, SectionItem::DoorCount, 2);
    cabinet.record.setSectionItem(1, SectionItem::DrawerCount, 3);
    cabinet.record.setSectionItem(2, SectionItem::Partition, 1);
    cabinet.record.setSectionItem(2, SectionItem::PartitionDoors, 1);
    cabinet.record.setSectionItem(2, SectionItem::DoublePanelP, 1);
    cabinet.record.setSectionItem(2, SectionItem::HorizontalP, 1);
    cabinet.record.setSectionItem(2, SectionItem::Shelves, 1);
    Designer d(cabinet);
    d.draw();

    const std::pair<const char*, std::optional<int>> expected[] = {
        {"ToeKick", 3},           {"RightStile", 5},      {"LeftStile", 6},           {"TopRail", 7},
        {"BottomRail", 8},        {"MidRail1A", 12},      {"MidRail3B", 12},          {"Mullion2", 13},
        {"DrawerFace1A", 14},     {"DrawerFace3B", 20},   {"PartitionRailC", 35},     {"DoorLeftStile2A", 38},
        {"DoorRightStile1A", 39}, {"DoorTopRail1CP", 40}, {"DoorBottomRail2A", 41},   {"Door1A", 42},
        {"DoorMullionA", 43},     {"DoorRail1CP", 44},    {"Shelve1C", std::nullopt},
    };
    for (const auto& [name, parameter] : expected)
        ExpectClickSelects(d.shapes, name, parameter);
}

TEST(FaceClicks, CarcassInFrontWithoutTheFaceFrame)
{
    CabinetModel cabinet = FrameCabinet();
    cabinet.record.setIncludeFlag(8, false);
    cabinet.record.setIncludeFlag(5, true);
    cabinet.record.setFlag(RecordOffset::BlindCorner, true);
    Designer d(cabinet);
    d.draw();
    ExpectClickSelects(d.shapes, "Front", 49);
    ExpectClickSelects(d.shapes, "BlindPanel", 9);
    ExpectClickSelects(d.shapes, "LeftSide", std::nullopt);
    EXPECT_EQ(d.shapes.find("CarcassRail")->parameter, 48);
    EXPECT_EQ(d.shapes.find("Bottom")->parameter, 50);
    EXPECT_EQ(d.shapes.find("ToeKickBlank")->parameter, 3);
    EXPECT_EQ(d.shapes.find("Divider1")->parameter, std::nullopt);
}

TEST(FaceDrawing, DefaultCabinetShowsOneDrawerOverTwoDoors)
{
    Designer d(test::DefaultCabinet());
    d.draw();
    for (const char* shown : {"DrawerFace1A", "MidRail1A", "Door1A", "Door2A", "Shelve1A", "ToeKick"})
        EXPECT_TRUE(d.shape(shown).visible) << shown;
    for (const char* hidden : {"DrawerFace2A", "DoorMullionA", "Mullion1", "CabinetTop"})
        EXPECT_FALSE(d.shape(hidden).visible) << hidden;
    // 24 inches wide: the doors meet in the middle of the 96 units, and the
    // shelf stays in the room below the drawer.
    EXPECT_EQ(d.shape("Door1A").left + Right(d.shape("Door2A")), 2 * 292 + 96);
    EXPECT_GT(d.shape("Shelve1A").top, Bottom(d.shape("MidRail1A")));
    EXPECT_LT(Bottom(d.shape("Shelve1A")), d.shape("BottomRail").top);
}
