// SPDX-License-Identifier: GPL-3.0-or-later
#include "ShopDrawingContent.h"

#include "core/CabinetModel.h"
#include "core/Measure.h"
#include "views/ConstructionView.h"

#include <algorithm>

namespace boxmill {

DrawnExtent ExtentOf(const ShapeSet& shapes)
{
    DrawnExtent extent;
    for (const auto& shape : shapes.shapes) {
        if (!shape.visible || shape.width <= 0 || shape.height <= 0)
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

ShopDrawingContent MakeShopDrawing(const ShapeSet& shapes, int unitsPerInch, const CabinetModel& model,
                                   std::string viewName, const char* acrossName, const char* downName)
{
    ShopDrawingContent content;
    content.shapes = shapes;
    content.viewName = std::move(viewName);
    content.cabinetStyle = model.folders.cabinetStyle;
    content.unitsText = model.units == UnitMode::Metric ? "Millimetres" : "Inches";
    const DrawnExtent extent = ExtentOf(shapes);
    if (!extent.empty && unitsPerInch > 0) {
        const auto measure = [&](const char* name, long long units) {
            return std::string(name) + ' ' + FormatMeasure(double(units) / unitsPerInch, model.units);
        };
        content.across = measure(acrossName, extent.width());
        content.down = measure(downName, extent.height());
    }
    return content;
}

ShopDrawingContent MakeShopDrawing(const ConstructionView& view, const CabinetModel& model, std::string viewName,
                                   const char* acrossName, const char* downName)
{
    ShopDrawingContent content =
        MakeShopDrawing(view.shapes, view.unitsPerInch, model, std::move(viewName), acrossName, downName);
    for (const ViewRow& row : view.rows)
        content.rows.push_back({row.part, row.width, row.length, row.stock});
    return content;
}

} // namespace boxmill
