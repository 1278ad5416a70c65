// SPDX-License-Identifier: GPL-3.0-or-later
#include "CuttingPlan.h"

#include "core/Money.h"

#include <algorithm>
#include <tuple>

namespace boxmill {

namespace {

// What the drawings cannot show: woods without stock, parts that could not
// be cut, and the lumber.
void AddPlanNotes(std::vector<std::string>& notes, const std::vector<WoodGroupPlan>& plans, UnitMode units,
                  bool withCabinet)
{
    const auto name = [withCabinet](const std::string& part) { return ShownPartName(part, withCabinet); };
    for (const auto& plan : plans) {
        const std::string group = plan.group.wood + " " + plan.group.stockText;
        if (!plan.stock) {
            std::string line = group + ": no entry in " + std::string(kStockFileName) + "; not planned:";
            const char* separator = " ";
            for (const auto& part : plan.group.parts) {
                line += separator + std::to_string(part.quantity) + " " + name(part.name);
                separator = ", ";
            }
            notes.push_back(std::move(line));
            continue;
        }
        if (plan.lumber) {
            notes.push_back(group + ": " + CountText(plan.lumber->boards.size(), "board") + " of " +
                            DiagramLength(plan.stock->length, units));
            for (const auto& part : plan.lumber->unplaced)
                notes.push_back("  Not cut: " + std::to_string(part.quantity) + " " + name(part.name) + ", " +
                                part.reason);
        }
        if (plan.sheets) {
            const SheetPlan& sheets = *plan.sheets;
            notes.push_back(group + ": " + CountText(sheets.sheets.size(), "sheet") + " (fewest possible " +
                            std::to_string(std::max(sheets.lowerBound, sheets.sizeBound)) + "), " +
                            FormatMoney(plan.cost) + " in whole sheets" +
                            (plan.areaCost ? ", " + FormatMoney(*plan.areaCost) + " by area" : std::string()));
            for (const auto& part : sheets.unplaced)
                notes.push_back(group + ": not cut: " + std::to_string(part.quantity) + " " + name(part.name) + ", " +
                                part.reason);
        }
    }
}

bool SameRows(const CutList& a, const CutList& b)
{
    const auto sameRow = [](const CutListRow& x, const CutListRow& y) {
        return std::tie(x.quantity, x.width, x.length, x.stock, x.material) ==
               std::tie(y.quantity, y.width, y.length, y.stock, y.material);
    };
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [&](const EmittedBatch& x, const EmittedBatch& y) {
        return x.partName == y.partName &&
               std::equal(x.rows.begin(), x.rows.end(), y.rows.begin(), y.rows.end(), sameRow);
    });
}

// The area cost rows are what the plan's "by area" figures come from.
bool SameAreas(const WoodCost& a, const WoodCost& b)
{
    return std::equal(
        a.rows.begin(), a.rows.end(), b.rows.begin(), b.rows.end(), [](const WoodCostRow& x, const WoodCostRow& y) {
            return std::tie(x.wood, x.stockText, x.area, x.price) == std::tie(y.wood, y.stockText, y.area, y.price);
        });
}

bool SameCabinet(const JobCabinet& a, const JobCabinet& b)
{
    return a.label == b.label && a.quantity == b.quantity && SameRows(a.cutList, b.cutList) &&
           SameAreas(a.cost, b.cost);
}

bool SameSettings(const CutSettings& a, const CutSettings& b)
{
    const SearchBudget& x = a.budget;
    const SearchBudget& y = b.budget;
    return std::tie(a.kerf, a.trim, a.minimumOffcut, x.beamWidth, x.sheetCandidates, x.leadingChoices, x.nodes,
                    x.seconds) == std::tie(b.kerf, b.trim, b.minimumOffcut, y.beamWidth, y.sheetCandidates,
                                           y.leadingChoices, y.nodes, y.seconds);
}

} // namespace

CuttingPlan PlanCuttingDiagrams(const std::vector<JobCabinet>& cabinets, const StockList& stock, UnitMode units,
                                const CuttingPlanSettings& settings)
{
    CuttingPlan result;
    CutSettings cut = settings.cut;
    if (settings.cancel != nullptr)
        cut.budget.stop = settings.cancel;
    const auto cancelled = [&settings] { return settings.cancel != nullptr && settings.cancel->load(); };
    result.plans = PlanJobSheets(cabinets, units, stock, cut, [&](std::size_t planned, std::size_t groups) {
        if (cancelled())
            return false;
        if (settings.progress)
            settings.progress(planned, groups);
        return true;
    });
    // A search stopped half way plans worse than it would have: its plans
    // are not to be shown.
    if (cancelled()) {
        result.cancelled = true;
        return result;
    }
    result.notes = stock.problems;
    AddPlanNotes(result.notes, result.plans, units, settings.withCabinet);
    result.diagrams = MakeCuttingDiagrams(result.plans, units, settings.withCabinet);
    return result;
}

bool SamePlanInputs(const CuttingPlanInputs& a, const CuttingPlanInputs& b)
{
    return a.units == b.units && a.withCabinet == b.withCabinet && SameSettings(a.cut, b.cut) &&
           a.stock.entries == b.stock.entries && a.stock.problems == b.stock.problems &&
           std::equal(a.cabinets.begin(), a.cabinets.end(), b.cabinets.begin(), b.cabinets.end(), SameCabinet);
}

} // namespace boxmill
