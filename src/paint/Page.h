// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QPen>
#include <QRectF>

class QPainter;

namespace boxmill {

// The measure of a drawn page (a shop drawing, a cutting diagram): every
// length and font size is given in points of a reference page and scaled
// to the page at hand, so that a window, a printer and a PDF file show the
// same picture. The reference is A4's shorter side, the narrower of the two
// common papers, so that a point never prints smaller than a point on
// either.
class Page {
public:
    static constexpr double kShortSide = 595;

    Page(const QPainter& painter, const QRectF& page);

    double operator()(double points) const { return points * m_unit; }
    // Fonts are sized in page points whatever the device's resolution.
    QFont font(double points, bool bold = false) const;
    QPen pen(double points) const;
    // The size, in printed points, that a page point comes out at.
    double printedPoint() const;

private:
    double m_unit;
    int m_dotsPerInch;
};

} // namespace boxmill
