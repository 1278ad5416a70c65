// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace boxmill {

struct ShapeSet;

// The visible shapes as an SVG document, in stacking order: one <rect> per
// shape with the shape's name as its id, its rectangle exactly as drawn
// (origin included) and its hint as its <title>. The view box frames the
// visible shapes with a small margin.
std::string FaceDrawingSvg(const ShapeSet& shapes);

// Text made safe inside an SVG element or attribute.
std::string SvgEscaped(std::string_view text);

// The same for the drawing of any window: nothing in it is the face's own.
inline std::string ShapeSetSvg(const ShapeSet& shapes)
{
    return FaceDrawingSvg(shapes);
}

} // namespace boxmill
