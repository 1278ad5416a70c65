// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/MessageText.h"
#include "core/WoodList.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

using namespace boxmill;

namespace {

const std::string kEllipsis = "\xE2\x80\xA6";
const std::string kReplacement = "\xEF\xBF\xBD";

std::string Times(int n, const std::string& text)
{
    std::string out;
    for (int i = 0; i < n; ++i)
        out += text;
    return out;
}

} // namespace

TEST(FileTextForMessage, CutsLongTextsAndReplacesControls)
{
    const std::string eAcute = "\xC3\xA9";
    const struct {
        std::string text;
        std::string shown;
    } cases[] = {
        {"Oak*0.75*4.50", "Oak*0.75*4.50"},
        {Times(80, "a"), Times(80, "a")},
        {Times(81, "a"), Times(79, "a") + kEllipsis},
        {Times(65536, "a"), Times(79, "a") + kEllipsis},
        // A character is a character, however many bytes UTF-8 gives it.
        {Times(80, eAcute), Times(80, eAcute)},
        {Times(81, eAcute), Times(79, eAcute) + kEllipsis},
        {"a\x1b[2Jb\x07", "a" + kReplacement + "[2Jb" + kReplacement},
        {"a\tb\r\n\x7f", "a b" + kReplacement + kReplacement + kReplacement},
        // C1 controls and direction overrides, in UTF-8 and in Latin-1.
        {"x\xC2\x9B"
         "1m\xE2\x80\xAEy",
         "x" + kReplacement + "1m" + kReplacement + "y"},
        {"H\xEAtre\x9B", "H\xC3\xAAtre" + kReplacement},
    };
    for (const auto& [text, shown] : cases)
        EXPECT_EQ(FileTextForMessage(text), shown) << text.substr(0, 100);
    EXPECT_EQ(QuoteFileText("Oak"), "\"Oak\"");
}

TEST(BuildWoodListing, AHugeLineIsQuotedShortAndClean)
{
    const std::string line = "Oak\x1b]0;owned\x07*" + std::string(65536, '9');
    const auto listing = BuildWoodListing({line, "Ash*1e308*6.75", "Elm*-0.5*2", "Fir*10000*1"}, UnitMode::Inches);
    EXPECT_EQ(listing.items, std::vector<std::string> {"Fir*10000 *1"});
    ASSERT_EQ(listing.skipped.size(), 3u);
    for (const auto& text : listing.skipped) {
        EXPECT_LT(text.size(), 300u) << text.substr(0, 300);
        EXPECT_TRUE(std::none_of(text.begin(), text.end(), [](char c) { return c >= 0 && c < 0x20; })) << text;
    }
}

TEST(TextForDisplay, KeepsUtf8AndLinesAndCleansTheRest)
{
    const std::string tab = "\t";
    const struct {
        std::string text;
        TabsShown tabs;
        std::string shown;
    } cases[] = {
        // A wood name that would retitle the terminal, or clear it.
        {"Oak\x1b]0;owned\x07*3/4\n", TabsShown::Kept, "Oak" + kReplacement + "]0;owned" + kReplacement + "*3/4\n"},
        {"\x1b[2J\r\x7f", TabsShown::Kept, kReplacement + "[2J" + kReplacement + kReplacement},
        // Direction overrides and isolates, and a C1 control, in UTF-8.
        {"Cannot access /jobs/\xE2\x80\xAEpdf.job", TabsShown::AsBlanks,
         "Cannot access /jobs/" + kReplacement + "pdf.job"},
        {"a\xE2\x81\xA6"
         "b\xE2\x81\xA9"
         "c\xE2\x80\x8F"
         "d\xC2\x9B",
         TabsShown::Kept, "a" + kReplacement + "b" + kReplacement + "c" + kReplacement + "d" + kReplacement},
        // Latin-1 bytes become UTF-8, even beside UTF-8 in the same line.
        {"H\xEAtre\t2\n", TabsShown::Kept, "H\xC3\xAAtre\t2\n"},
        {"\"Caf\xE9\" \xE2\x80\xA6", TabsShown::Kept, "\"Caf\xC3\xA9\" \xE2\x80\xA6"},
        {"\xFF\xC3", TabsShown::Kept, "\xC3\xBF\xC3\x83"},
        // Valid UTF-8 and plain text stay; a message's tab is a blank.
        {"Ch\xC3\xAAne \xE2\x80\x94 \xF0\x9F\xAA\xB5", TabsShown::Kept, "Ch\xC3\xAAne \xE2\x80\x94 \xF0\x9F\xAA\xB5"},
        {"Part" + tab + "Width\n", TabsShown::Kept, "Part" + tab + "Width\n"},
        {"Part" + tab + "Width\n", TabsShown::AsBlanks, "Part Width\n"},
        {"", TabsShown::Kept, ""},
    };
    for (const auto& [text, tabs, shown] : cases)
        EXPECT_EQ(TextForDisplay(text, tabs), shown) << text;
}
