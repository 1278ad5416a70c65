// SPDX-License-Identifier: GPL-3.0-or-later
#include "cutlist/WoodEstimate.h"

#include "PartKinds.h"

#include <gtest/gtest.h>

using namespace boxmill;
using test::SetKind;

namespace {

std::vector<std::string> PartNames()
{
    std::vector<std::string> names;
    for (int k = 0; k < kPartRows; ++k)
        names.push_back("Kind " + std::to_string(k));
    return names;
}

std::vector<std::string> RowTexts(const WoodEstimate& estimate)
{
    std::vector<std::string> texts;
    for (const auto& r : estimate.rows)
        texts.push_back(r.partName + " | " + r.woodSetting + " | " + r.areaText + " | " + r.costText);
    texts.push_back(estimate.totalAreaText + " | " + estimate.totalCostText);
    return texts;
}

} // namespace

TEST(EstimateWood, EveryKindAtItsOwnPriceAndUnroundedArea)
{
    // Each kind on its own, its area as built (no whole units, no merging):
    //   2.2 x 4.50 = 9.90, 1.5 x 5.00 = 7.50, 3.0 x 1.35 = 4.05, 0.4 x 3.10 = 1.24
    //   area 7.1, cost 22.69
    CabinetModel model;
    SetKind(model, 0, "Red Oak", "0.75", "4.50", 2.2);
    SetKind(model, 1, "Red Oak", "0.75", "5.00", 1.5);
    SetKind(model, 4, "Birch Plywood", "0.25", "1.35", 3.0);
    SetKind(model, 26, "Red Oak", "0.5", "3.10", 0.4);
    auto cells = FillWoodSelectionColumn(model);
    cells[4] = "Birch Plywood*0-1/4"; // as Change Wood Settings leaves it
    const auto estimate = EstimateWood(model, PartNames(), cells);
    EXPECT_EQ(RowTexts(estimate), (std::vector<std::string> {
                                      "Kind 0 | Red Oak*0-3/4 | 2.20 | 9.90",
                                      "Kind 1 | Red Oak*0-3/4 | 1.50 | 7.50",
                                      "Kind 4 | Birch Plywood*0-1/4 | 3.00 | 4.05",
                                      "Kind 26 | Red Oak*0-1/2 | 0.40 | 1.24",
                                      "7.10 | 22.69",
                                  }));
    EXPECT_EQ(estimate.gridRows(), 11);
}

TEST(EstimateWood, RowsAreKeptToTheTenThousandthBeforeTheyAreAdded)
{
    // 0.33333 x 1.00 -> 0.3333 three times: 0.9999, shown 0.99.
    CabinetModel model;
    for (int k = 0; k < 3; ++k)
        SetKind(model, k, "Oak", "0.75", "1", 0.33333);
    EXPECT_EQ(EstimateWood(model, PartNames(), FillWoodSelectionColumn(model)).totalCost, 9999);

    // Metric costs what inches cost: 2.0 sq ft x 10.00 = 20.00, the area
    // shown as 2 x 0.0929034116 = 0.1858 square metres.
    model = CabinetModel();
    model.units = UnitMode::Metric;
    SetKind(model, 3, "Oak", "0.74803", "10", 2.0);
    const auto metric = EstimateWood(model, PartNames(), FillWoodSelectionColumn(model));
    EXPECT_EQ(metric.totalCost, 200000);
    EXPECT_EQ(RowTexts(metric), (std::vector<std::string> {"Kind 3 | Oak*19 | 0.18 | 20.00", "0.18 | 20.00"}));
}
