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
    DesignerView view;
    view.windowWidth = DesignerWindowWidth(model.paramUnits[Param::Width], currentWidth);
    view.windowHeight = DesignerWindowHeight(model.paramUnits[Param::Height]);
    RecalculateLayout(model, layout);
    // After the recalculation, so that the section height is the one drawn.
    view.statusTexts = DesignerStatusTexts(model, layout);
    DrawCabinetFace(model, layout, state, view.shapes);
    view.frontDimensions = FillFrontDimensions(model, layout, state.shownSection);
    return view;
}

} // namespace boxmill
