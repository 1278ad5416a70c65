// SPDX-License-Identifier: GPL-3.0-or-later
#include "print/PrintPages.h"

#include <gtest/gtest.h>

#include <string>

namespace boxmill {
namespace {

TEST(PrintJob, SetUpSpacesLinesByFontAndGap)
{
    struct Case {
        int pageHeight, fontSize, gap;
        int linesPerPage, pitch, advance;
    };
    const Case cases[] = {
        {6000, 10, 20, 200, 30, 40},
        {6600, 13, 10, 286, 23, 36},
        // Shorter than one line: one line a page, never a division by nothing.
        {8, 10, 20, 1, 8, 18},
        {100, 0, 0, 100, 1, 2},
    };
    for (const Case& c : cases) {
        const JobSetup job = SetUpJob(c.pageHeight, c.fontSize, c.gap);
        EXPECT_EQ(job.linesPerPage, c.linesPerPage) << c.pageHeight << "/" << c.fontSize << "+" << c.gap;
        EXPECT_EQ(job.linePitch, c.pitch) << c.pageHeight;
        EXPECT_EQ(job.lineAdvance(), c.advance) << c.pageHeight;
    }
}

TEST(PrintJob, FitTestsLeaveTheLastUnitOfThePageFree)
{
    const JobSetup job = SetUpJob(6000, 10, 20);
    EXPECT_TRUE(TextLineFits(job, 5959));
    EXPECT_FALSE(TextLineFits(job, 5960));
    // 100 units of drawing, two gaps of 20 and four lines of 40.
    EXPECT_TRUE(DrawingFits(job, 5699, 100, 2, 4));
    EXPECT_FALSE(DrawingFits(job, 5700, 100, 2, 4));
    EXPECT_TRUE(DrawingFits(job, 5879, 100, 1, 0));
    EXPECT_FALSE(DrawingFits(job, 5880, 100, 1, 0));
}

ShopDrawingContent Sheet(const char* view)
{
    ShopDrawingContent content;
    content.viewName = view;
    return content;
}

TEST(PageComposer, BreaksALongListingWithoutLosingOrRepeatingALine)
{
    PageComposer pages(SetUpJob(1000, 10, 20));
    std::vector<std::string> listing;
    for (int i = 0; i < 100; ++i)
        listing.push_back("line " + std::to_string(i));
    pages.lines(listing);
    const auto printed = pages.take();
    // Lines at 0, 40 ... 920 fit: 24 a page.
    ASSERT_EQ(printed.size(), 5U);
    std::size_t next = 0;
    for (const PrintPage& page : printed) {
        EXPECT_LE(page.texts.size(), 24U);
        for (std::size_t i = 0; i < page.texts.size(); ++i) {
            EXPECT_EQ(page.texts[i].y, static_cast<int>(i) * 40);
            EXPECT_EQ(page.texts[i].text, listing.at(next++));
        }
    }
    EXPECT_EQ(next, listing.size());
}

TEST(PageComposer, AHeadingGoesToTheNextPageUnlessWhatItTitlesStartsUnderIt)
{
    EXPECT_TRUE(IsHeading("Doors:"));
    EXPECT_TRUE(IsHeading("Cabinet Mill Options:     Height/Top:   Depth:  "));
    EXPECT_FALSE(IsHeading("Job Total: $12.50"));
    EXPECT_FALSE(IsHeading("Butt Joint Front(s):   \"\"  \"\""));
    EXPECT_FALSE(IsHeading("   "));

    // 24 lines a page, at 0, 40 ... 920.
    const struct {
        std::size_t before;
        std::size_t onFirstPage; // lines of the first page
    } cases[] = {
        {20, 24},           // heading, blank, separator and first board all fit
        {21, 21},           // the board would be the first page's 25th line
        {22, 22}, {23, 23}, // the heading would be the page's last line
        {24, 24},           // the heading falls on the next page anyway
    };
    for (const auto& c : cases) {
        std::vector<std::string> listing(c.before, "board");
        for (const char* line : {"Doors:", "", "------", "1        Door Panel(s)", "2        Stile(s)"})
            listing.emplace_back(line);
        PageComposer pages(SetUpJob(1000, 10, 20));
        pages.lines(listing);
        const auto printed = pages.take();
        ASSERT_EQ(printed.size(), 2U) << c.before;
        EXPECT_EQ(printed[0].texts.size(), c.onFirstPage) << c.before;
        EXPECT_EQ(printed[0].texts.size() + printed[1].texts.size(), listing.size()) << c.before;
        EXPECT_FALSE(IsHeading(printed[0].texts.back().text)) << c.before;
    }
}

TEST(PageComposer, EachViewTakesTheRestOfAPageOfItsOwnUnderItsHeading)
{
    PageComposer pages(SetUpJob(1000, 10, 20));
    pages.lines(std::vector<std::string>(3, "x"));
    const std::vector<std::string> heading = {"", "Front/Shell View:", "a", "b"};
    pages.sheet(heading, Sheet("Front"));
    pages.sheet(heading, Sheet("Top"));
    pages.line("after");
    const auto printed = pages.take();
    ASSERT_EQ(printed.size(), 4U);
    EXPECT_TRUE(printed[0].sheets.empty());
    for (std::size_t p = 1; p <= 2; ++p) {
        const PrintPage& page = printed[p];
        ASSERT_EQ(page.texts.size(), 4U);
        EXPECT_EQ(page.texts[0].y, 0);
        EXPECT_EQ(page.texts[1].text, "Front/Shell View:");
        ASSERT_EQ(page.sheets.size(), 1U);
        // Four lines and a gap above the drawing, which fills the page.
        EXPECT_EQ(page.sheets[0].y, 180);
        EXPECT_EQ(page.sheets[0].height, 820);
    }
    EXPECT_EQ(printed[2].sheets[0].content.viewName, "Top");
    ASSERT_EQ(printed[3].texts.size(), 1U);
    EXPECT_EQ(printed[3].texts[0].y, 0);
}

TEST(PageComposer, AHeadingThatFillsMostOfAPageLeavesItsDrawingAWholePage)
{
    PageComposer pages(SetUpJob(1000, 10, 20));
    pages.sheet(std::vector<std::string>(18, "Opening Sizes"), Sheet("Face"));
    const auto printed = pages.take();
    ASSERT_EQ(printed.size(), 2U);
    EXPECT_TRUE(printed[0].sheets.empty());
    ASSERT_EQ(printed[1].sheets.size(), 1U);
    EXPECT_EQ(printed[1].sheets[0].y, 0);
    EXPECT_EQ(printed[1].sheets[0].height, 1000);
}

} // namespace
} // namespace boxmill
