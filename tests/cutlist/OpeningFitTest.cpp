// SPDX-License-Identifier: GPL-3.0-or-later
// Openings too small for what the user put in them, on the default cabinet
// (a 27 inch opening 21 inches wide, 1 1/2 inch face frame, 2 1/4 inch door
// stiles and rails with 3/8 inch tongues): the message names the opening,
// the part and the sizes to change, and no part of such a door reaches the
// cut list or the wood cost.
#include "CutListFixture.h"

#include "core/ParameterIndex.h"
#include "core/PartRows.h"
#include "cutlist/MillOptions.h"
#include "geometry/OpeningFit.h"

#include <algorithm>

using namespace boxmill;
using namespace boxmill::test;
using S = SectionItem;

namespace {

class OpeningFitTest;

struct Case {
    const char* name;
    void (*change)(OpeningFitTest& t);
    // Every message, in order; none where everything fits.
    std::vector<std::string> misfits;
};

class OpeningFitTest : public CutListTest, public ::testing::WithParamInterface<Case> {
public:
    using CutListTest::item;
    using CutListTest::param;
    using CutListTest::sections;
};

const Case kCases[] = {
    {"DefaultCabinetFits", [](OpeningFitTest&) {}, {}},
    // 5 1/2 + 5 1/2 + 5 1/2 + 6 and three mid rails are exactly 27.
    {"FourDrawersFillTheOpeningExactly",
     [](OpeningFitTest& t) {
         t.item(0, S::DrawerCount, 4);
         t.item(0, S::DoorCount, 0);
         t.item(0, S::Shelves, 0);
     },
     {}},
    // ... and leave no room for shelves.
    {"ShelvesUnderFourDrawersThatFillTheOpening",
     [](OpeningFitTest& t) {
         t.item(0, S::DrawerCount, 4);
         t.item(0, S::DoorCount, 0);
         t.item(0, S::Shelves, 2);
     },
     {"Section 1: the drawers leave no room for the 2 shelves, so they are left out of the cut list and the "
      "drawing. Make \"Drawer Face 1 Section A\" to \"Drawer Face 4 Section A\" smaller."}},
    // The door under two drawers would be sized to the whole 12 3/4 under
    // the partition, of which the drawers and their rails take 14.
    {"DrawersOverfillTheOpeningUnderAPartition",
     [](OpeningFitTest& f) {
         f.item(0, S::Partition, 1);
         f.item(0, S::DrawerCount, 2);
         f.item(0, S::DoorCount, 1);
     },
     {"Section 1, below the partition: the drawers leave no room for the door, so it is left out of the cut list "
      "and the drawing. Make \"Drawer Face 1 Section A\" to \"Drawer Face 2 Section A\" smaller.",
      "Section 1, below the partition: the drawers leave no room for the shelf, so it is left out of the cut list "
      "and the drawing. Make \"Drawer Face 1 Section A\" to \"Drawer Face 2 Section A\" smaller."}},
    {"ThreeDrawersUnderAPartition",
     [](OpeningFitTest& f) {
         f.item(0, S::Partition, 1);
         f.item(0, S::DrawerCount, 3);
         f.item(0, S::DoorCount, 0);
     },
     {"Section 1, below the partition: the 3 drawers and the mid rails between them take 19 1/2\", more than the "
      "12 3/4\" of the opening. Make \"Drawer Face 1 Section A\" to \"Drawer Face 3 Section A\" smaller.",
      "Section 1, below the partition: the drawers leave no room for the shelf, so it is left out of the cut list "
      "and the drawing. Make \"Drawer Face 1 Section A\" to \"Drawer Face 3 Section A\" smaller."}},
    // Four drawers in a taller cabinet leave 1/4 inch for the pair.
    {"FourDrawersLeaveAQuarterInchForTwoDoors",
     [](OpeningFitTest& f) {
         f.param(Param::Height, "36.25");
         f.item(0, S::DrawerCount, 4);
     },
     {"Section 1: the 2 doors would be 1\" high, no higher than their rails (\"Door Rail Top\" and \"Door Rail "
      "Bottom\", 4 1/2\" together), so both are left out of the cut list and the drawing. Make \"Drawer Face 1 "
      "Section A\" to \"Drawer Face 4 Section A\" smaller or the door rails narrower."}},
    // An 18 inch cabinet of two sections: 6 1/2 inches for the pair.
    {"TwoDoorsInASixAndAHalfInchOpening",
     [](OpeningFitTest& f) {
         f.param(Param::Width, "18");
         f.sections(2);
         f.item(0, S::DrawerCount, 0);
     },
     {"Section 1: the 2 doors would be 3 9/16\" wide, no wider than their stiles (\"Door Stile Left\" and \"Door "
      "Stile Right\", 4 1/2\" together), so both are left out of the cut list and the drawing. Make the section "
      "wider, use one door or make \"Door Stile Left\" and \"Door Stile Right\" narrower."}},
    // A 33 inch cabinet with two mullions: panels narrower than their tongues.
    {"TwoDoorsBetweenTwoMullionsOfA33InchCabinet",
     [](OpeningFitTest& f) {
         f.param(Param::Width, "33");
         f.sections(3);
         f.item(0, S::DrawerCount, 0);
     },
     {"Section 1: the panel of each door would be 23/32\" wide, no larger than the tongues that hold it in its "
      "grooves (\"Door Mortise Depth\" on both sides, 3/4\"), so both are left out of the cut list and the drawing. "
      "Make the section wider, use one door or make \"Door Stile Left\" and \"Door Stile Right\" narrower."}},
    // Two panels side by side in a narrow door, the second cut 2 inches
    // narrower than the first.
    {"OffsetVerticalDoublePanelOfANarrowDoor",
     [](OpeningFitTest& f) {
         f.param(Param::Width, "18");
         f.item(0, S::DoublePanel, 1);
         f.item(0, S::Horizontal, 0);
         f.item(0, S::LowerPanelsOffset, 1);
     },
     {"Section 1: the second panel of each door would have no width, so both are left out of the cut list and the "
      "drawing. "
      "Make \"Door Panel Offset Lower\" smaller, or the door wider."}},
};

TEST_P(OpeningFitTest, NamesTheOpeningAndLeavesItsDoorsOutOfTheListAndTheCost)
{
    const Case& c = GetParam();
    // Dadoed shelves, so that the mill options name them.
    flag(RecordOffset::AdjustableShelves, false);
    option(CabinetOption::ShelveDadoes, true);
    c.change(*this);
    const CutList list = build(CutListKind::Complete);
    EXPECT_EQ(OpeningMisfits(model, layout), c.misfits);

    if (c.misfits.empty()) {
        EXPECT_EQ(Rows(list, "Dr Stile(s)").empty(), model.sectionItem(0, S::DoorCount) == 0);
        return;
    }
    for (const char* part : {"Dr Panel(s)", "Dr Stile(s)", "Dr Rails(s)", "Dr Mid Rail(s)", "Dr Mullion(s)"})
        EXPECT_EQ(Rows(list, part), std::vector<std::string> {}) << part;
    for (const int row : {PartRow::DoorLeftStile, PartRow::DoorRightStile, PartRow::DoorTopRail,
                          PartRow::DoorBottomRail, PartRow::DoorPanel, PartRow::DoorMidRail})
        EXPECT_EQ(model.partArea[static_cast<std::size_t>(row)], 0.0) << "part row " << row;

    // The mill options machine only what the cut list lists.
    std::vector<std::string> mill;
    Tell(prompter, AddCabinetMillOptions(model, layout, mill));
    AddPanelMillOptions(model, layout, mill);
    const auto named = [&](std::string_view label) {
        return std::ranges::any_of(mill, [&](const std::string& line) { return line.find(label) != line.npos; });
    };
    EXPECT_FALSE(named("Double Panel:"));
    const bool shelvesLeftOut =
        std::ranges::any_of(c.misfits, [](const std::string& m) { return m.find(" shel") != m.npos; });
    EXPECT_EQ(Rows(list, "Shelve(s)").empty(), shelvesLeftOut);
    EXPECT_EQ(named("For Shelve(s) Lower"), !shelvesLeftOut);
}

INSTANTIATE_TEST_SUITE_P(Cases, OpeningFitTest, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<Case>& c) { return c.param.name; });

