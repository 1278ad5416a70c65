// SPDX-License-Identifier: GPL-3.0-or-later
#include "DesignerRefresh.h"

#include "DesignerState.h"
#include "DesignerWindow.h"
#include "FaceDrawing.h"
#include "core/CabinetModel.h"
#include "core/ParameterIndex.h"
#include "geometry/Layout.h"

#include <algorithm>

namespace boxmill {

DesignerView RefreshDesigner(CabinetModel& model, LayoutResult& layout, DesignerState& state, int currentWidth)
{
    model.rebuildDrawingUnits();
    RecalculateLayout(model, layout);
    ApplySectionOffsets(model, layout);
    return DrawDesigner(model, layout, state, currentWidth);
}

DesignerView DrawDesigner(const CabinetModel& model, const LayoutResult& layout, DesignerState& state, int currentWidth)
{
    state.shownSection = std::clamp(state.shownSection, 1, std::clamp(model.sectionCount, 1, kSections));
    DesignerView view;
    view.windowWidth = DesignerWindowWidth(model.paramUnits[Param::Width], currentWidth);
    view.windowHeight = DesignerWindowHeight(model.paramUnits[Param::Height]);
    view.statusTexts = DesignerStatusTexts(model, layout);
    DrawCabinetFace(model, layout, view.shapes);
    view.frontDimensions = FillFrontDimensions(model, layout, state.shownSection);
    return view;
}

} // namespace boxmill
