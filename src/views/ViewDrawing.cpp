// SPDX-License-Identifier: GPL-3.0-or-later
#include "ViewDrawing.h"

#include "core/ParameterIndex.h"

namespace boxmill::views {

int AtLeast(int origin, int drawing, int margin, int least)
{
    return std::max(origin + drawing + margin, least);
}

int GrowOrLimit(int wanted, int limit, int current)
{
    if (wanted > limit)
        return wanted;
    return std::min(current, limit);
}

std::vector<std::string> ViewStatusTexts(const CabinetModel& model)
{
    return {
        "Height: " + FormatMeasure(model.param(Param::Height), model.units),
        "Width: " + FormatMeasure(model.param(Param::Width), model.units),
        "Depth: " + FormatMeasure(model.param(Param::Depth), model.units),
        "Zoom Toggle x" + std::to_string(model.drawScale),
    };
}

ShapeSet MakeShapeSet(const std::vector<ShapeEntry>& entries)
{
    ShapeSet set;
    set.shapes.reserve(entries.size());
    for (const ShapeEntry& entry : entries) {
        Shape shape;
        shape.name = entry.name;
        shape.hint = entry.hint;
        shape.parameter = entry.parameter;
        shape.blank = entry.blank;
        set.shapes.push_back(std::move(shape));
    }
    return set;
}

void Place(Shape& shape, int left, int top, int width, int height, bool visible)
{
    shape.left = left;
    shape.top = top;
    shape.width = width;
    shape.height = height;
    shape.visible = visible;
}

void CopyPlacement(Shape& to, const Shape& from)
{
    Place(to, from.left, from.top, from.width, from.height, from.visible);
}

void DropNegativeSizes(ShapeSet& shapes)
{
    for (Shape& shape : shapes.shapes) {
        if (shape.width >= 0 && shape.height >= 0)
            continue;
        shape.width = std::max(shape.width, 0);
        shape.height = std::max(shape.height, 0);
        shape.visible = false;
    }
}

int Sections(const CabinetModel& model)
{
    return std::clamp(model.sectionCount, 1, kSections);
}

bool DividerShown(const CabinetModel& model, int d)
{
    if (d == 0)
        return Sections(model) >= 2 && model.options[CabinetOption::SetDivider1];
    return Sections(model) == 3 && model.options[CabinetOption::SetDivider2];
}

} // namespace boxmill::views
