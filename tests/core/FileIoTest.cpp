// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/FileIo.h"
#include "RecordFixtures.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

using namespace boxmill;

TEST(SplitLines, CrLfAndLfEndingsAndALastLineWithoutOne)
{
    EXPECT_EQ(SplitLines("a\r\nb\r\n"), (std::vector<std::string> {"a", "b"}));
    EXPECT_EQ(SplitLines("a\nb\n"), (std::vector<std::string> {"a", "b"}));
    EXPECT_EQ(SplitLines("a\r\n\r\nb"), (std::vector<std::string> {"a", "", "b"}));
    EXPECT_TRUE(SplitLines("").empty());
}

TEST(TextLines, WrittenWithCrLfAndReadBack)
{
    test::TempFolder folder;
    const std::vector<std::string> lines = {"Oak*0.75*4.50", "", "Ash*1*6.75"};
    ASSERT_TRUE(WriteTextLines(folder / "Wood.dat", lines));
    EXPECT_EQ(test::ReadAllBytes(folder / "Wood.dat"), "Oak*0.75*4.50\r\n\r\nAsh*1*6.75\r\n");
    auto read = ReadTextLines(folder / "Wood.dat");
    ASSERT_TRUE(read) << read.error();
    EXPECT_EQ(*read, lines);
}

TEST(ReadFileBytes, AMissingFileIsAnErrorThatNamesIt)
{
    test::TempFolder folder;
    auto read = ReadFileBytes(folder / "Dims.dat");
    ASSERT_FALSE(read);
    EXPECT_NE(read.error().find("Dims.dat"), std::string::npos) << read.error();
}
