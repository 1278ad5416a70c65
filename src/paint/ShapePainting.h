// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "designer/Shape.h"

#include <QPointF>
#include <QRectF>

class QPainter;

namespace boxmill {

// Where drawing units land on a paint device: unit u is painted at
// u * scale + origin. On a screen each unit is put on the pixel its centre
// falls on, so that shapes overlapping by one unit, as neighbouring parts
// do, share their outline at every scale instead of showing two lines; a
// printer or a file keeps the exact positions.
struct ShapeMapping {
    double scale = 1;
    QPointF origin;
    bool snapToPixels = true;

    double x(long long unit) const;
    double y(long long unit) const;
};

// Paints the visible shapes in stacking order, white inside so that later
// shapes cover earlier ones, outlined with `pen`'s width in black, blank
// shapes outlined in white. Only what meets `exposed` is painted, with
// coordinates cut to it, so a huge drawing costs no more than the area it
// is seen through.
void PaintShapes(QPainter& painter, const ShapeSet& shapes, const ShapeMapping& mapping, const QRectF& exposed,
                 double lineWidth = 0);

} // namespace boxmill
