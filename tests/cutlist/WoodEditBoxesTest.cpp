// SPDX-License-Identifier: GPL-3.0-or-later
#include "cutlist/WoodEditBoxes.h"

#include <gtest/gtest.h>

using namespace boxmill;

TEST(EditBoxesFromItem, SplitsItemsOfBothModes)
{
    using B = WoodEditBoxes;
    EXPECT_EQ(EditBoxesFromItem("Red Oak*0 3/4*2.50", UnitMode::Inches), (B {"Red Oak", "0", "3/4", "2.50"}));
    EXPECT_EQ(EditBoxesFromItem("Red Oak*19*2.50", UnitMode::Metric), (B {"Red Oak", "19", "0", "2.50"}));
    EXPECT_EQ(EditBoxesFromItem("Oak*0 3/4*4.50*sheet", UnitMode::Inches), (B {"Oak", "0", "3/4", "4.50*sheet"}));
    // A whole inch gets a zero fraction, or the item could not be used again.
    EXPECT_EQ(EditBoxesFromItem("Oak*1 *9.95", UnitMode::Inches), (B {"Oak", "1", "0", "9.95"}));
    // Without a blank, the price must not run into the thickness boxes.
    EXPECT_EQ(EditBoxesFromItem("Oak*19*4.50", UnitMode::Inches), (B {"Oak", "19", "", "4.50"}));
    EXPECT_EQ(EditBoxesFromItem("Oak", UnitMode::Inches), (B {"Oak", "", "", ""}));
}

TEST(ReadWoodBoxes, RefusesWhatWoodDatCouldNotHoldOrReadBack)
{
    const std::tuple<WoodEditBoxes, UnitMode, std::string> cases[] = {
        {{"Oak*Red", "0", "3/4", "4.50"}, UnitMode::Inches, "\"*\""},
        {{"Oak\r\nAsh", "0", "3/4", "4.50"}, UnitMode::Inches, "line break"},
        {{"Oak", "a", "3/4", "4.50"}, UnitMode::Inches, "'a' is not a valid number of whole inches."},
        {{"Oak", "0", "2/32", "4.50"}, UnitMode::Inches, std::string(kBadFractionMessage)},
        {{"Oak", "1.5", "0", "4.50"}, UnitMode::Metric, "'1.5'"},
        {{"Oak", "-5", "0", "4.50"}, UnitMode::Metric, "'-5' is not a valid whole number of millimetres."},
        {{"Oak", "-1", "3/4", "4.50"}, UnitMode::Inches, "negative"},
        {{"Oak", "0", "3/4", "4.50*x"}, UnitMode::Inches, "The cost '4.50*x' is not a number."},
        {{"Oak", "0", "3/4", "4.5\n"}, UnitMode::Inches, "is not a number"},
    };
    for (const auto& [boxes, mode, expected] : cases) {
        const auto entry = ReadWoodBoxes(boxes, mode);
        ASSERT_FALSE(entry) << boxes.woodType << " " << boxes.inchThick << " " << boxes.costSft;
        EXPECT_NE(entry.error().find(expected), std::string::npos) << entry.error();
    }
}
