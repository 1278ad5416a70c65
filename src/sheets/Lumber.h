// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "SheetPlan.h"

#include <string>
#include <vector>

namespace boxmill {

// Solid wood is bought by the board foot and cut from boards of one length.
// Without a board width each part takes a board's length of its own, ripped
// to width from it; with one, narrow parts are ripped side by side from the
// same board (stiles and rails from one wide board), with the sheets' saw
// patterns and the grain along the board.
struct LumberPlan {
    double boardFeet = 0.0;      // the parts' volume with the waste allowance
    double partsBoardFeet = 0.0; // without it
    // The parts cut from each board, by name, in cut order.
    std::vector<std::vector<std::string>> boards;
    // The parts' lengths with kerf over the board's; with a board width,
    // their areas with kerf over the board's.
    int lowerBound = 0;
    std::vector<UnplacedPart> unplaced;
};

double BoardFeet(double length, double width, double thickness);

// `parts` are SheetParts for their names, sizes and counts; their grain
// runs along the board. Without a `boardWidth` (0) the board count is
// searched for within `nodes` placements once first-fit decreasing has
// given a first answer; a part wider than a board given a width cannot be
// cut from it and is listed as such.
LumberPlan PlanLumber(const std::vector<SheetPart>& parts, double thickness, double boardLength, double wastePercent,
                      double kerf, double boardWidth = 0.0, long nodes = 200'000);

} // namespace boxmill
