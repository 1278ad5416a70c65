// SPDX-License-Identifier: GPL-3.0-or-later
#include "WoodCost.h"

#include "CostArithmetic.h"

#include "core/AreaPrice.h"
#include "core/CabinetModel.h"

#include <algorithm>
#include <cmath>

namespace boxmill {

int WoodCost::gridRows() const
{
    return std::max(static_cast<int>(rows.size()) + 1, kWoodCostMinimumRows);
}

namespace {

// The integer part plus one, not the ceiling: an exact 3 square feet is
// charged as 4, and estimates made before must come out the same.
std::int64_t WholeUnits(double area)
{
    if (!std::isfinite(area))
        return 0;
    const double whole = std::trunc(area) + 1.0;
    return static_cast<std::int64_t>(std::clamp(whole, -1.0e15, 1.0e15));
}

Money RowCost(Money price, std::int64_t squareFeet)
{
    Money cost = 0;
    if (__builtin_mul_overflow(price, squareFeet, &cost))
        return (price < 0) != (squareFeet < 0) ? -kLargestMoney : kLargestMoney;
    return cost;
}

std::string BoughtAreaText(std::int64_t squareFeet, UnitMode mode)
{
    if (mode == UnitMode::Inches)
        return std::to_string(squareFeet);
    return FormatTwoDecimals(ShownArea(static_cast<double>(squareFeet), mode));
}

} // namespace

std::string_view WoodCostAreaTitle(UnitMode mode)
{
    return mode == UnitMode::Inches ? "SqFt x Stock" : "SqM x Stock";
}

WoodCost UpdateWoodCost(const CabinetModel& model)
{
    WoodCost result;
    for (int k = 0; k < kPartRows; ++k) {
        const auto kind = static_cast<std::size_t>(k);
        const double area = model.partArea[kind];
        if (area == 0.0)
            continue;
        const std::string& wood = model.partWoodName[kind];
        const std::string stockText = FormatMeasure(model.partStock[kind], model.units);
        // Wood and stock are compared apart: joined into one text, Oak1 at
        // 2 inches would pass for Oak at 12.
        const auto same = std::find_if(result.rows.begin(), result.rows.end(), [&](const WoodCostRow& row) {
            return row.wood == wood && row.stockText == stockText;
        });
        if (same != result.rows.end())
            same->area += area;
        else
            result.rows.push_back(WoodCostRow {wood, stockText, area, model.partPrice[kind], 0, 0, {}, {}});
    }
    PriceWoodCostRows(result, model.units);
    return result;
}

void PriceWoodCostRows(WoodCost& cost, UnitMode mode)
{
    cost.partsTotal = 0;
    for (auto& row : cost.rows) {
        row.wholeUnits = WholeUnits(row.area);
        row.cost = RowCost(row.price, row.wholeUnits);
        cost.partsTotal = AddMoney(cost.partsTotal, row.cost);
        row.woodText = row.wood;
        row.areaText = BoughtAreaText(row.wholeUnits, mode) + " x " + row.stockText;
    }
}

} // namespace boxmill