// A drawer is left out whole, face and box, while the others of its section
// are cut: two 12 inch drawers leave a bank of two less than nothing, and a
// 1 inch drawer is too low for its box.
TEST_F(CutListTest, DrawersThatCannotBeBuiltAreLeftOutAndNamed)
{
    item(0, S::DrawerCount, 4);
    item(0, S::DrawerBanks, 2);
    param(Param::DrawerFace(0, 0), "12");
    param(Param::DrawerFace(0, 1), "12");
    CutList list = build(CutListKind::Drawers);
    EXPECT_EQ(Rows(list, "Dw Face(s)"), std::vector<std::string> {"2 Dw Face(s) | 12 3/4 | 21 3/4"});
    EXPECT_EQ(Rows(list, "Dw Bottom(s)").size(), 1U);
    EXPECT_EQ(OpeningMisfits(model, layout),
              std::vector<std::string> {"Section 1: the banked drawers would have no height, so they are left out of "
                                        "the cut list and the drawing. Make \"Drawer Face 1 Section A\" to \"Drawer "
                                        "Face 2 Section A\" smaller, or bank fewer drawers."});

    item(0, S::DrawerBanks, 0);
    item(0, S::DrawerCount, 1);
    param(Param::DrawerFace(0, 0), "1");
    list = build(CutListKind::Drawers);
    EXPECT_EQ(Rows(list), std::vector<std::string> {});
    EXPECT_EQ(model.partArea[PartRow::DrawerFace] + model.partArea[PartRow::DrawerSide], 0.0);
    EXPECT_EQ(OpeningMisfits(model, layout),
              std::vector<std::string> {"Section 1: drawer 1 is 1\" high, too low for its box under \"Drawer Height "
                                        "Clearance\" (1\"), so it is left out of the cut list and the drawing. Make "
                                        "\"Drawer Face 1 Section A\" larger."});
}

// Mullions wider than the cabinet leave its sections less than no width: the
// mid rail under the drawer comes to nothing and is neither listed nor
// priced, while the stiles and rails around it are.
TEST_F(CutListTest, NoBoardOfNoSizeIsListedOrPriced)
{
    sections(2);
    param(Param::Mullion, "30");
    const CutList list = build(CutListKind::FaceFrame);
    EXPECT_EQ(Rows(list, "Mid Rail(s)"), std::vector<std::string> {});
    EXPECT_EQ(model.partArea[PartRow::MidRail], 0.0);
    EXPECT_EQ(Rows(list, "Face Rail(s)").size(), 1U);
    EXPECT_GT(model.partArea[PartRow::TopRail], 0.0);
}

} // namespace
