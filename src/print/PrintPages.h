// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "PrintJob.h"
#include "ShopDrawingContent.h"

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace boxmill {

// A line of text whose top lies `y` printer units down the page, at its
// left edge.
struct PrintText {
    int y = 0;
    std::string text;
};

// A construction view's shop drawing in the page's full width, from `y` to
// `y` + `height` printer units down.
struct PrintSheet {
    int y = 0;
    int height = 0;
    ShopDrawingContent content;
};

struct PrintPage {
    std::vector<PrintText> texts;
    std::vector<PrintSheet> sheets;
};

// A line that titles what follows it ("Doors:", "Cabinet Mill Options: ...",
// "Front/Shell View:"): it ends with a colon.
bool IsHeading(std::string_view line);

// Lays out one print job, top to bottom, page by page, in printer units;
// the pages' height is what the job's setup gives, below any page header.
class PageComposer {
public:
    explicit PageComposer(const JobSetup& job);

    const JobSetup& job() const { return m_job; }
    int y() const { return m_y; }
    std::size_t pageCount() const { return m_pages.size(); }

    // One line of text at the page's left edge; a line that would run off
    // the page starts the next one.
    void line(std::string text);
    // Lines in order, none of their headings left at the foot of a page:
    // a heading goes with the blank lines and separators under it and the
    // first line of what it titles.
    void lines(std::span<const std::string> texts);
    // Moves down without writing.
    void skip(int units);
    // A view on a page of its own: its heading lines at the top, its shop
    // drawing in the rest of the page.
    void sheet(std::span<const std::string> heading, ShopDrawingContent content);

    std::vector<PrintPage> take();

private:
    PrintPage& page();
    void newPage();
    // Whether `count` lines written from here would all end on this page.
    bool linesFit(std::size_t count) const;

    JobSetup m_job;
    int m_y = 0;
    std::vector<PrintPage> m_pages;
};

} // namespace boxmill
