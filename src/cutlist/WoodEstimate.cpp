// SPDX-License-Identifier: GPL-3.0-or-later
#include "WoodEstimate.h"

#include "CostArithmetic.h"

#include "core/AreaPrice.h"
#include "core/CabinetModel.h"

#include <algorithm>
#include <utility>

namespace boxmill {

int WoodEstimate::gridRows() const
{
    return std::max(static_cast<int>(rows.size()) + 1, kWoodEstimateMinimumRows);
}

WoodEstimate EstimateWood(const CabinetModel& model, const std::vector<std::string>& partNames,
                          const WoodSettingCells& woodSettings)
{
    WoodEstimate estimate;
    for (std::size_t k = 0; k < static_cast<std::size_t>(kPartRows); ++k) {
        const double area = model.partArea[k];
        if (area == 0.0)
            continue;
        WoodEstimateRow row;
        row.partName = k < partNames.size() ? partNames[k] : std::string();
        row.woodSetting = woodSettings[k];
        row.area = area;
        // Rounded to the ten-thousandth before it is shown or added, so the
        // rows add up to the total they stand above.
        row.cost = SaturatedMoney(area * static_cast<double>(model.partPrice[k]));
        row.areaText = FormatTwoDecimals(ShownArea(area, model.units));
        row.costText = FormatMoney(row.cost);
        estimate.totalArea += area;
        estimate.totalCost = AddMoney(estimate.totalCost, row.cost);
        estimate.rows.push_back(std::move(row));
    }
    estimate.totalAreaText = FormatTwoDecimals(ShownArea(estimate.totalArea, model.units));
    estimate.totalCostText = FormatMoney(estimate.totalCost);
    return estimate;
}

} // namespace boxmill
