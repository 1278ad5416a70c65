// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/Measure.h"
#include "core/Money.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace boxmill {

class CabinetModel;

// One row of the wood cost listing: every part kind of the same wood and
// stock, with the price of the first of them.
struct WoodCostRow {
    std::string wood;
    std::string stockText;       // the stock as a measurement: 3/4, 1 , 19
    double area = 0.0;           // square feet, whatever the units
    Money price = 0;             // per square foot
    std::int64_t wholeUnits = 0; // square feet bought: the integer part of the area plus one
    Money cost = 0;
    // The two cells of the listing, kept for the cutlist editor as well:
    // "Red Oak" and "12 x 3/4", in metric the same square feet in square
    // metres: "1.11 x 19".
    std::string woodText;
    std::string areaText;
};

inline constexpr int kWoodCostMinimumRows = 6;

struct WoodCost {
    std::vector<WoodCostRow> rows;
    Money partsTotal = 0;

    // The listing grid's row count: the header and the rows, never below 6.
    int gridRows() const;
};

// The title of the listing's area column: "SqFt x Stock" or "SqM x Stock".
std::string_view WoodCostAreaTitle(UnitMode mode);

// The wood cost of the last cut list, from the part areas it accumulated.
WoodCost UpdateWoodCost(const CabinetModel& model);

// The whole units, costs, texts and parts total of rows whose wood, stock,
// area and price are set: a job sums its cabinets' areas first, so that
// each wood is rounded up once for the whole job. The costs are the same in
// both units; `mode` only decides the texts.
void PriceWoodCostRows(WoodCost& cost, UnitMode mode);

} // namespace boxmill
