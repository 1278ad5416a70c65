// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ConstructionView.h"
#include "ViewState.h"

namespace boxmill {

class CabinetModel;
struct LayoutResult;

// The face frame view ("Face Frame Construction"): the stiles, rails,
// mullions, mid rails, partition rails and door mullions exactly where the
// designer draws them (its origin, its drawing units, the model's current
// zoom), with the frame members' finished sizes for the shown section or
// the whole cabinet. `currentWidth` is the window's width now, which a
// narrow cabinet lets it keep. Run, like the designer's drawing, after a
// recalculation of `layout` and with the model's drawing units current.
ConstructionView FaceFrameView(const CabinetModel& model, const LayoutResult& layout, const FaceViewState& state,
                               int currentWidth);

} // namespace boxmill
