// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "geometry/Calculators.h"

namespace boxmill {

// The drawers of one section, sized from the section's face width and the
// drawer's face height in the layout. Each adds its area to
// `context.areas`. `section` is 0..2 and `drawer` 0..3 (the first drawer is
// at the top); anything else is refused with std::out_of_range.

PartSize CalcDrawerFace(const CalcContext& context, int section, int drawer);

enum class DrawerEnd { Front, Back };
PartSize CalcDrawerFrontBack(const CalcContext& context, int section, int drawer, DrawerEnd end);

// One side; a drawer has two alike.
PartSize CalcDrawerSide(const CalcContext& context, int section, int drawer);

// The bottom depends only on the section's width, not on the drawer.
PartSize CalcDrawerBottom(const CalcContext& context, int section);

} // namespace boxmill
