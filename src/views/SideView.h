// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ConstructionView.h"

namespace boxmill {

class CabinetModel;
struct LayoutResult;

// The side construction view: the cabinet's right side seen from the
// right, depth across and height down (an overlaid top, the right stile,
// the side and the part of it beside the toe kick, the toe kick), and the
// table of their finished sizes with the notch the toe kick takes out of
// the side, or the sleepers of a detached base. Run after a recalculation
// of `layout` with the model's drawing units rebuilt.
ConstructionView DrawSideView(const CabinetModel& model, const LayoutResult& layout);

} // namespace boxmill
