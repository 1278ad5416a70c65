// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "CuttingDiagram.h"
#include "JobLists.h"

#include "core/Measure.h"
#include "sheets/CutListSheets.h"
#include "sheets/Stock.h"

#include <atomic>
#include <cstddef>
#include <functional>
#include <string>
#include <vector>

namespace boxmill {

struct CuttingPlanSettings {
    CutSettings cut;
    // The parts named with their cabinet's label, as a job of many
    // cabinets needs.
    bool withCabinet = false;
    // Told before each wood group is planned and once all are.
    std::function<void(std::size_t planned, std::size_t groups)> progress;
    // Set from another thread when the plan is no longer wanted.
    const std::atomic<bool>* cancel = nullptr;
};

// The sheets and boards of some cabinets, ready to show, print or write.
struct CuttingPlan {
    std::vector<WoodGroupPlan> plans;
    std::vector<CuttingDiagram> diagrams;
    // What the drawings cannot show, a line each: the stock file's
    // problems, woods without stock, parts that could not be cut, the
    // lumber.
    std::vector<std::string> notes;
    // Stopped before it was done: nothing in it is to be shown.
    bool cancelled = false;
};

// The one road from cabinets to cutting diagrams. The same cabinets, stock,
// units and settings always give the same plan, whichever thread runs it.
CuttingPlan PlanCuttingDiagrams(const std::vector<JobCabinet>& cabinets, const StockList& stock, UnitMode units,
                                const CuttingPlanSettings& settings);

// What a plan is made from, kept to tell whether planning again could
// change anything.
struct CuttingPlanInputs {
    std::vector<JobCabinet> cabinets;
    StockList stock;
    UnitMode units = UnitMode::Inches;
    CutSettings cut;
    bool withCabinet = false;
};

// Whether two sets of inputs are planned alike: what a plan does not read
// (labour, misfits, comments in the stock file) may differ.
bool SamePlanInputs(const CuttingPlanInputs& a, const CuttingPlanInputs& b);

} // namespace boxmill
