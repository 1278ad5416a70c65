// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "WoodSettings.h"

#include "core/Money.h"

#include <string>
#include <vector>

namespace boxmill {

class CabinetModel;

// One part kind with boards in the last cut list. The area is the kind's
// own, not rounded up to whole units as the cost listing does.
struct WoodEstimateRow {
    std::string partName;
    std::string woodSetting; // as the wood-settings grid shows it
    double area = 0.0;       // square feet
    Money cost = 0;
    std::string areaText; // in the shown area unit, two decimals, cut
    std::string costText;
};

inline constexpr int kWoodEstimateMinimumRows = 11;

// The "Wood Estimator" window's two grids.
struct WoodEstimate {
    std::vector<WoodEstimateRow> rows;
    double totalArea = 0.0;
    Money totalCost = 0;
    std::string totalAreaText;
    std::string totalCostText;

    // The part grid's row count: the header and the rows, never below 11.
    int gridRows() const;
};

// The cost of every part kind of the last cut list at its own price.
// `partNames` are the kinds' names (CabParts.dat), `woodSettings` the cells
// the wood-settings grid shows.
WoodEstimate EstimateWood(const CabinetModel& model, const std::vector<std::string>& partNames,
                          const WoodSettingCells& woodSettings);

} // namespace boxmill
