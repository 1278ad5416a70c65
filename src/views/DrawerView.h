// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ConstructionView.h"
#include "DoorView.h"
#include "ViewState.h"

namespace boxmill {

class CabinetModel;
struct LayoutResult;

// Below the plan, the front elevation leaves this gap.
inline constexpr int kDrawerElevationGap = 20;

// The drawer view ("Drawer Construction View"): one drawer of one section
// in eighth inches, as a plan seen from above (`Face`, `Front`, `Back`,
// `LeftSide`, `RightSide`, `Bottom`, with the face at the top) and below it
// a front elevation of the box (`DFace`, `DLeftSide`, `DRightSide`,
// `DBottom`, `DBack`); the drawing starts at the door view's origin. The
// table lists the shown drawer's parts, or every drawer's of the section.
// A drawer the section does not have draws and lists nothing.
// `currentWidth` and `currentHeight` are the window's size now, which it
// keeps while nothing is drawn or the drawer is small. Run after a
// recalculation of `layout`.
ConstructionView DrawerView(const CabinetModel& model, const LayoutResult& layout, const DrawerViewState& state,
                            int currentWidth, int currentHeight);

} // namespace boxmill
