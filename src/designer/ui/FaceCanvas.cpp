// SPDX-License-Identifier: GPL-3.0-or-later
#include "FaceCanvas.h"

namespace boxmill {

FaceCanvas::FaceCanvas(QWidget* parent)
    : ShapeCanvas(parent)
{
    setObjectName(QStringLiteral("FaceCanvas"));
}

} // namespace boxmill
