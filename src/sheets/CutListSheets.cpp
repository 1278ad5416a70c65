// SPDX-License-Identifier: GPL-3.0-or-later
#include "CutListSheets.h"

#include "core/NumberText.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace boxmill {

namespace {

std::optional<double> Fraction(std::string_view text)
{
    const auto found = std::find(FractionTable.begin(), FractionTable.end(), text);
    if (found == FractionTable.end())
        return std::nullopt;
    return static_cast<double>(found - FractionTable.begin()) * kThirtySecond;
}

double SizeOrNaN(std::string_view text, UnitMode units)
{
    return ListedLength(text, units).value_or(std::numeric_limits<double>::quiet_NaN());
}

} // namespace

std::optional<double> ListedLength(std::string_view text, UnitMode units)
{
    text = TrimBlanks(text);
    if (text.empty())
        return std::nullopt;
    if (units == UnitMode::Metric) {
        const auto millimetres = ParseInteger(text);
        if (!millimetres)
            return std::nullopt;
        return static_cast<double>(*millimetres) * kInchesPerMillimetre;
    }
    const std::size_t blank = text.find(' ');
    if (blank == std::string_view::npos) {
        if (text.find('/') != std::string_view::npos)
            return Fraction(text);
        const auto whole = ParseInteger(text);
        return whole ? std::optional<double>(static_cast<double>(*whole)) : std::nullopt;
    }
    const auto whole = ParseInteger(text.substr(0, blank));
    const auto fraction = Fraction(text.substr(blank + 1));
    if (!whole || !fraction)
        return std::nullopt;
    // The fraction of a negative size is never shown, so the sign is the
    // whole's alone.
    return static_cast<double>(*whole) + (*whole < 0 ? -*fraction : *fraction);
}

std::vector<WoodGroup> GroupCutList(const CutList& list, UnitMode units)
{
    std::vector<WoodGroup> groups;
    for (const auto& batch : list) {
        for (const auto& row : batch.rows) {
            auto group = std::find_if(groups.begin(), groups.end(), [&](const WoodGroup& g) {
                return g.wood == row.material && g.stockText == row.stock;
            });
            if (group == groups.end()) {
                groups.push_back({row.material, row.stock, SizeOrNaN(row.stock, units), {}});
                group = groups.end() - 1;
            }
            group->parts.push_back(
                {batch.partName, SizeOrNaN(row.length, units), SizeOrNaN(row.width, units), row.quantity, true});
        }
    }
    return groups;
}

WoodGroupPlan PlanWoodGroup(WoodGroup group, const StockList& stock, const CutSettings& settings)
{
    WoodGroupPlan plan;
    if (const StockEntry* entry = stock.find(group.wood, group.thickness))
        plan.stock = *entry;
    if (plan.stock && plan.stock->kind == StockKind::Sheet) {
        plan.sheets = PlanSheets(group.parts, {plan.stock->length, plan.stock->width, plan.stock->grain}, settings);
        plan.cost = static_cast<Money>(plan.sheets->sheets.size()) * plan.stock->price;
    } else if (plan.stock) {
        plan.lumber = PlanLumber(group.parts, group.thickness, plan.stock->length, plan.stock->wastePercent,
                                 settings.kerf, plan.stock->width);
    }
    plan.group = std::move(group);
    return plan;
}

std::vector<WoodGroupPlan> PlanCutList(const CutList& list, UnitMode units, const StockList& stock,
                                       const CutSettings& settings)
{
    std::vector<WoodGroupPlan> plans;
    for (auto& group : GroupCutList(list, units))
        plans.push_back(PlanWoodGroup(std::move(group), stock, settings));
    return plans;
}

} // namespace boxmill
