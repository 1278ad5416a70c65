// SPDX-License-Identifier: GPL-3.0-or-later
// The cutlist editor's text: fields, the sections each build writes and
// when a section is left out. The default cabinet unless said.
#include "CutListFixture.h"

#include "core/IncludeParts.h"
#include "cutlist/CutlistEditor.h"
#include "cutlist/ListingFields.h"

#include <algorithm>

using namespace boxmill;
using namespace boxmill::test;
using S = SectionItem;

namespace {

class ListingTest : public CutListTest {
protected:
    Listing listing(ListingBuild which)
    {
        RecalculateLayout(model, layout);
        return told(BuildListing(which, model, layout, cost, "03/14/26"));
    }
    static bool Has(const Listing& l, std::string_view line)
    {
        return std::find(l.lines.begin(), l.lines.end(), line) != l.lines.end();
    }
    static bool HasTitle(const Listing& l, std::string_view title)
    {
        return std::any_of(l.lines.begin(), l.lines.end(),
                           [&](const std::string& line) { return line.starts_with(title); });
    }
};

} // namespace

TEST(ListingFields, PaddedFieldsLongTextsPushAndEmptyOnesPull)
{
    EXPECT_EQ(BoardLine("2", "Stile(s)", "1 1/2", "30 ", "Red Oak-3/4"),
              "2        Stile(s)          1 1/2       30          Red Oak-3/4  ");
    // A part name past its 18 columns pushes the rest right ...
    EXPECT_EQ(BoardLine("1", "A Very Long Part Name", "2 ", "3 ", "Oak-3/4"),
              "1        A Very Long Part Name2           3           Oak-3/4      ");
    // ... an empty width pulls it left.
    EXPECT_EQ(BoardLine("1", "Back", "", "34 ", "Birch Plywood-1/4"),
              "1        Back              34          Birch Plywood-1/4");
    EXPECT_EQ(MillLine("Scribe Lt.  Side:", kBlankMark, "1/2"),
              "Scribe Lt.  Side:                            \"\"              1/2  ");
    EXPECT_EQ(WoodLine("Red Oak", "11 x 3/4"), "Red Oak        11 x 3/4    ");
}

TEST_F(ListingTest, TheSectionsOfEachBuild)
{
    EXPECT_EQ(listing(ListingBuild::All).showing, "Showing Cutlist: Base\\Untitled.cab");
    struct Expected {
        ListingBuild build;
        const char* buildName;
        const char* saveName;
        std::vector<const char*> titles;
    };
    const std::vector<const char*> allTitles = {"Face Frame:",
                                                "Cabinet:",
                                                "Drawers:",
                                                "Doors:",
                                                "Wood Type",
                                                "Cabinet Mill Options:",
                                                "Drawer Mill Options:",
                                                "Raised Panel Mill Options:"};
    const Expected builds[] = {
        {ListingBuild::All, "Complete Cabinet:", "Complete.txt", allTitles},
        {ListingBuild::Cabinet, "Cabinet Only:", "Cabinet.txt", {"Cabinet:", "Wood Type", "Cabinet Mill Options:"}},
        {ListingBuild::Face, "Face Frame Only:", "Face.txt", {"Face Frame:", "Wood Type"}},
        {ListingBuild::Drawers, "Drawers Only:", "Drawers.txt", {"Drawers:", "Wood Type", "Drawer Mill Options:"}},
        {ListingBuild::Doors, "Doors Only:", "Doors.txt", {"Doors:", "Wood Type", "Raised Panel Mill Options:"}},
    };
    for (const auto& expected : builds) {
        const Listing l = listing(expected.build);
        EXPECT_EQ(l.buildName, expected.buildName);
        EXPECT_EQ(l.saveName, expected.saveName);
        for (const char* title : allTitles) {
            const auto& titles = expected.titles;
            const bool wanted = std::find(titles.begin(), titles.end(), title) != titles.end();
            EXPECT_EQ(HasTitle(l, title), wanted) << expected.saveName << ": " << title;
        }
    }
}

TEST_F(ListingTest, SectionsOfPartsTheCabinetDoesNotHaveAreLeftOut)
{
    // No face frame: no section, not even for the mid rails still included.
    include(IncludeItem::FaceFrame, false);
    Listing l = listing(ListingBuild::All);
    EXPECT_FALSE(HasTitle(l, "Face Frame:"));
    EXPECT_FALSE(HasTitle(l, "1        Mid Rail(s)"));

    // No doors: no door section and no raised panel mill options.
    item(0, S::DoorCount, 0);
    l = listing(ListingBuild::All);
    EXPECT_FALSE(HasTitle(l, "Doors:"));
    EXPECT_FALSE(HasTitle(l, "Raised Panel Mill Options:"));

    // A drawer with its face but not its box: the section stays, the box
    // joints go.
    model.record.setFlag(RecordOffset::DrawerEnabled, false);
    l = listing(ListingBuild::All);
    EXPECT_TRUE(Has(l, "Drawers:"));
    EXPECT_TRUE(HasTitle(l, "1        Dw Face(s)"));
    EXPECT_FALSE(HasTitle(l, "Drawer Mill Options:"));
    include(IncludeItem::DrawerFaces, false);
    include(IncludeItem::DrawerBoxes, false);
    EXPECT_FALSE(Has(listing(ListingBuild::All), "Drawers:"));
}

TEST_F(ListingTest, TheSameCabinetListsTheSameTextAgain)
{
    const Listing first = listing(ListingBuild::All);
    const Listing second = listing(ListingBuild::All);
    EXPECT_EQ(first.lines, second.lines);
    EXPECT_EQ(first.cutlistFile, second.cutlistFile);
    EXPECT_TRUE(prompter.shown.empty());
}

TEST_F(ListingTest, MetricListsMillimetresAndSquareMetres)
{
    model.units = UnitMode::Metric;
    const Listing l = listing(ListingBuild::Face);
    EXPECT_TRUE(Has(l, WoodLine("Wood Type", "SqM x Stock")));
    // 1 1/2 x 30 inch stiles are 38 x 762 mm.
    EXPECT_TRUE(Has(l, BoardLine("2", "Stile(s)", "38", "762", "Red Oak-19")));
}

TEST_F(ListingTest, UnreadableLabourLeavesNoJobTotal)
{
    const Listing before = listing(ListingBuild::Face);
    ASSERT_TRUE(Has(before, "Job Total: $" + cost.jobTotalText()));
    const std::string total = cost.jobTotalText();
    model.record.setHours("x");
    const Listing after = listing(ListingBuild::Cabinet);
    EXPECT_FALSE(Has(after, "Job Total: $" + total)) << "another list's total beside other hours";
    EXPECT_TRUE(Has(after, "Job Total: $"));
    ASSERT_EQ(prompter.shown.size(), 1u);
    EXPECT_EQ(prompter.shown[0].text, "Hours and cost must contain a number to calculate \"JobTotal\".");
}
