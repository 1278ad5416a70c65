// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/common/ShapeCanvas.h"

namespace boxmill {

// The designer's drawing of the cabinet's face, fitted to the room the
// window gives it.
class FaceCanvas : public ShapeCanvas {
    Q_OBJECT

public:
    explicit FaceCanvas(QWidget* parent = nullptr);
};

} // namespace boxmill
