// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "StripSearch.h"

#include <vector>

namespace boxmill::sheets {

// First-fit decreasing shelves: every part, widest across first, into the
// first strip of the first sheet with room for it, else a new strip. It
// often keeps the wide parts together where the fullest-strip pass strands
// them, so the search starts from the better of the two. The sheets with
// room are found in a tree, so a job of many thousand sheets takes no
// longer a part than a cabinet does.
std::vector<SheetPattern> FirstFitShelves(const std::vector<PieceType>& types, const std::vector<int>& sequence,
                                          const Usable& usable);

} // namespace boxmill::sheets
