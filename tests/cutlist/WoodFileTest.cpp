// SPDX-License-Identifier: GPL-3.0-or-later
#include "cutlist/WoodFile.h"

#include "core/FileIo.h"
#include "core/WoodList.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace boxmill;

TEST(WoodFileLines, TheShippedListingWritesBackItsOwnLines)
{
    auto lines = ReadTextLines(BOXMILL_DATA_DIR "/Wood.dat");
    ASSERT_TRUE(lines) << lines.error();
    auto written = WoodFileLines(BuildWoodListing(*lines, UnitMode::Inches).items, UnitMode::Inches);
    ASSERT_TRUE(written) << written.error();
    // The listing sorts 0 1/2 before 0 1/4, so only the set of lines is kept.
    auto expected = *lines;
    auto actual = *written;
    std::sort(expected.begin(), expected.end());
    std::sort(actual.begin(), actual.end());
    EXPECT_EQ(actual, expected);
    // The price is kept as typed; the thickness always gets a point.
    EXPECT_EQ(*WoodFileLines({"Oak*2 5/32*4,50"}, UnitMode::Inches), std::vector<std::string> {"Oak*2.15625*4,50"});
}
