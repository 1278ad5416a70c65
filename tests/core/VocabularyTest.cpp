// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/Vocabulary.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace boxmill;

namespace {

Vocabulary WithParameters(std::vector<std::string> names)
{
    return Vocabulary(std::move(names), {}, {});
}

} // namespace

TEST(Vocabulary, ListShowsNamesAlphabeticallyWhileTheBaseKeepsFileOrder)
{
    const std::vector<std::string> file = {"Cabinet Height", "cabinet Depth", "Toe Kick Height", "Adjustable Shelf Gap",
                                           "bottom Offset"};
    const auto vocabulary = WithParameters(file);
    EXPECT_EQ(vocabulary.parameterBase(), file);
    EXPECT_EQ(vocabulary.sortedParameters(),
              (std::vector<std::string> {"Adjustable Shelf Gap", "bottom Offset", "cabinet Depth", "Cabinet Height",
                                         "Toe Kick Height"}));
}

TEST(Vocabulary, IndexAndSortedRowFindEachOther)
{
    const auto vocabulary = WithParameters({"Width", "depth", "Height", "apron", "Base"});
    for (int index = 0; index < 5; ++index) {
        const auto row = vocabulary.sortedRowOfParameter(index);
        ASSERT_TRUE(row) << index;
        EXPECT_EQ(vocabulary.sortedParameters()[static_cast<std::size_t>(*row)],
                  vocabulary.parameterBase()[static_cast<std::size_t>(index)]);
        EXPECT_EQ(vocabulary.parameterIndexOfName(vocabulary.parameterName(index)), index);
    }
    EXPECT_EQ(vocabulary.sortedRowOfParameter(5), std::nullopt);
    EXPECT_EQ(vocabulary.sortedRowOfParameter(-1), std::nullopt);
    EXPECT_EQ(vocabulary.parameterIndexOfName("width"), std::nullopt) << "names compare exactly";
    EXPECT_EQ(vocabulary.parameterIndexOfName("Unknown"), std::nullopt);
}

TEST(Vocabulary, ARepeatedNameAlwaysResolvesToTheFirst)
{
    const auto vocabulary = WithParameters({"Gap", "Width", "Gap", "Depth"});
    EXPECT_EQ(vocabulary.parameterIndexOfName("Gap"), 0);
    // Selecting parameter 2 selects the row of its name, which stands for
    // parameter 0 again.
    EXPECT_EQ(vocabulary.sortedRowOfParameter(2), vocabulary.sortedRowOfParameter(0));
    const auto row = vocabulary.sortedRowOfParameter(2);
    ASSERT_TRUE(row);
    EXPECT_EQ(vocabulary.parameterIndexOfName(vocabulary.sortedParameters()[static_cast<std::size_t>(*row)]), 0);
}

TEST(Vocabulary, PartNamesAlwaysHaveThirtyOneRows)
{
    const Vocabulary shortList({}, {}, {"Top", "Bottom"});
    ASSERT_EQ(shortList.partNames().size(), 31u);
    EXPECT_EQ(shortList.partNames()[1], "Bottom");
    EXPECT_EQ(shortList.partNames()[30], "");

    std::vector<std::string> longList(40, "Part");
    EXPECT_EQ(Vocabulary({}, {}, longList).partNames().size(), 31u);
}

TEST(Vocabulary, AnIndexWithoutANameStillGetsOneForMessages)
{
    const auto vocabulary = WithParameters({"Height"});
    EXPECT_EQ(vocabulary.parameterName(0), "Height");
    EXPECT_FALSE(vocabulary.parameterName(5).empty());
    EXPECT_FALSE(vocabulary.parameterName(-1).empty());
}
