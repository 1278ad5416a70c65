// SPDX-License-Identifier: GPL-3.0-or-later
#include "jobs/CuttingPlan.h"
#include "jobs/JobCabinets.h"

#include "ScriptedPrompter.h"

#include "core/CabinetModel.h"
#include "core/FileIo.h"
#include "core/Vocabulary.h"

#include <gtest/gtest.h>

#include <functional>

namespace boxmill {
namespace {

namespace fs = std::filesystem;

// The example kitchen, read as boxmill-cli reads a job.
std::vector<JobCabinet> Kitchen()
{
    const fs::path data = BOXMILL_DATA_DIR;
    const auto lines = [&](const char* name) { return ReadTextLines(data / name).value(); };
    const Vocabulary vocabulary(lines("Dims.dat"), lines("IncParts.dat"), lines("CabParts.dat"));
    const fs::path jobFile = fs::path(BOXMILL_DATA_DIR) / ".." / "examples" / "kitchen" / "Kitchen.job";
    auto cabinets = LoadJobCabinets(CabinetModel {}, vocabulary, ReadJobFile(jobFile).value(), jobFile);
    EXPECT_TRUE(cabinets) << cabinets.error();
    return std::move(cabinets).value();
}

std::vector<std::string> Titles(const CuttingPlan& plan)
{
    std::vector<std::string> titles;
    for (const auto& diagram : plan.diagrams)
        titles.push_back(diagram.title + " / " + diagram.summary);
    return titles;
}

// Birch plywood and poplar stocked, the other woods not; one line refused.
const StockList kStock = ParseStockText("sheet Birch Plywood | 0.75 | 96 x 48 | grain | 62\n"
                                        "sheet Birch Plywood | 0.25 | 96 x 48 | grain | 32\n"
                                        "sheet Birch Plywood | one | 96 x 48 | grain | 32\n"
                                        "board Poplar | any | 96 | 15 %\n");

TEST(CuttingPlan, ProgressCountsEachGroupAndCancelStopsWithNothingToShow)
{
    const auto kitchen = Kitchen();
    std::vector<std::pair<std::size_t, std::size_t>> told;
    CuttingPlanSettings settings;
    settings.withCabinet = true;
    settings.progress = [&](std::size_t planned, std::size_t groups) { told.emplace_back(planned, groups); };
    const CuttingPlan whole = PlanCuttingDiagrams(kitchen, kStock, UnitMode::Inches, settings);
    ASSERT_FALSE(whole.cancelled);
    ASSERT_FALSE(whole.diagrams.empty());
    const std::size_t groups = whole.plans.size();
    ASSERT_EQ(told.size(), groups + 1);
    for (std::size_t i = 0; i < told.size(); ++i)
        EXPECT_EQ(told[i], std::make_pair(i, groups));

    // A cancel flag that is never set changes nothing.
    std::atomic<bool> cancel {false};
    settings.cancel = &cancel;
    EXPECT_EQ(Titles(PlanCuttingDiagrams(kitchen, kStock, UnitMode::Inches, settings)), Titles(whole));

    // Set while the first group is planned: the rest is never started.
    told.clear();
    settings.progress = [&](std::size_t planned, std::size_t all) {
        told.emplace_back(planned, all);
        cancel = true;
    };
    const CuttingPlan stopped = PlanCuttingDiagrams(kitchen, kStock, UnitMode::Inches, settings);
    EXPECT_TRUE(stopped.cancelled);
    EXPECT_TRUE(stopped.diagrams.empty());
    EXPECT_TRUE(stopped.notes.empty());
    EXPECT_EQ(told.size(), 1u);
    EXPECT_LE(stopped.plans.size(), 1u);
}

TEST(CuttingPlan, NotesTellTheStockProblemsFirstThenWhatWasNotPlanned)
{
    CuttingPlanSettings settings;
    settings.withCabinet = true;
    const CuttingPlan plan = PlanCuttingDiagrams(Kitchen(), kStock, UnitMode::Inches, settings);
    ASSERT_EQ(kStock.problems.size(), 1u);
    ASSERT_FALSE(plan.notes.empty());
    EXPECT_EQ(plan.notes.front(), kStock.problems.front());
    const auto has = [&](const std::string& start) {
        return std::any_of(plan.notes.begin(), plan.notes.end(),
                           [&](const std::string& line) { return line.rfind(start, 0) == 0; });
    };
    EXPECT_TRUE(has("Birch Plywood 3/4: 4 sheets"));
    EXPECT_TRUE(has("Poplar 3/4: "));
    // A wood without an entry: named, with every part left out.
    const std::string unstocked = "Red Oak 3/4: no entry in Stock.txt; not planned: ";
    const auto line = std::find_if(plan.notes.begin(), plan.notes.end(),
                                   [&](const std::string& note) { return note.rfind(unstocked, 0) == 0; });
    ASSERT_NE(line, plan.notes.end());
    EXPECT_NE(line->back(), ',') << *line;
    EXPECT_NE(line->find("Sink: "), std::string::npos) << *line;
}

// Only what the plan reads may make the window plan again.
TEST(CuttingPlan, InputsDifferOnlyInWhatThePlanReads)
{
    const CuttingPlanInputs base {Kitchen(), kStock, UnitMode::Inches, CutSettings {}, true};
    struct Case {
        const char* change;
        std::function<void(CuttingPlanInputs&)> apply;
        bool same;
    };
    const Case cases[] = {
        {"labour", [](CuttingPlanInputs& in) { in.cabinets[0].labour = 1; }, true},
        {"misfits", [](CuttingPlanInputs& in) { in.cabinets[0].misfits.push_back("too small"); }, true},
        {"stock comments", [](CuttingPlanInputs& in) { in.stock.comments.push_back("# bought"); }, true},
        {"quantity", [](CuttingPlanInputs& in) { ++in.cabinets[0].quantity; }, false},
        {"label", [](CuttingPlanInputs& in) { in.cabinets[1].label += "2"; }, false},
        {"a length", [](CuttingPlanInputs& in) { in.cabinets[0].cutList[0].rows[0].length += "1"; }, false},
        {"a part name", [](CuttingPlanInputs& in) { in.cabinets[0].cutList[0].partName += "s"; }, false},
        {"an area", [](CuttingPlanInputs& in) { in.cabinets[0].cost.rows[0].area += 0.5; }, false},
        {"a cabinet more", [](CuttingPlanInputs& in) { in.cabinets.push_back(in.cabinets[0]); }, false},
        {"a sheet price", [](CuttingPlanInputs& in) { in.stock.entries[0].price += 1; }, false},
        {"a stock problem", [](CuttingPlanInputs& in) { in.stock.problems.clear(); }, false},
        {"units", [](CuttingPlanInputs& in) { in.units = UnitMode::Metric; }, false},
        {"kerf", [](CuttingPlanInputs& in) { in.cut.kerf = 0.1; }, false},
        {"trim", [](CuttingPlanInputs& in) { in.cut.trim = 0.5; }, false},
        {"search nodes", [](CuttingPlanInputs& in) { in.cut.budget.nodes /= 2; }, false},
        {"cabinet names", [](CuttingPlanInputs& in) { in.withCabinet = false; }, false},
    };
    ASSERT_TRUE(SamePlanInputs(base, base));
    for (const auto& c : cases) {
        CuttingPlanInputs changed = base;
        c.apply(changed);
        EXPECT_EQ(SamePlanInputs(base, changed), c.same) << c.change;
        EXPECT_EQ(SamePlanInputs(changed, base), c.same) << c.change;
    }
}

} // namespace
} // namespace boxmill
