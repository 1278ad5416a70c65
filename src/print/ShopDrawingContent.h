// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "designer/Shape.h"

#include <array>
#include <string>
#include <vector>

namespace boxmill {

class CabinetModel;
struct ConstructionView;

// A drawing as it goes on paper: the shapes, the table of finished sizes
// beside them, the overall lengths and the title block. Every text is ready
// to print, in the cabinet's units.
struct ShopDrawingContent {
    ShapeSet shapes;
    std::array<std::string, 4> columnTitles {"Part", "Width", "Length", "Stock"};
    std::vector<std::array<std::string, 4>> rows;
    std::string viewName;
    std::string cabinetStyle;
    std::string unitsText;
    // Empty for the day the drawing is painted.
    std::string dateText;
    // The overall lengths along the drawing's two axes ("Width 36\""), empty
    // for an empty drawing.
    std::string across;
    std::string down;
};

// The drawn extent of `shapes` named and measured along each axis
// ("Width"/"Height" for a front, "Depth"/"Height" for a side) in the
// model's units, with the title block's texts from the model.
ShopDrawingContent MakeShopDrawing(const ShapeSet& shapes, int unitsPerInch, const CabinetModel& model,
                                   std::string viewName, const char* acrossName, const char* downName);

// The same for a construction view, whose table lists its rows.
ShopDrawingContent MakeShopDrawing(const ConstructionView& view, const CabinetModel& model, std::string viewName,
                                   const char* acrossName, const char* downName);

} // namespace boxmill
