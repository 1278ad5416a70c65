// SPDX-License-Identifier: GPL-3.0-or-later
#include "Shape.h"

#include <algorithm>

namespace boxmill {

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
        if (it->visible && x >= it->left && x < it->left + it->width && y >= it->top && y < it->top + it->height)
            return &*it;
    return nullptr;
}

} // namespace boxmill
