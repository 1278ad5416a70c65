// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "SheetPlan.h"

#include <string>
#include <vector>

namespace boxmill {

// Solid wood is bought by the board foot and cut from boards of one length;
// each part is taken as needing a board's length of its own, ripped to width
// from it.
struct LumberPlan {
    double boardFeet = 0.0;      // the parts' volume with the waste allowance
    double partsBoardFeet = 0.0; // without it
    // The parts cut from each board, by name, in cut order.
    std::vector<std::vector<std::string>> boards;
    int lowerBound = 0; // the parts' lengths with kerf over the board's
    std::vector<UnplacedPart> unplaced;
};

double BoardFeet(double length, double width, double thickness);

// `parts` are SheetParts for their names, sizes and counts; grain plays no
// part along a board. The board count is searched for within `nodes`
// placements once first-fit decreasing has given a first answer.
LumberPlan PlanLumber(const std::vector<SheetPart>& parts, double thickness, double boardLength, double wastePercent,
                      double kerf, long nodes = 200'000);

} // namespace boxmill
