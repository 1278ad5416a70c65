// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "geometry/Calculators.h"

namespace boxmill {

// The boards of the case itself. Each adds its area to `context.areas`.

PartSize CalcSide(const CalcContext& context, Side side);
PartSize CalcBottom(const CalcContext& context);
PartSize CalcTop(const CalcContext& context);
PartSize CalcCarcassRail(const CalcContext& context);
// The vertical board behind a mullion; every divider has the same size.
PartSize CalcDivider(const CalcContext& context);
// Backs and fronts list their height as the length.
PartSize CalcBack(const CalcContext& context);
PartSize CalcFront(const CalcContext& context);
PartSize CalcNailer(const CalcContext& context);
PartSize CalcBlindPanel(const CalcContext& context);

// The base: a toekick across the front, and on a detached base a sleeper
// under each side.
PartSize CalcToekick(const CalcContext& context);
PartSize CalcSleeper(const CalcContext& context, Side side);

} // namespace boxmill
