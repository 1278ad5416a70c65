// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "geometry/Calculators.h"

namespace boxmill {

// The members of the face frame. Each adds its area to `context.areas`;
// `section` is 0, 1 or 2 and anything else is refused with
// std::out_of_range.

PartSize CalcLeftStile(const CalcContext& context);
PartSize CalcRightStile(const CalcContext& context);
PartSize CalcTopRail(const CalcContext& context);
PartSize CalcBottomRail(const CalcContext& context);
PartSize CalcMullion(const CalcContext& context);

// The rails across one section: a mid rail under a drawer, or the rail that
// carries a partition.
enum class FaceRail { MidRail, PartitionRail };
PartSize CalcMidRail(const CalcContext& context, int section, FaceRail kind);

// The mullion between the two doors of one opening.
PartSize CalcDoorMullion(const CalcContext& context, int section, Opening opening);

} // namespace boxmill
