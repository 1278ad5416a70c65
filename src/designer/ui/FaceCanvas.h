// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "designer/Shape.h"

#include <QWidget>

namespace boxmill {

// Paints a shape set at the shapes' own coordinates (the drawing's origin
// is part of them), shows each shape's hint as its tool tip, and reports
// presses on shapes that select a parameter.
class FaceCanvas : public QWidget {
    Q_OBJECT

public:
    explicit FaceCanvas(QWidget* parent = nullptr);

    void setShapes(ShapeSet shapes);
    const ShapeSet& shapes() const { return m_shapes; }

signals:
    void parameterPressed(int index);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    bool event(QEvent* event) override;

private:
    ShapeSet m_shapes;
};

} // namespace boxmill
