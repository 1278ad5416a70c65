// SPDX-License-Identifier: GPL-3.0-or-later
#include "FaceCanvas.h"

#include "ui/common/QtText.h"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

namespace boxmill {

FaceCanvas::FaceCanvas(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("FaceCanvas"));
    setMouseTracking(true);
}

void FaceCanvas::setShapes(ShapeSet shapes)
{
    m_shapes = std::move(shapes);
    update();
}

void FaceCanvas::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    for (const auto& shape : m_shapes.shapes) {
        if (!shape.visible || shape.width <= 0 || shape.height <= 0)
            continue;
        // Rectangles are given by their outer edges: the outline runs inside
        // them, so shapes that share an edge overlap by the pen's width, as
        // the drawing's one-unit overlaps expect.
        const QRect rect(shape.left, shape.top, shape.width, shape.height);
        painter.setPen(shape.blank ? QPen(Qt::white) : QPen(Qt::black));
        painter.setBrush(Qt::white);
        painter.drawRect(rect.adjusted(0, 0, -1, -1));
    }
}

void FaceCanvas::mousePressEvent(QMouseEvent* event)
{
    const QPoint at = event->position().toPoint();
    if (const Shape* shape = m_shapes.shapeAt(at.x(), at.y()); shape && shape->parameter)
        emit parameterPressed(*shape->parameter);
    QWidget::mousePressEvent(event);
}

bool FaceCanvas::event(QEvent* event)
{
    if (event->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(event);
        const Shape* shape = m_shapes.shapeAt(help->pos().x(), help->pos().y());
        if (shape && !shape->hint.empty())
            QToolTip::showText(help->globalPos(), ToQt(shape->hint), this);
        else
            QToolTip::hideText();
        return true;
    }
    return QWidget::event(event);
}

} // namespace boxmill
