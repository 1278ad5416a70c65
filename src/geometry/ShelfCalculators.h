// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "geometry/Calculators.h"

#include <optional>

namespace boxmill {

// The horizontal boards inside a section: its shelves and its partition.

// Neighbouring sections with no divider between them whose main-opening
// shelves are spaced alike (the same spacing text in the sectional grid)
// have their shelves at the same heights, and those are cut as one long
// shelf. A run is the sections such a shelf spans; a lone section is a run
// of one.
struct ShelfRun {
    int first = 0;
    int last = 0;
};
// `section` is 0..2 and anything else is refused with std::out_of_range.
ShelfRun FindShelfRun(const CabinetModel& model, const LayoutResult& layout, int section);

// True when the section's main-opening shelves are part of a longer shelf
// that the first section of the run lists: this section lists none.
bool SkipShelf(const CabinetModel& model, const LayoutResult& layout, int section);

enum class ShelfKind {
    Shelf,      // in the section's main opening; runs on into its neighbours
    UpperShelf, // in the opening above the partition; always its own
    Partition,  // the board behind the partition rail
};

// One board of the section. Nothing (and no area) for a main-opening shelf
// that SkipShelf() leaves to a neighbour. `section` is 0..2 and anything
// else is refused with std::out_of_range.
std::optional<PartSize> CalcShelf(const CalcContext& context, int section, ShelfKind kind);

} // namespace boxmill
