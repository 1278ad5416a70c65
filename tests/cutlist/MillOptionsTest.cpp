// SPDX-License-Identifier: GPL-3.0-or-later
// Mill option lines on the default cabinet (one 24 inch section with a
// 1 1/2 inch frame on a 4 1/2 inch toekick, rabbeted carcass rails, dadoed
// dividers notched for the rails), changed one choice at a time.
#include "CutListFixture.h"

#include "core/IncludeParts.h"
#include "cutlist/ListingFields.h"
#include "cutlist/MillOptions.h"

#include <algorithm>

using namespace boxmill;
using namespace boxmill::test;
using S = SectionItem;
using O = CabinetOption;

namespace {

class MillOptionsTest : public CutListTest {
protected:
    std::vector<std::string> cabinetLines()
    {
        RecalculateLayout(model, layout);
        std::vector<std::string> lines;
        Tell(prompter, AddCabinetMillOptions(model, layout, lines));
        return lines;
    }
    std::vector<std::string> panelLines()
    {
        std::vector<std::string> lines;
        AddPanelMillOptions(model, layout, lines);
        return lines;
    }
    // The lines whose label starts with `label`, in order.
    static std::vector<std::string> Find(const std::vector<std::string>& lines, std::string_view label)
    {
        std::vector<std::string> found;
        std::copy_if(lines.begin(), lines.end(), std::back_inserter(found),
                     [&](const std::string& line) { return line.starts_with(label); });
        return found;
    }
    static std::string Line(std::string_view label, std::string_view top, std::string_view depth)
    {
        return MillLine(label, top, depth);
    }
};

const std::string_view kBlank = kBlankMark;

} // namespace

TEST_F(MillOptionsTest, ABottomTooLowForDadoesIsRabbetedAndTheDividerFollows)
{
    // Dadoed: the bottom's underside stands 3/4 (the rail below it) plus the
    // 4 1/2 toekick up, so the dado is 34 1/2 - 5 1/4 - 3/4 from the top.
    EXPECT_EQ(Find(cabinetLines(), "Dado Sides   For Bottom:"),
              std::vector<std::string> {Line("Dado Sides   For Bottom:", "28 1/2", "1/4")});
    EXPECT_TRUE(prompter.shown.empty());

    // Without frame and toekick the bottom sits at the lower edge.
    sections(2);
    include(IncludeItem::FaceFrame, false);
    include(IncludeItem::ToeKick, false);
    const auto lines = cabinetLines();
    EXPECT_EQ(Find(lines, "Rabbit Sides For Bottom:"),
              std::vector<std::string> {Line("Rabbit Sides For Bottom:", kBlank, "3/8")});
    ASSERT_EQ(prompter.shown.size(), 1u);
    EXPECT_EQ(prompter.shown[0].kind, MessageKind::Information);
    EXPECT_TRUE(prompter.shown[0].text.starts_with("Bottom Dadoes/Rabbits are checked."));
    // The divider stands (24 - 1 1/2 - 3/4) / 2 = 10 7/8 in; the layout adds
    // the 1/4 dado, the rabbit reaches 3/8 instead. The carcass rail sits
    // in the divider's notch: set out, not dadoed.
    EXPECT_EQ(Find(lines, "Dado Bottom  For Divider1:"),
              std::vector<std::string> {Line("Dado Bottom  For Divider1:", "11 1/4", "1/4")});
    EXPECT_EQ(Find(lines, "Set  Carcass For Divider1:"),
              std::vector<std::string> {Line("Set  Carcass For Divider1:", "11 1/4", kBlank)});
    EXPECT_EQ(Find(lines, "Notch Divider"),
              std::vector<std::string> {Line("Notch Divider 1 For Carcass Rail:", "4 ", "3/4")});
}

