// SPDX-License-Identifier: GPL-3.0-or-later
#include "help/RtfReader.h"

#include "core/FileIo.h"

#include "WindowsEditorText.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>
#include <utility>
#include <vector>

using namespace boxmill;

namespace {

const std::filesystem::path kRtfData = std::filesystem::path(BOXMILL_TEST_DATA_DIR) / "rtf";

std::string PlainTextOf(std::string_view rtf)
{
    const auto document = ReadRtf(rtf);
    return document ? RtfPlainText(*document) : "error: " + document.error();
}

// Made by the word processors themselves (make-fixtures.sh), with non-ASCII
// text in escapes and Unicode, a table, a picture, a footer, list numbers
// before the headings and a heading that occurs twice.
TEST(RtfReader, ReadsWhatWordProcessorsWrite)
{
    for (const char* name : {"pandoc", "libreoffice"}) {
        SCOPED_TRACE(name);
        const auto document = ReadRtfFile(kRtfData / (std::string(name) + ".rtf"));
        ASSERT_TRUE(document) << document.error();
        const auto expected = ReadFileBytes(kRtfData / (std::string(name) + ".txt"));
        ASSERT_TRUE(expected);
        EXPECT_EQ(RtfPlainText(*document), *expected);

        std::vector<std::pair<int, std::string>> headings;
        std::vector<std::string> styled;
        for (const RtfParagraph& paragraph : document->paragraphs) {
            if (paragraph.headingLevel > 0)
                headings.emplace_back(paragraph.headingLevel, RtfPlainText(RtfDocument {{paragraph}}));
            for (const RtfRun& run : paragraph.runs) {
                if (paragraph.headingLevel == 0 && (run.bold || run.italic || run.underline))
                    styled.push_back(std::string(run.bold ? "b:" : run.italic ? "i:" : "u:") + run.text);
            }
        }
        const std::vector<std::pair<int, std::string>> expectedHeadings = {
            {1, "Cabinet Designer:"}, {2, "Parameters:"}, {2, "Parameters:"}};
        EXPECT_EQ(headings, expectedHeadings);
        EXPECT_GE(styled.size(), 3U);
        EXPECT_EQ(std::vector<std::string>(styled.begin(), styled.begin() + 3),
                  (std::vector<std::string> {"b:bold", "i:italic", "u:underlined"}));
    }
}

TEST(RtfReader, DecodesCharactersAndSkipsWhatIsNotText)
{
    const std::pair<std::string_view, std::string_view> cases[] = {
        {R"({\rtf1\ansi\ansicpg1252 caf\'e9 \'80\'93q\'94})", "café €“q”"},
        // A code page this reader does not know: no wrong letters.
        {R"({\rtf1\ansi\ansicpg1251 \'c0b})", "\xEF\xBF\xBD"
                                              "b"},
        {R"({\rtf1 \uc2\u8364 EUx\uc0\u246 y})", "€xöy"},
        // The fallback ends with its group; negative values are above 0x7FFF.
        {R"({\rtf1 {\u8364}?\u-3913?})", "€?\xEF\x82\xB7"},
        {R"({\rtf1 \u-10179?\u-8704?|\u-10179?z})", "😀|\xEF\xBF\xBDz"},
        {R"({\rtf1{\fonttbl{\f0 Arial;}}{\colortbl;\red1;}{\info{\title T}}{\*\generator G;}a\tab b\line c\par d})",
         "a\tb\nc\nd"},
        {R"({\rtf1 x{\pict\bin4 }}{}y}{\*\unknown z}\{\}\\})", "x{}\\"},
        {R"({\rtf1{\header h\par}{\field{\*\fldinst HYPERLINK "u"}{\fldrslt link}}\par}trailing)", "link"},
        {R"({\rtf1 {\listtext\tab}Heading\par{\listtext 1.\tab}Item})", "Heading\n1.\tItem"},
        {"{\\rtf1 a\\\nb}", "a\nb"},
    };
    for (const auto& [rtf, text] : cases)
        EXPECT_EQ(PlainTextOf(rtf), text) << rtf;
}

TEST(RtfReader, HeadingsComeFromOutlineLevelsAndHeadingStyles)
{
    const auto document = ReadRtf(R"({\rtf1{\stylesheet{\s0 Normal;}{\s3\b Heading 2;}})"
                                  R"({\pard\s3 Styled\par}{\pard\outlinelevel0 Outlined\par}\pard\s0 Body\par})");
    ASSERT_TRUE(document) << document.error();
    ASSERT_EQ(document->paragraphs.size(), 3U);
    EXPECT_EQ(document->paragraphs[0].headingLevel, 2);
    EXPECT_EQ(document->paragraphs[1].headingLevel, 1);
    EXPECT_EQ(document->paragraphs[2].headingLevel, 0);
    EXPECT_EQ(RtfPlainText(*document), "Styled\nOutlined\nBody");
}

TEST(RtfReader, RefusesMalformedDocumentsWithAMessage)
{
    std::string manyParagraphs = "{\\rtf1 ";
    for (std::size_t i = 0; i <= RtfLimit::Paragraphs; ++i)
        manyParagraphs += "\\par ";
    const std::pair<std::string, std::string_view> cases[] = {
        {"", "not an RTF document"},
        {"<html>", "not an RTF document"},
        {R"({\rtf1 {a})", "still open"},
        {"{\\rtf1 a\\", "truncated escape"},
        {R"({\rtf1 \'4)", "truncated escape"},
        {R"({\rtf1 \'zz})", "invalid escape"},
        {R"({\rtf1 \bin99 x})", "truncated binary"},
        {R"({\rtf1 \fs99999999999 x})", "out of range"},
        {"{\\rtf1 " + std::string(10000, '{'), "nested more than"},
        {"{\\rtf1 " + std::string(RtfLimit::Bytes, 'a') + "}", "more than a help document"},
        {manyParagraphs, "paragraphs"},
    };
    for (const auto& [rtf, message] : cases) {
        const auto document = ReadRtf(rtf);
        ASSERT_FALSE(document) << rtf.substr(0, 40);
        EXPECT_NE(document.error().find(message), std::string::npos) << document.error();
    }
}

// Every cut of a real document is either read or refused; none crashes.
TEST(RtfReader, SurvivesEveryTruncationOfARealDocument)
{
    const auto bytes = ReadFileBytes(kRtfData / "libreoffice.rtf");
    ASSERT_TRUE(bytes);
    for (std::size_t length = 0; length < bytes->size(); length += 53)
        (void)ReadRtf(std::string_view(*bytes).substr(0, length));
}

TEST(RtfReader, FileErrorsNameTheFile)
{
    const auto folder = std::filesystem::temp_directory_path() / ("rtf-reader-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    const auto huge = folder / "Huge.rtf";
    std::ofstream(huge) << "{\\rtf1 ";
    std::filesystem::resize_file(huge, 50 * 1024 * 1024);
    const auto broken = folder / "Broken.rtf";
    std::ofstream(broken) << "{\\rtf1 {";
    for (const auto& path : {folder / "Missing.rtf", huge, broken}) {
        const auto document = ReadRtfFile(path);
        ASSERT_FALSE(document);
        EXPECT_NE(document.error().find(path.string()), std::string::npos) << document.error();
    }
    std::filesystem::remove_all(folder);
}

} // namespace

TEST(RtfReader, ReadsWhatAWindowsEditorSaves)
{
    test::ExpectReadsWhatAWindowsEditorSaves({"RTF", "{\\rtf1\\ansi Help text}",
                                              [](const std::string& bytes) {
                                                  const auto document = ReadRtf(bytes);
                                                  return document ? RtfPlainText(*document)
                                                                  : test::ReadError(document.error());
                                              },
                                              nullptr});
}
