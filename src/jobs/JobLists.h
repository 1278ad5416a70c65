// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/Measure.h"
#include "core/Messages.h"
#include "core/Money.h"
#include "cutlist/Batch.h"
#include "cutlist/WoodCost.h"
#include "sheets/CutListSheets.h"

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace boxmill {

// One cabinet of a job as its own cut list and wood cost count it, once.
struct JobCabinet {
    std::string label;
    int quantity = 1;
    CutList cutList; // the complete list
    WoodCost cost;
    // The cabinet's own hours at its own rate; none when either is not a
    // number, with the reason.
    std::optional<Money> labour;
    std::string labourProblem;
    // The openings too small for what they hold, whose parts the list
    // leaves out (OpeningMisfits).
    std::vector<std::string> misfits;
    // What reading and listing it said, each message led by the label.
    Messages messages;
};

// A row of the combined cut list: the cabinet's row, its count multiplied
// by the cabinet's quantity.
struct JobRow {
    std::string label;
    std::string partName;
    CutListRow row;
};

std::vector<JobRow> CombinedRows(const std::vector<JobCabinet>& cabinets);

// Each wood's area summed over the job before it is rounded up to whole
// units and priced, at the price the first cabinet to use it gives.
WoodCost CombinedWoodCost(const std::vector<JobCabinet>& cabinets, UnitMode units);

struct JobCost {
    WoodCost wood;
    Money labour = 0;
    // Nothing when some cabinet's labour is not a number: a total without
    // it would be too low and look right.
    std::optional<Money> total;
    std::vector<std::string> problems; // naming the cabinet
};

// Labour is every cabinet's own hours at its own rate, times its quantity:
// each cabinet file carries what building one of it takes.
JobCost CombinedCost(const std::vector<JobCabinet>& cabinets, UnitMode units);

// Told before each wood group is planned and once all are; false leaves
// the groups not yet planned out of the plans.
using JobPlanProgress = std::function<bool(std::size_t planned, std::size_t groups)>;

// The sheet and lumber plans of the whole job: the groups of every cabinet
// joined by wood and thickness, each part named by JobPartName.
std::vector<WoodGroupPlan> PlanJobSheets(const std::vector<JobCabinet>& cabinets, UnitMode units,
                                         const StockList& stock, const CutSettings& settings,
                                         const JobPlanProgress& progress = {});

// The plans carry only a name for each part, so the cabinet's label rides in
// it, before a separator no label or part name can hold.
std::string JobPartName(std::string_view label, std::string_view part);
struct PartOwner {
    std::string cabinet; // empty for a name JobPartName did not make
    std::string part;
};
PartOwner SplitJobPartName(std::string_view name);

} // namespace boxmill
