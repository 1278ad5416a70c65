// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Lumber.h"
#include "SheetPlan.h"
#include "Stock.h"

#include "core/Measure.h"
#include "core/Money.h"
#include "cutlist/Batch.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace boxmill {

// The parts of one wood and stock, as the wood cost counts them: wood and
// stock texts compared apart, in the order the cut list first names them.
struct WoodGroup {
    std::string wood;
    std::string stockText;  // as the cut list shows it: 3/4, 1 , 19
    double thickness = 0.0; // inches
    std::vector<SheetPart> parts;
};

// A size the cut list shows (23 1/2, 30 , 5/16, or whole millimetres) in
// inches; nothing for a text it could not have written.
std::optional<double> ListedLength(std::string_view text, UnitMode units);

// Each row becomes a part named by its batch, its length along the grain.
// A size that cannot be read comes through as NaN, so that the plan lists
// the part as having no size instead of losing it.
std::vector<WoodGroup> GroupCutList(const CutList& list, UnitMode units);

struct WoodGroupPlan {
    WoodGroup group;
    std::optional<StockEntry> stock; // none: the wood has no entry
    std::optional<SheetPlan> sheets;
    std::optional<LumberPlan> lumber;
    Money cost = 0; // whole sheets at the sheet price
    // What the wood cost listing charges for the group by its area, to
    // set beside the whole sheets; none where no listing row matches.
    std::optional<Money> areaCost;
};

// One group on the stock its wood and thickness are bought in.
WoodGroupPlan PlanWoodGroup(WoodGroup group, const StockList& stock, const CutSettings& settings);

std::vector<WoodGroupPlan> PlanCutList(const CutList& list, UnitMode units, const StockList& stock,
                                       const CutSettings& settings);

} // namespace boxmill
