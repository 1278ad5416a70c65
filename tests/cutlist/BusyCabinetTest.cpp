// SPDX-License-Identifier: GPL-3.0-or-later
// The complete listing of tests/data/Busy.txt, every line worked out by hand
// from the workshop rules (inches; stock 3/4 unless said; frame members
// 1 1/2, mullions 2; the section table and options as Busy.txt has them).
#include "CutListFixture.h"
#include "RecordFixtures.h"

#include "core/CabinetFile.h"
#include "cutlist/CutlistEditor.h"
#include "cutlist/ListingFields.h"

using namespace boxmill;
using namespace boxmill::test;

namespace {

const std::string kSep(70, '-');
const std::string kB(kBlankMark);

std::string Board(const char* q, const char* part, const char* width, const char* length, const char* wood)
{
    return BoardLine(q, part, width, length, wood);
}
std::string Mill(const std::string& label, const std::string& top, const std::string& depth)
{
    return MillLine(label, top, depth);
}

// Layout. Opening 34 1/2 - 1 1/2 - 1 1/2 - 4 1/2 = 27. Face widths
// (46 - 3 - 2 x 2) / 3 = 13. The "Width" row moves sections 2 and 3 by
// (2 - 3/4) / 2 = 5/8 for divider 2 set flush left: 12 3/8 and 13 5/8.
// A: drawer 1 5 1/2; a bank of two shares 27 - 7 - 1 1/2 = 18 1/2: 9 1/4.
// B: centred upper opening (27 - 1 1/2) / 2 = 12 3/4, moved above centre to
//    the wanted 10; lower 15 1/2 less drawer 5 1/2 and its rail = 8 1/2;
//    upper shelves (10 - 1 1/2) / 3 = 2 5/6 = 2 27/32; lower shelf
//    (8 1/2 - 3/4) / 2 = 3 7/8.
// C: lower 27; shelves (27 - 1 1/2) / 3 = 8 1/2.
const std::array<std::array<std::string, 3>, LayoutResult::kGridRows> kExpectedLayout = {{
    {"13 ", "12 3/8", "13 5/8"},
    {"", "10 ", ""},
    {"", "8 1/2", "27 "},
    {"", "2 27/32", ""},
    {"5 1/2", "5 1/2", ""},
    {"9 1/4", "", ""},
    {"9 1/4", "", ""},
    {"", "", ""},
    {"", "3 7/8", "8 1/2"},
}};

std::vector<std::string> ExpectedCompleteListing(const std::string& cabinetStyle)
{
    return {
        "Todays Date 03/14/26",
        "Cabinet Style: " + cabinetStyle,
        kSep,
        Board("Quantity", "Parts  ", "Width  ", "Length ", "Stock  "),
        kSep,
        "Face Frame:",
        "",
        // Stiles 34 1/2 less the toekick; rails 46 less both stiles.
        Board("2", "Stile(s)", "1 1/2", "30 ", "Red Oak-3/4"),
        Board("2", "Face Rail(s)", "1 1/2", "43 ", "Red Oak-3/4"),
        // Two mullions between three sections, 30 less both rails.
        Board("2", "Mullion(s)", "2 ", "27 ", "Red Oak-3/4"),
        // Two under A's drawers (the last banked one has none), one in B.
        Board("3", "Mid Rail(s)", "1 1/2", "13 ", "Red Oak-3/4"),
        Board("1", "Pt Rail(s)", "1 1/2", "13 ", "Red Oak-3/4"),
        // Between B's doors: the 8 1/2 lower opening, then the 10 upper one.
        Board("1", "Dr Mullion(s)", "2 ", "8 1/2", "Red Oak-3/4"),
        Board("1", "Dr Mullion(s)", "2 ", "10 ", "Red Oak-3/4"),
        kSep,
        "Cabinet:",
        "",
        // Between the sides 46 - 1 1/2 = 44 1/2, plus two 1/4 dadoes, less the
        // 1/2 scribe; 24 deep less the frame and the 1/4 back.
        Board("1", "Top", "23 ", "44 1/2", "Birch Plywood-3/4"),
        Board("1", "Bottom", "23 ", "44 1/2", "Birch Plywood-3/4"),
        // Full width less the scribe; full height less the 1/2 top setdown.
        Board("1", "Back", "45 1/2", "34 ", "Birch Plywood-1/4"),
        Board("2", "Side(s)", "23 ", "34 1/2", "Oak Plywood-3/4"),
        // 4 1/2 and the 3/4 the bottom rail drops below the bottom.
        Board("1", "Toekick", "5 1/4", "46 ", "Birch Plywood-3/4"),
        // Carcass widths 14 3/8, 13 5/8 (flush left: 14 1/4 - 5/8), 15
        // (14 3/8 + 5/8), each plus two 1/4 dadoes. B's lower shelf and its two
        // upper shelves are alike; C's two; depth 24 - 3/4 - 1/4.
        Board("3", "Shelve(s)", "23 ", "14 1/8", "Birch Plywood-3/4"),
        Board("2", "Shelve(s)", "23 ", "15 1/2", "Birch Plywood-3/4"),
        // 34 1/2 less toekick 4 1/2, rail drop 1 1/2, top 3/4 and setdown
        // 1/2, plus two 1/4 dadoes.
        Board("2", "Divider(s)", "23 ", "27 3/4", "Birch Plywood-3/4"),
        // Double partition under A's drawers: 14 3/8 - 1/2 scribe + 1/2;
        // B's partition and its double: 13 5/8 + 1/2.
        Board("1", "Partition(s)", "23 ", "14 3/8", "Birch Plywood-3/4"),
        Board("2", "Partition(s)", "23 ", "14 1/8", "Birch Plywood-3/4"),
        // 44 1/2 + two 3/8 rabbits - 1/2 scribe.
        Board("2", "Nailer(s)", "3 1/2", "44 3/4", "Poplar-3/4"),
        kSep,
        "Drawers:",
        "",
        // 13 + 3/4 wide; 5 1/2 + 3/4 (A1, B1) and 9 1/4 + 3/4 (A2; A3's face
        // is switched off).
        Board("2", "Dw Face(s)", "6 1/4", "13 3/4", "Red Oak-3/4"),
        Board("1", "Dw Face(s)", "10 ", "13 3/4", "Red Oak-3/4"),
        // Box 13 - 1 = 12 wide; heights less 1 clearance, 1/4 bottom and
        // 1/2 groove. Rabbeted fronts 12 - 1 + 1/2; dovetailed backs 12.
        Board("2", "Dw Front(s)", "3 3/4", "11 1/2", "Baltic Birch-1/2"),
        Board("2", "Dw Front(s)", "7 1/2", "11 1/2", "Baltic Birch-1/2"),
        Board("2", "Dw Back(s)", "3 3/4", "12 ", "Baltic Birch-1/2"),
        Board("2", "Dw Back(s)", "7 1/2", "12 ", "Baltic Birch-1/2"),
        // 21 less the 1/8 dovetail allowance; face height less 1.
        Board("4", "Dw Side(s)", "4 1/2", "20 7/8", "Baltic Birch-1/2"),
        Board("4", "Dw Side(s)", "8 1/4", "20 7/8", "Baltic Birch-1/2"),
        Board("4", "Dw Bottom(s)", "11 1/2", "21 ", "Baltic Birch-1/4"),
        kSep,
        "Doors:",
        "",
        // B below: doors (13 - 2) / 2 + 3/4 = 6 1/4 by 8 1/2 + 3/4 = 9 1/4;
        // panel 6 1/4 - 4 1/2 + 3/4 - 3/16 by 9 1/4 - 4 1/2 + 3/4 - 1/8.
        Board("2", "Dr Panel(s)", "2 5/16", "5 3/8", "Red Oak-3/4"),
        // C: 13 3/4 by 27 3/4; frame opening 9 13/16 by 23 7/8; two panels
        // side by side (9 13/16 - 2 1/4) / 2 + 3/8 - 3/32 = 4 1/16, the first
        // 2 wider, the second 2 narrower.
        Board("1", "Dr Panel(s)", "6 1/16", "23 7/8", "Red Oak-3/4"),
        Board("1", "Dr Panel(s)", "2 1/16", "23 7/8", "Red Oak-3/4"),
        // B above: doors 6 1/4 by 10 3/4; panels one above the other
        // (10 3/4 - 4 1/2 + 3/4 - 1/8 - 2 1/4) / 2 + 3/8 - 1/16, no offset.
        Board("4", "Dr Panel(s)", "2 5/16", "2 5/8", "Red Oak-3/4"),
        Board("4", "Dr Stile(s)", "2 1/4", "9 1/4", "Red Oak-3/4"),
        Board("2", "Dr Stile(s)", "2 1/4", "27 3/4", "Red Oak-3/4"),
        Board("4", "Dr Stile(s)", "2 1/4", "10 3/4", "Red Oak-3/4"),
        // Between the stiles with their 3/8 tenons: 6 1/4 - 3 3/4, 13 3/4 - 3 3/4.
        Board("8", "Dr Rails(s)", "2 1/4", "2 1/2", "Red Oak-3/4"),
        Board("2", "Dr Rails(s)", "2 1/4", "10 ", "Red Oak-3/4"),
        // C's runs up between the rails: 27 3/4 - 3 3/4; B's across.
        Board("1", "Dr Mid Rail(s)", "2 1/4", "24 ", "Red Oak-3/4"),
        Board("2", "Dr Mid Rail(s)", "2 1/4", "2 1/2", "Red Oak-3/4"),
        kSep,
        // Square inches per wood and stock, over 144, whole part plus one:
        //   Birch 3/4: top and bottom 2 x 1023.5, toekick 241.5, shelves
        //     1687.625, dividers and partitions 2256.875: 6233 -> 43.28 -> 44
        //   Oak 3/4: sides 2 x 793.5 -> 11.02 -> 12;  Birch 1/4: back 1547 -> 11
        //   Poplar: nailers 313.25 -> 3;  Baltic 1/2: 258.75 + 270 + 1064.625
        //     -> 11.07 -> 12;  Baltic 1/4: 966 -> 7
        //   Red Oak: frame 90 + 129 + 108 + 58.5 + 19.5 + 37, faces 309.375,
        //     door stiles 304.875, rails 90, panels 243.125, mid rails 65.25:
        //     1454.625 -> 10.10 -> 11
        WoodLine("Wood Type", "SqFt x Stock"),
        "",
        WoodLine("Birch Plywood", "44 x 3/4"),
        WoodLine("Oak Plywood", "12 x 3/4"),
        WoodLine("Birch Plywood", "11 x 1/4"),
        WoodLine("Poplar", "3 x 3/4"),
        WoodLine("Red Oak", "11 x 3/4"),
        WoodLine("Baltic Birch", "12 x 1/2"),
        WoodLine("Baltic Birch", "7 x 1/4"),
        kSep,
        // 44 x 3.10 + 12 x 3.25 + 11 x 1.35 + 3 x 4.50 + 11 x 6.50 + 12 x 3.00
        // + 7 x 1.60 = 322.45, and 6 hours at 55.
        "Job Total: $652.45",
        kSep,
        Mill("Cabinet Mill Options:", "Height/Top:", "Depth:"),
        kSep,
        Mill("Set Divider 1:", "Center", kB),
        Mill("Set Divider 2:", "Flush To Left", kB),
        // Rabbeted right: the toekick height, 3 - 3/4 + 3/4 - 1/4 deep. Left:
        // with the 3/4 rail drop, 3 deep.
        Mill("Notch Rt.   Side For Toekick:", "4 1/2", "2 3/4"),
        Mill("Notch Lt.   Side For Toekick:", "5 1/4", "3 "),
        Mill("Scribe Lt.  Side:", kB, "1/2"),
        Mill("Rabbit Rt.  Side Of  Toekick:", kB, "1/4"),
        // B's partition 10 below the top rail, on both dividers (the middle
        // section's labels): 1 1/2 - (3/4 + 1/2) + 10 + 1/4 into the top; the
        // double one 1 1/2 + 5 1/2 further down.
        Mill("Dado Divider1  For Partition1: Sec 2", "10 1/2", "1/4"),
        Mill("Dado Divider2  For Partition1: Sec 2", "10 1/2", "1/4"),
        Mill("Dado Divider1  For Partition2: Sec 2", "17 1/2", "1/4"),
        Mill("Dado Divider2  For Partition2: Sec 2", "17 1/2", "1/4"),
        // B's lower shelf: 1 1/2 + 10 + 1 1/2 + 5 1/2 + 1 1/2 + 3 7/8; upper:
        // 1 1/2 + 2 27/32 (2 5/6 rounds to 27/32; 4 1/3 to 11/32).
        Mill("Dado Divider 1 For Shelve(s) Lower:Sec 2", "23 7/8", "1/4"),
        Mill("Dado Divider 2 For Shelve(s) Lower:Sec 2", "23 7/8", "1/4"),
        Mill("Dado Divider 1 For Shelve(s) Upper:Sec 2", "4 11/32", "1/4"),
        Mill("Dado Divider 2 For Shelve(s) Upper:Sec 2", "4 11/32", "1/4"),
        Mill("Dado Intervals For Shelve(s) Upper:Sec 2", "2 27/32", kB),
        // C: 1 1/2 + 8 1/2.
        Mill("Dado Divider 2 For Shelve(s) Lower:Sec 3", "10 ", "1/4"),
        Mill("Dado Rt.  Side For Shelve(s) Lower:Sec 3", "10 ", "1/4"),
        Mill("Dado Intervals For Shelve(s) Lower:Sec 3", "8 1/2", kB),
        // 34 1/2 - (3/4 + 4 1/2) - 3/4.
        Mill("Dado Sides   For Bottom:", "28 1/2", "1/4"),
        // Divider 1 at 14 3/8 + 1/4 - 1/2 scribe on the bottom, 14 3/8 + 1/4
        // - 1/2 under the top; divider 2 a divider and 13 5/8 further.
        Mill("Dado Bottom  For Divider1:", "14 1/8", "1/4"),
        Mill("Dado Top     For Divider1:", "14 1/8", "1/4"),
        Mill("Dado Bottom  For Divider2:", "28 1/2", "1/4"),
        Mill("Dado Top     For Divider2:", "28 1/2", "1/4"),
        Mill("Dado   Sides For Top:", "1/2", "1/4"),
        Mill("Rabbit Sides For Nailer(s)", kB, "3/8"),
        kSep,
        Mill("Drawer Mill Options:", "Height/Top:", "Depth:"),
        kSep,
        Mill("Rabbit Front(s):", kB, "1/4"),
        Mill("Dovetail Back(s): (Remainder)", kB, "1/8"),
        Mill("Dado Sides For Bottom(s):", "1/2", "1/4"),
        kSep,
        Mill("Raised Panel Mill Options:", "Height/Top:", "Depth:"),
        kSep,
        Mill("Mortise Depth:", kB, "3/8"),
        Mill("Mortise Space Length:", "1/8", kB),
        Mill("Mortise Space Width:", "3/16", kB),
        Mill("Double Panel:Lower Sec 3 Vertical  ", "OffSet Left", "2 "),
        Mill("Double Panel:Upper Sec 2 Horizontal", "Center", kB),
    };
}

class BusyCabinetTest : public CutListTest {
protected:
    BusyCabinetTest() { load(kBusyCabinetSource); }
};

} // namespace

