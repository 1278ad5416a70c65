// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ConstructionView.h"
#include "ViewState.h"

namespace boxmill {

class CabinetModel;
struct LayoutResult;

// Where the door and drawer views put the top-left corner of their drawing.
inline constexpr int kDoorViewOriginX = 295;
inline constexpr int kDoorViewOriginY = 54;

// The door view ("Door Construction View"): the door or pair of doors of one
// opening with their stiles, rails and mid rails, in eighth inches unless
// the opening is too large for the window (over 42 inches high or 44 wide),
// then in quarter inches; and the finished sizes of those doors' parts.
// Shapes, in stacking order for each door n of 1 and 2: `Panel`n,
// `LeftStile`n, `RightStile`n, `TopRail`n, `BottomRail`n, `DoorRail`n; those
// of a door the opening does not have are hidden. `currentWidth` and
// `currentHeight` are the window's size now, which a small opening lets it
// keep. Run after a recalculation of `layout`.
ConstructionView DoorView(const CabinetModel& model, const LayoutResult& layout, const DoorViewState& state,
                          int currentWidth, int currentHeight);

} // namespace boxmill
