// SPDX-License-Identifier: GPL-3.0-or-later
#include "SheetCheck.h"

#include "cutlist/CutListFixture.h"
#include "cutlist/WoodCost.h"
#include "sheets/CutListSheets.h"

#include <gtest/gtest.h>

namespace boxmill::test {
namespace {

const StockList& ShippedStock()
{
    static const StockList stock = ReadStockFile(std::filesystem::path(BOXMILL_DATA_DIR) / "Stock.txt").value();
    return stock;
}

class CutListSheets : public CutListTest { };

TEST_F(CutListSheets, ListedSizesReadBack)
{
    for (const double inches : {0.03125, 1.5, 23.0, 34.5, 44.53125, 95.96875}) {
        EXPECT_EQ(ListedLength(FormatMeasure(inches, UnitMode::Inches), UnitMode::Inches), inches);
        EXPECT_NEAR(*ListedLength(FormatMeasure(inches, UnitMode::Metric), UnitMode::Metric), inches, 0.02);
    }
    for (const char* refused : {"", "1/3", "2 2/4", "x", "1 1/2 3"})
        EXPECT_FALSE(ListedLength(refused, UnitMode::Inches)) << refused;
}

// Real cabinets, in inches and in millimetres: the groups are the wood
// cost's rows with the same area, every sheet plan keeps its invariants,
// and the sheet counts are what a cabinet maker would cut.
TEST_F(CutListSheets, RealCabinets)
{
    struct Case {
        std::filesystem::path source;
        UnitMode units;
        std::vector<std::string> sheets; // "wood stock: sheets/lower bound"
    };
    const std::vector<Case> cases = {
        {kDefaultCabinetSource,
         UnitMode::Inches,
         {"Birch Plywood 3/4: 1/1", "Birch Plywood 1/4: 1/1", "Oak Plywood 3/4: 1/1", "Baltic Birch 1/2: 1/1",
          "Baltic Birch 1/4: 1/1"}},
        {kBusyCabinetSource,
         UnitMode::Inches,
         {"Birch Plywood 3/4: 2/2", "Birch Plywood 1/4: 1/1", "Oak Plywood 3/4: 1/1", "Baltic Birch 1/2: 1/1",
          "Baltic Birch 1/4: 1/1"}},
        {kBusyCabinetSource,
         UnitMode::Metric,
         {"Birch Plywood 19: 2/2", "Birch Plywood 6: 1/1", "Oak Plywood 19: 1/1", "Baltic Birch 13: 1/1",
          "Baltic Birch 6: 1/1"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.source.filename().string());
        load(c.source);
        model.units = c.units;
        const auto list = build(CutListKind::Complete);
        const auto woodCost = UpdateWoodCost(model);
        const auto groups = GroupCutList(list, c.units);
        ASSERT_EQ(groups.size(), woodCost.rows.size());
        for (const auto& row : woodCost.rows) {
            const auto group = std::find_if(groups.begin(), groups.end(), [&](const WoodGroup& g) {
                return g.wood == row.wood && g.stockText == row.stockText;
            });
            ASSERT_NE(group, groups.end()) << row.wood << " " << row.stockText;
            double area = 0.0;
            for (const auto& part : group->parts)
                area += part.quantity * part.length * part.width;
            EXPECT_NEAR(area / 144.0, row.area, row.area * 0.01) << row.wood;
        }

        std::vector<std::string> summary;
        for (const auto& plan : PlanCutList(list, c.units, ShippedStock(), CutSettings {})) {
            ASSERT_TRUE(plan.stock) << plan.group.wood << " has stock";
            if (!plan.sheets)
                continue;
            const SheetSize sheet {plan.stock->length, plan.stock->width, plan.stock->grain};
            ExpectSoundPlan(*plan.sheets, plan.group.parts, sheet, CutSettings {});
            EXPECT_EQ(plan.cost, static_cast<Money>(plan.sheets->sheets.size()) * plan.stock->price);
            summary.push_back(plan.group.wood + " " + plan.group.stockText + ": " +
                              std::to_string(plan.sheets->sheets.size()) + "/" +
                              std::to_string(plan.sheets->lowerBound));
        }
        EXPECT_EQ(summary, c.sheets);
    }
}

TEST_F(CutListSheets, WoodWithoutStockIsListedWithItsParts)
{
    const auto list = build(CutListKind::Complete);
    StockList none;
    const auto plans = PlanCutList(list, UnitMode::Inches, none, CutSettings {});
    ASSERT_FALSE(plans.empty());
    for (const auto& plan : plans) {
        EXPECT_FALSE(plan.stock);
        EXPECT_FALSE(plan.group.parts.empty()) << plan.group.wood;
    }
}

} // namespace
} // namespace boxmill::test
