// SPDX-License-Identifier: GPL-3.0-or-later
#include "DesignerRefresh.h"

#include "DesignerState.h"
#include "DesignerWindow.h"
#include "FaceDrawing.h"
#include "core/CabinetModel.h"
#include "core/ParameterIndex.h"
#include "geometry/Layout.h"

namespace boxmill {

DesignerView RefreshDesigner(CabinetModel& model, LayoutResult& layout, DesignerState& state, int currentWidth)
{
    model.rebuildDrawingUnits();
    RecalculateLayout(model, layout);
    return DrawDesigner(model, layout, state, currentWidth);
}

DesignerView DrawDesigner(CabinetModel& model, LayoutResult& layout, DesignerState& state, int currentWidth)
{
    DesignerView view;
    view.windowWidth = DesignerWindowWidth(model.paramUnits[Param::Width], currentWidth);
    view.windowHeight = DesignerWindowHeight(model.paramUnits[Param::Height]);
    view.statusTexts = DesignerStatusTexts(model, layout);
    DrawCabinetFace(model, layout, state, view.shapes);
    view.frontDimensions = FillFrontDimensions(model, layout, state.shownSection);
    return view;
}

} // namespace boxmill
