// SPDX-License-Identifier: GPL-3.0-or-later
#include "ShopDrawingContent.h"

#include "core/CabinetModel.h"
#include "core/Measure.h"
#include "views/ConstructionView.h"

#include <algorithm>

namespace boxmill {

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
