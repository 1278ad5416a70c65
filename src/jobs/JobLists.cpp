// SPDX-License-Identifier: GPL-3.0-or-later
#include "JobLists.h"

#include "core/NumberText.h"
#include "cutlist/CostArithmetic.h"

#include <algorithm>

namespace boxmill {

namespace {

constexpr char kLabelEnd = '\x1f';

Money TimesQuantity(Money value, int quantity)
{
    Money product = 0;
    if (__builtin_mul_overflow(value, static_cast<Money>(quantity), &product))
        return value < 0 ? -kLargestMoney : kLargestMoney;
    return product;
}

} // namespace

std::string JobPartName(std::string_view label, std::string_view part)
{
    std::string name(label);
    name += kLabelEnd;
    name += part;
    return name;
}

PartOwner SplitJobPartName(std::string_view name)
{
    const std::size_t end = name.find(kLabelEnd);
    if (end == std::string_view::npos)
        return {{}, std::string(name)};
    return {std::string(name.substr(0, end)), std::string(name.substr(end + 1))};
}

std::vector<JobRow> CombinedRows(const std::vector<JobCabinet>& cabinets)
{
    std::vector<JobRow> rows;
    for (const auto& cabinet : cabinets) {
        for (const auto& batch : cabinet.cutList) {
            for (const auto& row : batch.rows) {
                JobRow combined {cabinet.label, batch.partName, row};
                combined.row.quantity = row.quantity * cabinet.quantity;
                rows.push_back(std::move(combined));
            }
        }
    }
    return rows;
}

WoodCost CombinedWoodCost(const std::vector<JobCabinet>& cabinets, UnitMode units)
{
    WoodCost combined;
    for (const auto& cabinet : cabinets) {
        for (const auto& row : cabinet.cost.rows) {
            const auto same = std::find_if(combined.rows.begin(), combined.rows.end(), [&](const WoodCostRow& r) {
                return r.wood == row.wood && r.stockText == row.stockText;
            });
            const double area = row.area * cabinet.quantity;
            if (same != combined.rows.end())
                same->area += area;
            else
                combined.rows.push_back(WoodCostRow {row.wood, row.stockText, area, row.price, 0, 0, {}, {}});
        }
    }
    PriceWoodCostRows(combined, units);
    return combined;
}

JobCost CombinedCost(const std::vector<JobCabinet>& cabinets, UnitMode units)
{
    JobCost cost;
    cost.wood = CombinedWoodCost(cabinets, units);
    for (const auto& cabinet : cabinets) {
        if (cabinet.labour)
            cost.labour = AddMoney(cost.labour, TimesQuantity(*cabinet.labour, cabinet.quantity));
        else
            cost.problems.push_back("The labour of \"" + cabinet.label + "\" is not counted: " + cabinet.labourProblem);
    }
    if (cost.problems.empty())
        cost.total = AddMoney(cost.labour, cost.wood.partsTotal);
    return cost;
}

std::vector<WoodGroupPlan> PlanJobSheets(const std::vector<JobCabinet>& cabinets, UnitMode units,
                                         const StockList& stock, const CutSettings& settings,
                                         const JobPlanProgress& progress)
{
    std::vector<WoodGroup> groups;
    for (const auto& cabinet : cabinets) {
        for (auto& group : GroupCutList(cabinet.cutList, units)) {
            auto same = std::find_if(groups.begin(), groups.end(), [&](const WoodGroup& g) {
                return g.wood == group.wood && g.stockText == group.stockText;
            });
            if (same == groups.end()) {
                groups.push_back({group.wood, group.stockText, group.thickness, {}});
                same = groups.end() - 1;
            }
            for (auto& part : group.parts) {
                part.name = JobPartName(cabinet.label, part.name);
                part.quantity *= cabinet.quantity;
                same->parts.push_back(std::move(part));
            }
        }
    }
    const WoodCost byArea = CombinedWoodCost(cabinets, units);
    std::vector<WoodGroupPlan> plans;
    plans.reserve(groups.size());
    for (auto& group : groups) {
        if (progress && !progress(plans.size(), groups.size()))
            return plans;
        WoodGroupPlan& plan = plans.emplace_back(PlanWoodGroup(std::move(group), stock, settings));
        const auto row = std::find_if(byArea.rows.begin(), byArea.rows.end(), [&](const WoodCostRow& r) {
            return r.wood == plan.group.wood && TrimBlanks(r.stockText) == TrimBlanks(plan.group.stockText);
        });
        if (row != byArea.rows.end())
            plan.areaCost = row->cost;
    }
    if (progress)
        progress(plans.size(), groups.size());
    return plans;
}

} // namespace boxmill
