// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/WoodList.h"
#include "core/FileIo.h"
#include "cutlist/WoodFile.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace boxmill;

TEST(WoodListItem, InchesShowTheThicknessAsAFraction)
{
    const auto item = [](std::string_view line) {
        auto entry = ParseWoodLine(line);
        EXPECT_TRUE(entry) << line;
        return entry ? WoodListItem(*entry, UnitMode::Inches) : std::string();
    };
    EXPECT_EQ(item("Oak*.75*4.50"), "Oak*0 3/4*4.50");
    // The formatted whole inch keeps its trailing blank.
    EXPECT_EQ(item("Oak*1*4.50"), "Oak*1 *4.50");
    EXPECT_EQ(item("Oak*1.5*4.50"), "Oak*1 1/2*4.50");
    EXPECT_EQ(item("Hardboard*0.125*0.65"), "Hardboard*0 1/8*0.65");
}

TEST(WoodListItem, MillimetresShowWholeMillimetresAndThePricePerSquareMetre)
{
    auto entry = ParseWoodLine("Oak*0.75*4.50");
    ASSERT_TRUE(entry);
    EXPECT_EQ(WoodListItem(*entry, UnitMode::Metric), "Oak*19*48");
    auto thick = ParseWoodLine("Oak*1*4.50");
    ASSERT_TRUE(thick);
    EXPECT_EQ(WoodListItem(*thick, UnitMode::Metric), "Oak*25*48");
}

TEST(ParseWoodLine, SplitsAtTheFirstTwoStarsAndKeepsTheRest)
{
    auto entry = ParseWoodLine("Baltic Birch*0,5*3.00 per sheet*special");
    ASSERT_TRUE(entry);
    EXPECT_EQ(entry->name, "Baltic Birch");
    EXPECT_EQ(entry->thickness, 0.5);
    EXPECT_EQ(entry->rest, "3.00 per sheet*special");

    auto noPrice = ParseWoodLine("Poplar*0.75*");
    ASSERT_TRUE(noPrice);
    EXPECT_EQ(noPrice->rest, "");
}

TEST(ParseWoodLine, RefusesLinesWithoutTwoStarsOrWithoutAThickness)
{
    for (const char* line : {"", "Oak", "Oak*", "Oak*0.75", "*", "Oak*abc*4.50", "Oak**4.50", "Oak*0.75.1*4.50"})
        EXPECT_FALSE(ParseWoodLine(line)) << '"' << line << '"';
}

TEST(WoodSettingText, PartRowCell)
{
    EXPECT_EQ(WoodSettingText("Oak", 0.75, UnitMode::Inches), "Oak*0-3/4");
    EXPECT_EQ(WoodSettingText("Oak", 0.75, UnitMode::Metric), "Oak*19");
    EXPECT_EQ(WoodSettingText("Oak", 1.5, UnitMode::Inches), "Oak*1 1/2");
    EXPECT_EQ(WoodSettingText("Oak", 1.0, UnitMode::Inches), "Oak*1 ");
}

TEST(BuildWoodListing, SkipsBrokenLinesAndNamesThem)
{
    const std::vector<std::string> lines = {"Walnut*0.75*13.5", "Oak 0.75 4.50", "Cherry*thick*9.75", "",
                                            "ash*0.75*6.75",    "Maple*"};
    const auto listing = BuildWoodListing(lines, UnitMode::Inches);
    EXPECT_EQ(listing.items, (std::vector<std::string> {"ash*0 3/4*6.75", "Walnut*0 3/4*13.5"}));
    ASSERT_EQ(listing.skipped.size(), 3u);
    EXPECT_NE(listing.skipped[0].find("line 2"), std::string::npos) << listing.skipped[0];
    EXPECT_NE(listing.skipped[0].find("Oak 0.75 4.50"), std::string::npos) << listing.skipped[0];
    EXPECT_NE(listing.skipped[1].find("line 3"), std::string::npos) << listing.skipped[1];
    EXPECT_NE(listing.skipped[1].find("thick"), std::string::npos) << listing.skipped[1];
    EXPECT_NE(listing.skipped[2].find("line 6"), std::string::npos) << listing.skipped[2];
}

TEST(BuildWoodListing, ReadsCrLfAndLfLinesAlike)
{
    const auto crlf = BuildWoodListing(SplitLines("Oak*0.75*4.50\r\nAsh*1*6.75\r\n"), UnitMode::Inches);
    const auto lf = BuildWoodListing(SplitLines("Oak*0.75*4.50\nAsh*1*6.75\n"), UnitMode::Inches);
    const auto mixed = BuildWoodListing(SplitLines("Oak*0.75*4.50\nAsh*1*6.75\r\n"), UnitMode::Inches);
    const std::vector<std::string> expected = {"Ash*1 *6.75", "Oak*0 3/4*4.50"};
    EXPECT_EQ(crlf.items, expected);
    EXPECT_EQ(lf.items, expected);
    EXPECT_EQ(mixed.items, expected);
    EXPECT_TRUE(crlf.skipped.empty());
}

TEST(SortListItems, AlphabeticalIgnoringCase)
{
    std::vector<std::string> items = {"walnut*0 3/4*13.5", "Ash*0 3/4*6.75", "birch*1 *5", "Alder*0 3/4*6.25",
                                      "Cherry*0 3/4*9.75"};
    SortListItems(items);
    EXPECT_EQ(items, (std::vector<std::string> {"Alder*0 3/4*6.25", "Ash*0 3/4*6.75", "birch*1 *5", "Cherry*0 3/4*9.75",
                                                "walnut*0 3/4*13.5"}));
}

TEST(WoodFileLines, WritesOnlyLinesThatLoadAgain)
{
    // 10000 inches shows as 254001 mm, which converts back to a little more
    // than a load accepts; the save says so instead of losing the wood.
    const auto items = BuildWoodListing({"Oak*10000*4.50", "Ash*0.75*6.75"}, UnitMode::Metric).items;
    ASSERT_EQ(items, (std::vector<std::string> {"Ash*19*72.7", "Oak*254001*48"}));
    const auto saved = WoodFileLines(items, UnitMode::Metric);
    ASSERT_FALSE(saved);
    EXPECT_NE(saved.error().find("Oak*254001*48"), std::string::npos) << saved.error();
    // Shown per square metre, the prices go back to the file per square foot.
    EXPECT_EQ(WoodFileLines({"Oak*254000*48", "Ash*19*72.7"}, UnitMode::Metric).value(),
              (std::vector<std::string> {"Oak*9999.98*4.5", "Ash*0.74803*6.75"}));
}
