// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "FrontDimensions.h"
#include "Shape.h"

#include <array>
#include <string>
#include <vector>

namespace boxmill {

class CabinetModel;
struct DesignerState;
struct LayoutResult;

// Everything the designer window shows, computed afresh.
struct DesignerView {
    ShapeSet shapes;
    std::vector<FrontDimensionRow> frontDimensions;
    std::array<std::string, 4> statusTexts;
    int windowWidth = 0;
    int windowHeight = 0;
};

// The full refresh of the designer (on opening it, after an option change,
// after a construction view changed the cabinet): drawing units, layout,
// face drawing and front dimensions of the shown section. `currentWidth` is
// the window's width now, which the size rule may keep.
DesignerView RefreshDesigner(CabinetModel& model, LayoutResult& layout, DesignerState& state, int currentWidth);

// The same from a layout that was just recalculated (after an edit that ran
// the recalculation itself): the drawing and the grid only.
DesignerView DrawDesigner(const CabinetModel& model, const LayoutResult& layout, DesignerState& state,
                          int currentWidth);

} // namespace boxmill
