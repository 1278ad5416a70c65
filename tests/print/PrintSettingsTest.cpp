// SPDX-License-Identifier: GPL-3.0-or-later
#include "print/PrintSettings.h"

#include "TempFolder.h"
#include "WindowsEditorText.h"

#include "core/FileIo.h"

#include <gtest/gtest.h>

namespace boxmill {
namespace {

TEST(PrintSettings, ReadsTheTwoPositions)
{
    struct Case {
        const char* bytes;
        int zoom, gap;
    };
    for (const Case& c : {Case {"0\r\n0\r\n", 0, 0}, Case {"4\r\n3\r\n", 4, 3}, Case {"8\n6", 8, 6},
                          Case {" 2 \r\n 1\r\n\r\n", 2, 1}}) {
        const auto settings = ParsePrintOptions(c.bytes);
        ASSERT_TRUE(settings) << c.bytes << settings.error();
        EXPECT_EQ(*settings, (PrintSettings {c.zoom, c.gap})) << c.bytes;
    }
    EXPECT_DOUBLE_EQ((PrintSettings {4, 3}).zoom(), 3.0);
    EXPECT_EQ((PrintSettings {4, 3}).gap(), 25);
}

TEST(PrintSettings, RefusesWhatIsNotTwoPositionsNamingTheFile)
{
    for (const char* bytes : {"", "4", "4\r\n", "x\r\n1\r\n", "9\r\n0\r\n", "-1\r\n0\r\n", "1\r\n7\r\n", "1.5\r\n0\r\n",
                              "1\r\n2\r\n3\r\n"}) {
        const auto settings = ParsePrintOptions(bytes);
        ASSERT_FALSE(settings) << bytes;
        EXPECT_NE(settings.error().find("Printopt.dat"), std::string::npos) << settings.error();
    }
}

TEST(PrintSettings, APositionBeyondItsListIsToldSoNotThatThereIsNone)
{
    const std::pair<const char*, const char*> cases[] = {
        {"9\r\n0\r\n", "Printopt.dat has the zoom position 9 on its first line, beyond its list: "},
        {"-1\r\n0\r\n", "Printopt.dat has the zoom position -1 on its first line, beyond its list: "},
        {"1\r\n7\r\n", "Printopt.dat has the space position 7 on its second line, beyond its list: "},
        {"1\r\n99999999999999999999\r\n",
         "Printopt.dat has the space position 99999999999999999999 on its second line, beyond its list: "},
        {"x\r\n1\r\n", "Printopt.dat has no zoom position on its first line: "},
        {"1\r\n1.5\r\n", "Printopt.dat has no space position on its second line: "},
    };
    for (const auto& [bytes, message] : cases) {
        const auto settings = ParsePrintOptions(bytes);
        ASSERT_FALSE(settings) << bytes;
        EXPECT_EQ(settings.error().rfind(message, 0), 0u) << settings.error();
    }
}

TEST(PrintSettings, WritesWhatItReadsAndRefusesAMissingFile)
{
    test::TempFolder folder;
    const auto missing = ReadPrintOptions(folder.path());
    ASSERT_FALSE(missing);
    EXPECT_NE(missing.error().find("Printopt.dat"), std::string::npos) << missing.error();

    // "3.0" and "25" chosen.
    ASSERT_TRUE(WritePrintOptions(folder.path(), {4, 3}));
    EXPECT_EQ(ReadFileBytes(folder.path() / "Printopt.dat").value(), "4\r\n3\r\n");
    EXPECT_EQ(ReadPrintOptions(folder.path()).value(), (PrintSettings {4, 3}));
}

} // namespace

TEST(PrintSettings, ReadsWhatAWindowsEditorSaves)
{
    test::ExpectReadsWhatAWindowsEditorSaves({"Printopt.dat", "4\r\n3\r\n",
                                              [](const std::string& bytes) {
                                                  const auto settings = ParsePrintOptions(bytes);
                                                  return settings ? std::to_string(settings->zoomIndex)
                                                                  : test::ReadError(settings.error());
                                              },
                                              "Printopt.dat"});
}

} // namespace boxmill
