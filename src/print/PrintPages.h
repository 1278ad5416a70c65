// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "PrintJob.h"

#include "designer/Shape.h"

#include <span>
#include <string>
#include <vector>

namespace boxmill {

// A line of text whose top lies `y` printer units down the page, at its
// left edge.
struct PrintText {
    int y = 0;
    std::string text;
};

// A drawing on the page: the shapes' drawn extent, whose top-left corner
// (`left`, `top` in drawing units) lands at the page's left edge `y`
// printer units down, each drawing unit `scale` printer units long.
struct PrintDrawing {
    int y = 0;
    ShapeSet shapes;
    int left = 0;
    int top = 0;
    double scale = 1;
    int width = 0; // on the page, printer units
    int height = 0;
};

struct PrintPage {
    std::vector<PrintText> texts;
    std::vector<PrintDrawing> drawings;
};

// Lays out one print job, top to bottom, page by page, in printer units.
class PageComposer {
public:
    // `drawingScale`: printer units for one drawing unit at the chosen zoom.
    PageComposer(const JobSetup& job, int pageWidth, double drawingScale);

    const JobSetup& job() const { return m_job; }
    int y() const { return m_y; }
    std::size_t pageCount() const { return m_pages.size(); }

    // One line of text at the page's left edge; a line that would run off
    // the page starts the next one.
    void line(std::string text);
    void lines(std::span<const std::string> texts);
    // Moves down without writing.
    void skip(int units);
    // A view with its heading: when the heading lines, the drawing and `g`
    // gaps do not fit below the lines written so far, a new page begins.
    // `k` is the room the heading needs, in lines (at least its own).
    // A heading is followed by a gap, the drawing by another.
    void view(const ShapeSet& shapes, std::span<const std::string> heading, int g, int k);

    std::vector<PrintPage> take();

private:
    PrintPage& page();
    void newPage();

    JobSetup m_job;
    int m_pageWidth;
    double m_drawingScale;
    int m_y = 0;
    std::vector<PrintPage> m_pages;
};

} // namespace boxmill
