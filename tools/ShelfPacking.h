// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "sheets/SheetPlan.h"

#include <vector>

namespace boxmill {

// The yardstick: first-fit decreasing shelf packing, the plain way most
// sheet optimisers start. Parts go tallest first into the first shelf of
// the first sheet with room, a shelf as tall as the part that opened it.
// Returns the sheets used; parts that fit no sheet are left out.
int ShelfSheets(const std::vector<SheetPart>& parts, const SheetSize& sheet, const CutSettings& settings);

} // namespace boxmill
