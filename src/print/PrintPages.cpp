// SPDX-License-Identifier: GPL-3.0-or-later
#include "PrintPages.h"

#include <algorithm>

namespace boxmill {

namespace {

bool IsBlank(std::string_view line)
{
    return line.find_first_not_of(" \t") == std::string_view::npos;
}

bool IsSeparator(std::string_view line)
{
    return !line.empty() && line.find_first_not_of('-') == std::string_view::npos;
}

// What is left of a page under a view's heading before its drawing would be
// too small to read: it then takes the whole of the next page.
constexpr int kLeastSheetShare = 3;

} // namespace

bool IsHeading(std::string_view line)
{
    const auto end = line.find_last_not_of(" \t");
    return end != std::string_view::npos && line[end] == ':';
}

PageComposer::PageComposer(const JobSetup& job)
    : m_job(job)
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

bool PageComposer::linesFit(std::size_t count) const
{
    if (count == 0)
        return true;
    return TextLineFits(m_job, static_cast<int>(std::min<long long>(
                                   m_y + static_cast<long long>(count - 1) * m_job.lineAdvance(), m_job.pageHeight)));
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
    for (std::size_t i = 0; i < texts.size(); ++i) {
        if (IsHeading(texts[i]) && m_y > 0) {
            std::size_t last = i + 1;
            while (last < texts.size() && (IsBlank(texts[last]) || IsSeparator(texts[last])))
                ++last;
            if (!linesFit(std::min(last, texts.size() - 1) - i + 1))
                newPage();
        }
        line(texts[i]);
    }
}

void PageComposer::skip(int units)
{
    m_y += units;
}

void PageComposer::sheet(std::span<const std::string> heading, ShopDrawingContent content)
{
    if (m_y > 0)
        newPage();
    lines(heading);
    if (!heading.empty())
        m_y += m_job.gap;
    if (m_job.pageHeight - m_y < m_job.pageHeight / kLeastSheetShare)
        newPage();
    page().sheets.push_back({m_y, m_job.pageHeight - m_y, std::move(content)});
    // Whatever follows begins the next page.
    m_y = m_job.pageHeight;
}

std::vector<PrintPage> PageComposer::take()
{
    page();
    m_y = 0;
    return std::move(m_pages);
}

} // namespace boxmill
