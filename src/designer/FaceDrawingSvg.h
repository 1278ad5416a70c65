// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace boxmill {

struct ShapeSet;

// The visible shapes as an SVG document, in stacking order: one <rect> per
// shape with the shape's name as its id, its rectangle exactly as drawn
// (origin included) and its hint as its <title>. The view box frames the
// visible shapes with a small margin.
std::string FaceDrawingSvg(const ShapeSet& shapes);

} // namespace boxmill
