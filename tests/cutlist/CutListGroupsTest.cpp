// SPDX-License-Identifier: GPL-3.0-or-later
// The batches the four groups build, on the default cabinet: one 24 inch
// section (21 inches between the stiles, a 27 inch opening), one drawer over
// two doors, one adjustable shelf, carcass rails instead of a top.
#include "CutListFixture.h"

#include "core/IncludeParts.h"
#include "cutlist/CutListGroups.h"

using namespace boxmill;
using namespace boxmill::test;
using S = SectionItem;
using O = CabinetOption;

namespace {

std::vector<std::string> PartNames(const CutList& list)
{
    std::vector<std::string> names;
    for (const auto& batch : list)
        names.push_back(batch.partName);
    return names;
}

} // namespace

TEST_F(CutListTest, CompleteListRunsFaceFrameCarcassDrawersDoorsInOrder)
{
    EXPECT_EQ(PartNames(build(CutListKind::Complete)),
              (std::vector<std::string> {"Stile(s)", "Face Rail(s)", "Mid Rail(s)", "Carc Rail(s)", "Bottom", "Back",
                                         "Side(s)", "Toekick", "Shelve(s)", "Nailer(s)", "Dw Face(s)", "Dw Front(s)",
                                         "Dw Back(s)", "Dw Side(s)", "Dw Bottom(s)", "Dr Panel(s)", "Dr Stile(s)",
                                         "Dr Rails(s)"}));
    // Equal stiles and rails merge: 34 1/2 less the 4 1/2 toekick; 24 less two stiles.
    EXPECT_EQ(Rows(build(CutListKind::FaceFrame)),
              (std::vector<std::string> {"2 Stile(s) | 1 1/2 | 30 ", "2 Face Rail(s) | 1 1/2 | 21 ",
                                         "1 Mid Rail(s) | 1 1/2 | 21 "}));
    EXPECT_TRUE(prompter.shown.empty());
}

TEST_F(CutListTest, MidRailsOneFewerUnderABank)
{
    item(0, S::DrawerCount, 3);
    EXPECT_EQ(Rows(build(CutListKind::FaceFrame), "Mid Rail(s)"),
              (std::vector<std::string> {"3 Mid Rail(s) | 1 1/2 | 21 "}));
    item(0, S::DrawerBanks, 2);
    EXPECT_EQ(Rows(build(CutListKind::FaceFrame), "Mid Rail(s)"),
              (std::vector<std::string> {"2 Mid Rail(s) | 1 1/2 | 21 "}));
    // A bank left larger than the drawers is not in use: every drawer is
    // sized on its own, as the layout and the designer have it.
    item(0, S::DrawerBanks, 4);
    EXPECT_EQ(Rows(build(CutListKind::FaceFrame), "Mid Rail(s)"),
              (std::vector<std::string> {"3 Mid Rail(s) | 1 1/2 | 21 "}));
}

TEST_F(CutListTest, DoorMullionsStandBetweenTwoDoorsOfAnOpening)
{
    include(IncludeItem::DoorMullions, true);
    // Two doors below the drawer: one mullion the 20 inch opening high.
    EXPECT_EQ(Rows(build(CutListKind::FaceFrame), "Dr Mullion(s)"),
              (std::vector<std::string> {"1 Dr Mullion(s) | 2  | 20 "}));
    item(0, S::DoorCount, 1);
    EXPECT_TRUE(Rows(build(CutListKind::FaceFrame), "Dr Mullion(s)").empty());
    // The doors above a centred partition have their own, as high as that
    // opening: (27 - 1 1/2) / 2.
    item(0, S::Partition, 1);
    item(0, S::PartitionDoors, 2);
    EXPECT_EQ(Rows(build(CutListKind::FaceFrame), "Dr Mullion(s)"),
              (std::vector<std::string> {"1 Dr Mullion(s) | 2  | 12 3/4"}));
}

TEST_F(CutListTest, DoublePartitionAddsOneUnderEveryDrawerStack)
{
    option(O::ExtraPartition, true);
    // Drawers but no partition: the double partition alone.
    EXPECT_EQ(Rows(build(CutListKind::Cabinet), "Partition(s)").size(), 1u);
    EXPECT_EQ(Rows(build(CutListKind::Cabinet), "Partition(s)")[0].substr(0, 2), "1 ");
    item(0, S::Partition, 1);
    EXPECT_EQ(Rows(build(CutListKind::Cabinet), "Partition(s)")[0].substr(0, 2), "2 ");
    item(0, S::DrawerCount, 0);
    EXPECT_EQ(Rows(build(CutListKind::Cabinet), "Partition(s)")[0].substr(0, 2), "1 ");
    option(O::ExtraPartition, false);
    include(IncludeItem::Partitions, false);
    EXPECT_TRUE(Rows(build(CutListKind::Cabinet), "Partition(s)").empty());
}

TEST_F(CutListTest, DividersOnlyBetweenSectionsAndOnlyWhereSet)
{
    // The default options set both dividers; one section has none.
    EXPECT_TRUE(Rows(build(CutListKind::Cabinet), "Divider(s)").empty());
    sections(3);
    EXPECT_EQ(Rows(build(CutListKind::Cabinet), "Divider(s)")[0].substr(0, 2), "2 ");
    option(O::SetDivider1, false);
    EXPECT_EQ(Rows(build(CutListKind::Cabinet), "Divider(s)")[0].substr(0, 2), "1 ");
    sections(2);
    EXPECT_TRUE(Rows(build(CutListKind::Cabinet), "Divider(s)").empty());
}