TEST(BusyCabinet, TheSavedFileIsItsReadableSource)
{
    const auto saved = ReadCabinetFile(std::filesystem::path(BOXMILL_TEST_DATA_DIR) / "Busy.cab");
    ASSERT_TRUE(saved.ok()) << saved.error();
    EXPECT_TRUE(*saved == CompileCabinetSource(kBusyCabinetSource));
}

TEST_F(BusyCabinetTest, SectionalDimensions)
{
    EXPECT_EQ(layout.grid, kExpectedLayout);
}

TEST_F(BusyCabinetTest, CompleteListingLineByLine)
{
    const std::vector<std::string> expected = ExpectedCompleteListing("Base\\Untitled.cab");
    const Listing listing = told(BuildListing(ListingBuild::All, model, layout, cost, "03/14/26"));
    for (std::size_t i = 0; i < std::max(expected.size(), listing.lines.size()); ++i) {
        EXPECT_EQ(i < listing.lines.size() ? listing.lines[i] : "(missing)",
                  i < expected.size() ? expected[i] : "(none)")
            << "line " << i + 1;
    }
    EXPECT_TRUE(prompter.shown.empty());
    // One working-file record per board line: 7 + 11 + 9 + 11.
    EXPECT_EQ(listing.cutlistFile.size(), 38u);
    EXPECT_EQ(listing.cutlistFile.front(), "Stile(s),1 1/2,30 ,2,Red Oak-3/4,Base\\Untitled.cab");
    EXPECT_EQ(listing.cutlistFile.back(), "Dr Mid Rail(s),2 1/4,2 1/2,2,Red Oak-3/4,Base\\Untitled.cab");
}

// The command-line companion's end-to-end test compares its output with
// these files; they hold the values above.
TEST(BusyCabinet, TheCommandLineExpectationsAreTheHandWorkedValues)
{
    const std::filesystem::path data = BOXMILL_TEST_DATA_DIR;
    EXPECT_EQ(SplitLines(ReadAllBytes(data / "Busy.listing-all.txt")), ExpectedCompleteListing("Busy.cab"));
    std::vector<std::string> layoutLines;
    const char* titles[] = {"Width",    "Upper",    "Lower",    "Shelve(s)", "Drawer 1",
                            "Drawer 2", "Drawer 3", "Drawer 4", "Shelve(s)"};
    for (std::size_t row = 0; row < kExpectedLayout.size(); ++row)
        layoutLines.push_back(std::string(titles[row]) + "\t" + kExpectedLayout[row][0] + "\t" +
                              kExpectedLayout[row][1] + "\t" + kExpectedLayout[row][2]);
    EXPECT_EQ(SplitLines(ReadAllBytes(data / "Busy.layout.txt")), layoutLines);
}
