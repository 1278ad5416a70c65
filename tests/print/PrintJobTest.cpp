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

ShapeSet Box(int width, int height)
{
    Shape shape;
    shape.name = "Box";
    shape.left = 292;
    shape.top = 72;
    shape.width = width;
    shape.height = height;
    shape.visible = true;
    return ShapeSet {{shape}};
}

TEST(PageComposer, BreaksALongListingWithoutLosingOrRepeatingALine)
{
    PageComposer pages(SetUpJob(1000, 10, 20), 800, 1);
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

TEST(PageComposer, AViewThatDoesNotFitStartsTheNextPageWithItsHeading)
{
    PageComposer pages(SetUpJob(1000, 10, 20), 800, 2);
    pages.lines(std::vector<std::string>(20, "x")); // y = 800
    const std::vector<std::string> heading = {"", "Front/Shell View:", "a", "b"};
    pages.view(Box(50, 100), heading, 2, 4);
    pages.view(Box(50, 10), heading, 2, 4);
    const auto printed = pages.take();
    ASSERT_EQ(printed.size(), 2U);
    EXPECT_TRUE(printed[0].drawings.empty());
    const PrintPage& second = printed[1];
    ASSERT_EQ(second.texts.size(), 8U);
    EXPECT_EQ(second.texts[0].y, 0);
    EXPECT_EQ(second.texts[1].text, "Front/Shell View:");
    ASSERT_EQ(second.drawings.size(), 2U);
    // Four lines and a gap above the drawing, twice as high as its units.
    EXPECT_EQ(second.drawings[0].y, 180);
    EXPECT_EQ(second.drawings[0].height, 200);
    EXPECT_EQ(second.drawings[0].left, 292);
    EXPECT_EQ(second.drawings[0].top, 72);
    // After the drawing a gap, then the next heading fits on the same page.
    EXPECT_EQ(second.texts[4].y, 400);
    EXPECT_EQ(second.drawings[1].y, 400 + 180);
}

TEST(PageComposer, ShrinksADrawingTooLargeForAnyPageInsteadOfTurningBlankPages)
{
    PageComposer pages(SetUpJob(1000, 10, 20), 800, 4);
    pages.line("Opening Sizes");
    pages.view(Box(100, 5000), {}, 1, 0);
    pages.view(Box(1000, 10), {}, 1, 0);
    const auto printed = pages.take();
    ASSERT_EQ(printed.size(), 3U);
    const PrintDrawing& tall = printed[1].drawings.at(0);
    EXPECT_EQ(tall.y, 0);
    EXPECT_LT(tall.height + 20, 1000);
    EXPECT_GT(tall.height, 900);
    // Too wide for the paper at this zoom: as wide as the paper.
    const PrintDrawing& wide = printed[2].drawings.at(0);
    EXPECT_DOUBLE_EQ(wide.scale, 0.8);
    EXPECT_EQ(wide.width, 800);
}

} // namespace
} // namespace boxmill
