// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Stock.h"

#include "core/Measure.h"
#include "core/Result.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace boxmill {

// The columns of the stock listing, in the order the window shows them.
enum class StockColumn { Kind, Wood, Thickness, Length, Width, Grain, Price, Waste };
inline constexpr int kStockColumnCount = 8;
inline constexpr std::array<std::string_view, kStockColumnCount> kStockColumnTitles = {
    "Kind", "Wood", "Thickness", "Length", "Width", "Grain", "Price per sheet", "Waste %"};

// A sheet has no waste allowance; a board no grain and no price of its own
// (the wood listing's area price counts).
bool StockColumnApplies(StockKind kind, StockColumn column);

// What a cell shows: lengths in the cabinet's units, money as typed. Empty
// where the column does not apply, for the grain (a check mark) and for a
// board width that was not given.
std::string StockCellText(const StockEntry& entry, StockColumn column, UnitMode units);

// The entry with one cell typed anew; the error is the message to show, and
// the caller keeps the entry it had. The kind and the grain are not typed.
Result<StockEntry> EditStockCell(StockEntry entry, StockColumn column, std::string_view text, UnitMode units);

// One item of the wood listing (Oak*0 3/4*4.50 or Oak*19*4.50).
struct ListedWood {
    std::string name;
    double thickness = 0.0; // inches, as the cut list gives its parts
    std::string thicknessText;
};

// Items that cannot be read are passed over: the listing explains them.
std::vector<ListedWood> ListedWoods(const std::vector<std::string>& items, UnitMode units);
// Each name once, in the listing's order.
std::vector<std::string> ListedWoodNames(const std::vector<ListedWood>& woods);
// "Cherry 3/4" for each listed wood and thickness no entry serves: the
// cutting diagrams will not plan its parts.
std::vector<std::string> WoodsWithoutStock(const std::vector<ListedWood>& woods,
                                           const std::vector<StockEntry>& entries);

// A new entry of the usual size, for the first listed wood that has no stock
// yet (at its thickness), or without a name when every wood has stock.
StockEntry NewStockEntry(StockKind kind, const std::vector<ListedWood>& woods, const std::vector<StockEntry>& entries);

} // namespace boxmill
