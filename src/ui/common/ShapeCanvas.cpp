// SPDX-License-Identifier: GPL-3.0-or-later
#include "ShapeCanvas.h"

#include "paint/QtText.h"
#include "paint/ShapePainting.h"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <QToolTip>

#include <algorithm>
#include <cmath>
#include <limits>

namespace boxmill {

namespace {

// Blank room around the drawing.
constexpr int kMargin = 12;
// Below this a drawing would be smaller than it ever was before it was
// scaled, and its thin parts too small to click.
constexpr double kLeastScale = 1.0;
// A corrupt length can make a drawing as large as an int holds; the
// scrolled extent has to stay well inside what a scroll bar and the
// painter's coordinates hold.
constexpr double kMostExtent = 1 << 24;

int ToInt(double value)
{
    return static_cast<int>(
        std::clamp(value, double(std::numeric_limits<int>::min()), double(std::numeric_limits<int>::max())));
}

} // namespace

ShapeCanvas::ShapeCanvas(QWidget* parent)
    : QAbstractScrollArea(parent)
{
    setFrameShape(QFrame::NoFrame);
    viewport()->setBackgroundRole(QPalette::Window);
    viewport()->setMouseTracking(true);
    horizontalScrollBar()->setSingleStep(20);
    verticalScrollBar()->setSingleStep(20);
    setMinimumSize(160, 160);
}

void ShapeCanvas::setShapes(ShapeSet shapes, int zoom)
{
    // Most edits leave most drawings as they were; those are not painted
    // again.
    if (std::max(zoom, 1) == m_zoom && shapes == m_shapes)
        return;
    m_shapes = std::move(shapes);
    m_zoom = std::max(zoom, 1);
    m_extent = ExtentOf(m_shapes);
    layOut();
    viewport()->update();
}

QSize ShapeCanvas::fittingSize(QSize bound) const
{
    const double width = std::max<double>(double(m_extent.width()) / m_zoom, 1);
    const double height = std::max<double>(double(m_extent.height()) / m_zoom, 1);
    const double fit = std::min((bound.width() - 2 * kMargin) / width, (bound.height() - 2 * kMargin) / height);
    const double scale = std::min(std::max(fit, kLeastScale), kMostExtent / std::max(width, height));
    const QSize wanted(ToInt(width * scale) + 2 * kMargin, ToInt(height * scale) + 2 * kMargin);
    return wanted.boundedTo(bound);
}

void ShapeCanvas::layOut()
{
    // The fit is taken from the whole area, scroll bars or not, so that
    // showing one cannot change the scale and hide it again.
    const QSize area = maximumViewportSize();
    const double width = std::max<double>(double(m_extent.width()), 1);
    const double height = std::max<double>(double(m_extent.height()), 1);
    const double fit = m_zoom * std::min((area.width() - 2 * kMargin) / width, (area.height() - 2 * kMargin) / height);
    m_scale = std::min(std::max(fit, kLeastScale), kMostExtent / std::max(width, height));

    const int extentX = ToInt(width * m_scale) + 2 * kMargin;
    const int extentY = ToInt(height * m_scale) + 2 * kMargin;
    // A scroll bar in one direction takes room from the other.
    bool across = extentX > area.width();
    bool down = extentY > area.height();
    down = down || (across && extentY > area.height() - horizontalScrollBar()->sizeHint().height());
    across = across || (down && extentX > area.width() - verticalScrollBar()->sizeHint().width());
    const QSize view(area.width() - (down ? verticalScrollBar()->sizeHint().width() : 0),
                     area.height() - (across ? horizontalScrollBar()->sizeHint().height() : 0));
    // Showing or hiding a scroll bar resizes the viewport, which lays out
    // again from inside this.
    if (m_layingOut)
        return;
    m_layingOut = true;
    horizontalScrollBar()->setPageStep(view.width());
    verticalScrollBar()->setPageStep(view.height());
    horizontalScrollBar()->setRange(0, across ? extentX - view.width() : 0);
    verticalScrollBar()->setRange(0, down ? extentY - view.height() : 0);
    m_layingOut = false;
    // A drawing smaller than the area sits in its middle.
    const double leftEdge = across ? kMargin : (view.width() - width * m_scale) / 2;
    const double topEdge = down ? kMargin : (view.height() - height * m_scale) / 2;
    m_originX = leftEdge - double(m_extent.left) * m_scale;
    m_originY = topEdge - double(m_extent.top) * m_scale;
}

// The same mapping as the painting's.
double ShapeCanvas::pixelX(long long unit) const
{
    return ShapeMapping {m_scale, QPointF(m_originX - horizontalScrollBar()->value(), 0)}.x(unit);
}

double ShapeCanvas::pixelY(long long unit) const
{
    return ShapeMapping {m_scale, QPointF(0, m_originY - verticalScrollBar()->value())}.y(unit);
}

QPoint ShapeCanvas::mapFromDrawing(QPoint units) const
{
    return {ToInt(pixelX(units.x())), ToInt(pixelY(units.y()))};
}

QPoint ShapeCanvas::mapToDrawing(QPoint pixel) const
{
    const double x = (pixel.x() + horizontalScrollBar()->value() - m_originX) / m_scale;
    const double y = (pixel.y() + verticalScrollBar()->value() - m_originY) / m_scale;
    return {ToInt(std::floor(x + 0.5)), ToInt(std::floor(y + 0.5))};
}

const boxmill::Shape* ShapeCanvas::shapeAtPixel(QPoint pixel) const
{
    const QPoint at = mapToDrawing(pixel);
    return m_shapes.shapeAt(at.x(), at.y());
}

void ShapeCanvas::paintEvent(QPaintEvent* event)
{
    QPainter painter(viewport());
    const ShapeMapping mapping {
        m_scale, QPointF(m_originX - horizontalScrollBar()->value(), m_originY - verticalScrollBar()->value())};
    // Only what is exposed is painted, so a huge drawing costs no more than
    // the window it is seen through.
    PaintShapes(painter, m_shapes, mapping, QRectF(event->rect()).adjusted(-2, -2, 2, 2));
}

void ShapeCanvas::mousePressEvent(QMouseEvent* event)
{
    if (const boxmill::Shape* shape = shapeAtPixel(event->position().toPoint()); shape && shape->parameter)
        emit parameterPressed(*shape->parameter);
    QAbstractScrollArea::mousePressEvent(event);
}

void ShapeCanvas::resizeEvent(QResizeEvent* event)
{
    QAbstractScrollArea::resizeEvent(event);
    layOut();
}

void ShapeCanvas::scrollContentsBy(int, int)
{
    viewport()->update();
}

bool ShapeCanvas::viewportEvent(QEvent* event)
{
    if (event->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(event);
        const boxmill::Shape* shape = shapeAtPixel(help->pos());
        if (shape && !shape->hint.empty())
            QToolTip::showText(help->globalPos(), ToQt(shape->hint), viewport());
        else
            QToolTip::hideText();
        return true;
    }
    return QAbstractScrollArea::viewportEvent(event);
}

} // namespace boxmill
