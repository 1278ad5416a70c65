// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <vector>

// The search behind PlanLumber for boards without a width: lengths, each
// with its kerf, into the fewest boards of one length.
namespace boxmill::sheets {

// A length fits the room left when it is over by no more than rounding.
inline constexpr double kFitSlack = 1e-9;

struct BoardPacking {
    std::vector<int> boardOf; // the board of each length
    int boards = 0;
    long placements = 0;      // tried by the search after first-fit
    bool budgetSpent = false; // the placements ran out before the search was done
};

// `lengths` longest first, each no longer than `capacity`. First-fit
// decreasing gives the first answer; a depth-first search then looks for
// fewer boards, down to `bound`, within `placements`. The placements alone
// bound it, so the same lengths always give the same boards, and neither
// its memory nor its time grows faster than the lengths' count times the
// logarithm of the boards'.
BoardPacking PackBoards(const std::vector<double>& lengths, double capacity, int bound, long placements);

} // namespace boxmill::sheets
