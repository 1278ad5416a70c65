// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "designer/Shape.h"

#include <QAbstractScrollArea>

namespace boxmill {

// Paints a shape set scaled to fit the visible area, keeping its
// proportions, shows each shape's hint as its tool tip and reports presses
// on shapes that select a parameter. Presses and tool tips go through the
// same mapping as the painting.
//
// The drawing is never shown smaller than one pixel per drawing unit, the
// size it had before it was scaled; a drawing too large for the area at
// that size scrolls. A zoomed drawing (its units multiplied by `zoom`) is
// shown `zoom` times the size that fits, and scrolls as well.
class ShapeCanvas : public QAbstractScrollArea {
    Q_OBJECT

public:
    explicit ShapeCanvas(QWidget* parent = nullptr);

    void setShapes(ShapeSet shapes, int zoom = 1);
    const ShapeSet& shapes() const { return m_shapes; }
    int zoom() const { return m_zoom; }

    // Pixels per drawing unit as painted now.
    double scale() const { return m_scale; }
    // The viewport pixel a drawing-unit point is painted at, and the
    // drawing-unit point under a viewport pixel.
    QPoint mapFromDrawing(QPoint units) const;
    QPoint mapToDrawing(QPoint pixel) const;

    // The viewport size that shows the unzoomed drawing as large as fits
    // within `bound`, or, when it does not fit even at its least scale, as
    // much of it as `bound` holds.
    QSize fittingSize(QSize bound) const;

signals:
    void parameterPressed(int index);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    bool viewportEvent(QEvent* event) override;

private:
    void layOut();
    double pixelX(long long unit) const;
    double pixelY(long long unit) const;
    // QFrame has a Shape of its own.
    const boxmill::Shape* shapeAtPixel(QPoint pixel) const;

    ShapeSet m_shapes;
    int m_zoom = 1;
    // The drawn shapes' extent in drawing units: [left, right) x [top, bottom).
    DrawnExtent m_extent;
    double m_scale = 1;
    // Where drawing unit 0 lands in the viewport.
    double m_originX = 0;
    double m_originY = 0;
    bool m_layingOut = false;
};

} // namespace boxmill
