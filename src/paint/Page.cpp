// SPDX-License-Identifier: GPL-3.0-or-later
#include "Page.h"

#include <QPaintDevice>
#include <QPainter>

#include <algorithm>

namespace boxmill {

namespace {

// Qt refuses a size of nothing; text this small is unreadable anyway.
constexpr double kLeastFontPoints = 0.5;

} // namespace

Page::Page(const QPainter& painter, const QRectF& page)
    : m_unit(std::min(page.width(), page.height()) / kShortSide)
    , m_dotsPerInch(painter.device() ? std::max(painter.device()->logicalDpiY(), 1) : 72)
{
}

QFont Page::font(double points, bool bold) const
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(std::max(points * printedPoint(), kLeastFontPoints));
    font.setBold(bold);
    return font;
}

QPen Page::pen(double points) const
{
    return QPen(Qt::black, points * m_unit, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin);
}

double Page::printedPoint() const
{
    return m_unit * 72.0 / m_dotsPerInch;
}

} // namespace boxmill