TEST_F(MillOptionsTest, PartitionDadoesOnTheSidesAndDividersOfTheirSection)
{
    item(0, S::Partition, 1);
    option(O::ExtraPartition, true);
    // Centred, the partition is (27 - 1 1/2) / 2 = 12 3/4 below the top rail:
    // 14 1/4 from the top. The second partition lies under the 1 1/2 rail
    // and the 5 1/2 drawer: 21 1/4.
    EXPECT_EQ(Find(cabinetLines(), "Dado "),
              (std::vector<std::string> {Line("Dado Lt.  Side For Partition1: Sec 1", "14 1/4", "1/4"),
                                         Line("Dado Lt.  Side For Partition2: Sec 1", "21 1/4", "1/4"),
                                         Line("Dado Rt.  Side For Partition1: Sec 1", "14 1/4", "1/4"),
                                         Line("Dado Rt.  Side For Partition2: Sec 1", "21 1/4", "1/4"),
                                         Line("Dado Sides   For Bottom:", "28 1/2", "1/4")}));

    // The second of two sections: on the divider, which starts below the
    // 3/4 carcass rail and reaches 1/4 into it: 1 1/2 - 3/4 + 12 3/4 + 1/4.
    option(O::ExtraPartition, false);
    sections(2);
    item(0, S::Partition, 0);
    item(1, S::Partition, 1);
    EXPECT_EQ(Find(cabinetLines(), "Dado Divider 1 For Partition1"),
              std::vector<std::string> {Line("Dado Divider 1 For Partition1: Sec 2", "13 3/4", "1/4")});
}

TEST_F(MillOptionsTest, TopsNailersCornersAndBases)
{
    auto lines = cabinetLines();
    EXPECT_EQ(Find(lines, "Shelve(s)   Style:Adjustable"),
              std::vector<std::string> {Line("Shelve(s)   Style:Adjustable", "1/8", "1/2")});
    EXPECT_TRUE(Find(lines, "Dado Divider").empty());
    EXPECT_EQ(Find(lines, "Rabbit Sides For Nailer(s)").size(), 1u);

    include(IncludeItem::CarcassRails, false);
    include(IncludeItem::Top, true);
    option(O::TopButtJoint, true);
    param(66, "0");
    option(O::BackInside, true);
    flag(RecordOffset::BlindCorner, true);
    lines = cabinetLines();
    // An overhang of zero is no overhang.
    EXPECT_EQ(Find(lines, "Top  Setting:OverLay"),
              std::vector<std::string> {Line("Top  Setting:OverLay", kBlank, "1 ")});
    // Behind a back fitted inside, the nailer goes into dadoes in front of it.
    EXPECT_EQ(Find(lines, "Dado   Sides For Nailer(s)"),
              std::vector<std::string> {Line("Dado   Sides For Nailer(s)", "1/4", "3/8")});
    EXPECT_EQ(Find(lines, "Blind"), std::vector<std::string> {Line("Blind Rt.   Corner:", kBlank, "12 ")});

    flag(RecordOffset::BlindCorner, false);
    option(O::BlindMate, true);
    option(O::LeftCorner, true);
    flag(RecordOffset::DetachedBase, true);
    lines = cabinetLines();
    EXPECT_EQ(Find(lines, "Lt.  Blind Mate:"), std::vector<std::string> {Line("Lt.  Blind Mate:", kBlank, kBlank)});
    EXPECT_EQ(Find(lines, "Toekick Base Style:"),
              std::vector<std::string> {Line("Toekick Base Style:", "Detached", kBlank)});
    EXPECT_TRUE(Find(lines, "Notch").empty());
}

TEST_F(MillOptionsTest, DoublePanelsWithTheirOffsetDirection)
{
    item(0, S::DoublePanel, 1);
    item(0, S::Horizontal, 1);
    EXPECT_EQ(Find(panelLines(), "Double Panel:"),
              std::vector<std::string> {Line("Double Panel:Lower Sec 1 Horizontal", "Center", kBlank)});
    item(0, S::LowerPanelsOffset, 1);
    EXPECT_EQ(Find(panelLines(), "Double Panel:"),
              std::vector<std::string> {Line("Double Panel:Lower Sec 1 Horizontal", "Offset Up", "2 ")});
    item(0, S::NegativeOffset, 1);
    EXPECT_EQ(Find(panelLines(), "Double Panel:"),
              std::vector<std::string> {Line("Double Panel:Lower Sec 1 Horizontal", "OffSet Down", "2 ")});
    // Two panels side by side fit a single door of the section, not two.
    item(0, S::Horizontal, 0);
    item(0, S::DoorCount, 1);
    RecalculateLayout(model, layout);
    EXPECT_EQ(Find(panelLines(), "Double Panel:"),
              std::vector<std::string> {Line("Double Panel:Lower Sec 1 Vertical  ", "OffSet Left", "2 ")});

    include(IncludeItem::DoorFrames, false);
    EXPECT_TRUE(panelLines().empty());
}
