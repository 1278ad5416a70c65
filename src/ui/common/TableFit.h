// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <span>

class QTableView;
class QTableWidget;

namespace boxmill {

// Sizes every column of `grid` to its title, its entries and the widest
// entry it is meant to hold (`widestEntries`, one per column), whatever the
// font, and makes the grid ask its window for that room rather than scroll
// sideways or cut entries short.
void FitTableColumns(QTableWidget* grid, std::span<const char* const> widestEntries);

// Makes the rows of `grid` `rowHeight` pixels high, or as high as its font
// needs where that is more; returns the height they got.
int FitTableRows(QTableView* grid, int rowHeight);

// The height that shows `rows` rows of `grid` whole, with its heading, its
// frame and a horizontal scroll bar that is always there.
int TableHeightFor(const QTableView* grid, int rows);

} // namespace boxmill
