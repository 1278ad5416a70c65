// SPDX-License-Identifier: GPL-3.0-or-later
#include "Shape.h"

#include <algorithm>

namespace boxmill {

bool ShapeDrawn(const Shape& shape)
{
    return shape.visible && shape.width > 0 && shape.height > 0;
}

const Shape* ShapeSet::find(const std::string& name) const
{
    const auto it = std::find_if(shapes.begin(), shapes.end(), [&](const Shape& s) { return s.name == name; });
    return it == shapes.end() ? nullptr : &*it;
}

Shape* ShapeSet::find(const std::string& name)
{
    const auto it = std::find_if(shapes.begin(), shapes.end(), [&](const Shape& s) { return s.name == name; });
    return it == shapes.end() ? nullptr : &*it;
}

const Shape* ShapeSet::shapeAt(int x, int y) const
{
    for (auto it = shapes.rbegin(); it != shapes.rend(); ++it)
        if (ShapeDrawn(*it) && x >= it->left && x < it->left + it->width && y >= it->top && y < it->top + it->height)
            return &*it;
    return nullptr;
}

DrawnExtent ExtentOf(const ShapeSet& shapes)
{
    DrawnExtent extent;
    for (const auto& shape : shapes.shapes) {
        if (!ShapeDrawn(shape))
            continue;
        const long long right = static_cast<long long>(shape.left) + shape.width;
        const long long bottom = static_cast<long long>(shape.top) + shape.height;
        if (extent.empty) {
            extent = {shape.left, shape.top, right, bottom, false};
            continue;
        }
        extent.left = std::min<long long>(extent.left, shape.left);
        extent.top = std::min<long long>(extent.top, shape.top);
        extent.right = std::max(extent.right, right);
        extent.bottom = std::max(extent.bottom, bottom);
    }
    return extent;
}

} // namespace boxmill