TEST_F(CutListTest, AShelfThatRunsOnThroughTheNextSectionIsCutOnce)
{
    sections(2);
    item(1, S::DrawerCount, 1);
    item(1, S::Shelves, 1);
    // Each section's own shelf, 23 deep less the 1/2 gap of adjustable
    // shelves: (24 - 3 - 2) / 2 + 5/8 + 3/4 = 10 7/8 long less the 1/8 gap.
    EXPECT_EQ(Rows(build(CutListKind::Cabinet), "Shelve(s)"),
              (std::vector<std::string> {"2 Shelve(s) | 22 1/2 | 10 3/4"}));
    // Without the divider both shelves line up: one shelf from side to
    // side, 24 less the two 3/4 sides less 1/8.
    option(O::SetDivider1, false);
    EXPECT_EQ(Rows(build(CutListKind::Cabinet), "Shelve(s)"),
              (std::vector<std::string> {"1 Shelve(s) | 22 1/2 | 22 3/8"}));
}

TEST_F(CutListTest, NailerCountAndTheDetachedBase)
{
    model.options.nailerCount = 3;
    EXPECT_EQ(Rows(build(CutListKind::Cabinet), "Nailer(s)")[0].substr(0, 2), "3 ");
    model.options.nailerCount.reset();
    EXPECT_TRUE(Rows(build(CutListKind::Cabinet), "Nailer(s)").empty());

    EXPECT_TRUE(Rows(build(CutListKind::Cabinet), "Sleeper(s)").empty());
    flag(RecordOffset::DetachedBase, true);
    const auto list = build(CutListKind::Cabinet);
    EXPECT_EQ(Rows(list, "Sleeper(s)").size(), 1u);
    EXPECT_EQ(Rows(list, "Sleeper(s)")[0].substr(0, 2), "2 ");
    // The back is laid over the sides, which a detached base cannot carry.
    EXPECT_EQ(messages(), std::vector<std::string> {std::string(kBackInsideWarning)});
    option(O::BackInside, true);
    build(CutListKind::Drawers);
    EXPECT_EQ(prompter.shown.size(), 1u);
}

TEST_F(CutListTest, EnableListsLeaveOutSingleFacesBoxesAndPanels)
{
    item(0, S::DrawerCount, 2);
    model.record.setFlag(RecordOffset::FaceEnabled + 1, false);
    model.record.setFlag(RecordOffset::DrawerEnabled + 0, false);
    const auto drawers = build(CutListKind::Drawers);
    EXPECT_EQ(Rows(drawers, "Dw Face(s)").size(), 1u);
    EXPECT_EQ(Rows(drawers, "Dw Face(s)")[0].substr(0, 2), "1 ");
    EXPECT_EQ(Rows(drawers, "Dw Side(s)")[0].substr(0, 2), "2 ");

    // Switched-off panels leave the doors' frames in the list: stiles as
    // high as 27 less two 5 1/2 drawers and their rails, plus the overlays.
    model.record.setFlag(RecordOffset::PanelEnabled + 0, false);
    const auto doors = build(CutListKind::Doors);
    EXPECT_TRUE(Rows(doors, "Dr Panel(s)").empty());
    EXPECT_EQ(Rows(doors, "Dr Stile(s)"), (std::vector<std::string> {"4 Dr Stile(s) | 2 1/4 | 13 3/4"}));
}

TEST_F(CutListTest, DrawerDepthMustStayAnInchShortOfTheCabinet)
{
    param(27, "23.5"); // cabinet depth 24
    build(CutListKind::Drawers);
    EXPECT_EQ(messages(), std::vector<std::string> {std::string(kDrawerDepthMessage)});
    prompter.shown.clear();
    param(27, "23");
    build(CutListKind::Complete);
    EXPECT_TRUE(prompter.shown.empty());

    // In metric the allowance is one millimetre.
    model.units = UnitMode::Metric;
    param(27, "23.97");
    build(CutListKind::Drawers);
    EXPECT_EQ(prompter.shown.size(), 1u);
    prompter.shown.clear();
    param(27, "23.95");
    build(CutListKind::Drawers);
    EXPECT_TRUE(prompter.shown.empty());

    // Without a drawer box nothing is cut to that depth.
    model.units = UnitMode::Inches;
    param(27, "23.5");
    include(IncludeItem::DrawerBoxes, false);
    build(CutListKind::Drawers);
    EXPECT_TRUE(prompter.shown.empty());
}

TEST_F(CutListTest, EveryBuildCountsOnlyItsOwnBoards)
{
    build(CutListKind::Complete);
    EXPECT_GT(model.partArea[PartRow::Bottom], 0.0);
    EXPECT_GT(model.partArea[PartRow::DoorPanel], 0.0);
    build(CutListKind::FaceFrame);
    EXPECT_EQ(model.partArea[PartRow::Bottom], 0.0);
    EXPECT_EQ(model.partArea[PartRow::DoorPanel], 0.0);
    // Two 30 x 1 1/2 stiles, one of each kind: 45 square inches each.
    EXPECT_DOUBLE_EQ(model.partArea[PartRow::LeftStile], 45.0 / 144.0);
    EXPECT_DOUBLE_EQ(model.partArea[PartRow::RightStile], 45.0 / 144.0);
}
