// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "SheetPlan.h"

#include <vector>

// The search behind PlanSheets. A sheet is ripped into strips across its
// width; a strip is crosscut into columns along its length; a column holds
// stacks of equal parts across the strip, parted by trims, and a part
// shorter than its column is cut to length last. Every pattern of that
// shape is a guillotine pattern a panel saw cuts in four settings at most.
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

// The first stack is the longest and gives the column its length.
struct Column {
    double along = 0.0;
    std::vector<Stack> stacks;
};

struct Strip {
    double height = 0.0;
    std::vector<Column> columns;
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

// Patterns for every part of `sequence`, the type of each part in cut list
// order, one a sheet. Every type must fit the usable sheet in one of its
// orientations. `budgetSpent` tells that the nodes or the time ran out
// before the search was done.
std::vector<SheetPattern> SearchSheets(const std::vector<PieceType>& types, const std::vector<int>& sequence,
                                       const Usable& usable, const SearchBudget& budget, bool& budgetSpent);

} // namespace boxmill::sheets
