// SPDX-License-Identifier: GPL-3.0-or-later
#include "PrintPages.h"

#include <algorithm>
#include <climits>
#include <cmath>

namespace boxmill {

namespace {

struct Extent {
    long long left = LLONG_MAX;
    long long top = LLONG_MAX;
    long long right = LLONG_MIN;
    long long bottom = LLONG_MIN;
    bool empty() const { return left > right || top > bottom; }
    long long width() const { return empty() ? 0 : right - left; }
    long long height() const { return empty() ? 0 : bottom - top; }
};

Extent DrawnExtent(const ShapeSet& shapes)
{
    Extent extent;
    for (const auto& shape : shapes.shapes) {
        if (!shape.visible || shape.width <= 0 || shape.height <= 0)
            continue;
        extent.left = std::min<long long>(extent.left, shape.left);
        extent.top = std::min<long long>(extent.top, shape.top);
        extent.right = std::max(extent.right, static_cast<long long>(shape.left) + shape.width);
        extent.bottom = std::max(extent.bottom, static_cast<long long>(shape.top) + shape.height);
    }
    return extent;
}

int Length(long long units, double scale)
{
    return static_cast<int>(std::min(std::ceil(double(units) * scale - 1e-6), double(INT_MAX / 4)));
}

} // namespace

PageComposer::PageComposer(const JobSetup& job, int pageWidth, double drawingScale)
    : m_job(job)
    , m_pageWidth(std::max(pageWidth, 1))
    , m_drawingScale(drawingScale > 0 ? drawingScale : 1)
{
}

PrintPage& PageComposer::page()
{
    if (m_pages.empty())
        m_pages.emplace_back();
    return m_pages.back();
}

void PageComposer::newPage()
{
    page();
    m_pages.emplace_back();
    m_y = 0;
}

void PageComposer::line(std::string text)
{
    // At the top of a page the line is written whatever its height: trying
    // it again on yet another page would never end.
    if (!TextLineFits(m_job, m_y) && m_y > 0)
        newPage();
    page().texts.push_back({m_y, std::move(text)});
    m_y += m_job.lineAdvance();
}

void PageComposer::lines(std::span<const std::string> texts)
{
    for (const auto& text : texts)
        line(text);
}

void PageComposer::skip(int units)
{
    m_y += units;
}

void PageComposer::view(const ShapeSet& shapes, std::span<const std::string> heading, int g, int k)
{
    const Extent extent = DrawnExtent(shapes);
    // A zoom that would run the drawing off the paper's side gives way to
    // the paper.
    double scale = m_drawingScale;
    if (extent.width() > 0)
        scale = std::min(scale, double(m_pageWidth) / double(extent.width()));
    if (!DrawingFits(m_job, m_y, Length(extent.height(), scale), g, k) && m_y > 0)
        newPage();
    // Taller than a whole page: shrunk to fit one, instead of starting page
    // after empty page.
    const long long room = static_cast<long long>(m_job.pageHeight) - 1 - static_cast<long long>(g) * m_job.gap -
                           static_cast<long long>(k) * m_job.lineAdvance();
    if (extent.height() > 0 && !DrawingFits(m_job, m_y, Length(extent.height(), scale), g, k) && room > 0)
        scale = std::min(scale, double(room) / double(extent.height()));

    lines(heading);
    if (!heading.empty())
        m_y += m_job.gap;
    PrintDrawing drawing;
    drawing.y = m_y;
    drawing.shapes = shapes;
    drawing.left = extent.empty() ? 0 : static_cast<int>(extent.left);
    drawing.top = extent.empty() ? 0 : static_cast<int>(extent.top);
    drawing.scale = scale;
    drawing.width = Length(extent.width(), scale);
    drawing.height = Length(extent.height(), scale);
    m_y += drawing.height + m_job.gap;
    page().drawings.push_back(std::move(drawing));
}

std::vector<PrintPage> PageComposer::take()
{
    page();
    m_y = 0;
    return std::move(m_pages);
}

} // namespace boxmill
