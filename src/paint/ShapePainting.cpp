// SPDX-License-Identifier: GPL-3.0-or-later
#include "ShapePainting.h"

#include <QPainter>

#include <algorithm>
#include <cmath>
#include <limits>

namespace boxmill {

namespace {

int ToInt(double value)
{
    return static_cast<int>(
        std::clamp(value, double(std::numeric_limits<int>::min()), double(std::numeric_limits<int>::max())));
}

} // namespace

double ShapeMapping::x(long long unit) const
{
    const double at = double(unit) * scale + origin.x();
    return snapToPixels ? std::floor(at + 0.5) : at;
}

double ShapeMapping::y(long long unit) const
{
    const double at = double(unit) * scale + origin.y();
    return snapToPixels ? std::floor(at + 0.5) : at;
}

void PaintShapes(QPainter& painter, const ShapeSet& shapes, const ShapeMapping& mapping, const QRectF& exposed,
                 double lineWidth)
{
    painter.save();
    painter.setBrush(Qt::white);
    QPen pen(Qt::black, lineWidth);
    pen.setJoinStyle(Qt::MiterJoin);
    for (const auto& shape : shapes.shapes) {
        if (!ShapeDrawn(shape))
            continue;
        // Rectangles are given by their outer edges: the outline runs on
        // their first and last units.
        const double left = mapping.x(shape.left);
        const double right = mapping.x(static_cast<long long>(shape.left) + shape.width - 1);
        const double top = mapping.y(shape.top);
        const double bottom = mapping.y(static_cast<long long>(shape.top) + shape.height - 1);
        if (right < exposed.left() || left > exposed.right() || bottom < exposed.top() || top > exposed.bottom())
            continue;
        // The edges the cut adds lie outside the exposed area, which the
        // caller clips.
        const QPointF from(std::max(left, exposed.left()), std::max(top, exposed.top()));
        const QPointF to(std::min(right, exposed.right()), std::min(bottom, exposed.bottom()));
        // Blank shapes hide the line between two parts that read as one.
        pen.setColor(shape.blank ? Qt::white : Qt::black);
        painter.setPen(pen);
        if (mapping.snapToPixels)
            painter.drawRect(QRect(QPoint(ToInt(from.x()), ToInt(from.y())),
                                   QSize(ToInt(to.x() - from.x()), ToInt(to.y() - from.y()))));
        else
            painter.drawRect(QRectF(from, to));
    }
    painter.restore();
}

} // namespace boxmill
