// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ConstructionView.h"

namespace boxmill {

class CabinetModel;
struct LayoutResult;

// The top construction view: the carcass in plan, width across and depth
// down with the back at the top and the face frame at the bottom (sides,
// bottom, top, stiles and top rail, carcass rails, back and dividers), and
// the table of their finished sizes. `currentWidth` and `currentHeight`
// are the window's size now, which a small cabinet lets it keep. Run after
// a recalculation of `layout` with the model's drawing units rebuilt.
ConstructionView DrawTopView(const CabinetModel& model, const LayoutResult& layout, int currentWidth,
                             int currentHeight);

} // namespace boxmill
