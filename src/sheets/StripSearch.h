// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "SheetPlan.h"

#include <vector>

// The search behind PlanSheets. A sheet is ripped into strips across its
// width; a strip is crosscut into stacks along its length; a stack holds
// equal parts side by side across the strip, parted by trims. Every
// pattern of that shape is a guillotine pattern, and the saw needs no more
// than three settings for it.
namespace boxmill::sheets {

// Equal parts, whatever their names.
struct PieceType {
    double length = 0.0;
    double width = 0.0;
    bool turnable = false;
};

struct Stack {
    int type = 0;
    bool rotated = false;
    int count = 0;
    double along = 0.0;  // the parts' placed length
    double across = 0.0; // the parts' placed width
};

struct Strip {
    double height = 0.0;
    std::vector<Stack> stacks;
    double area = 0.0;
};

struct SheetPattern {
    std::vector<Strip> strips;
    double area = 0.0;
    std::vector<int> used; // parts of each type
};

// The sheet inside its trim.
struct Usable {
    double length = 0.0;
    double width = 0.0;
    double kerf = 0.0;
};

// Patterns for all of `demand`, one a sheet. Every type must fit the usable
// sheet in one of its orientations.
std::vector<SheetPattern> SearchSheets(const std::vector<PieceType>& types, std::vector<int> demand,
                                       const Usable& usable, const SearchBudget& budget, bool& budgetSpent);

} // namespace boxmill::sheets
