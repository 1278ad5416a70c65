// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <span>

class QTableWidget;

namespace boxmill {

// Sizes every column of `grid` to its title, its entries and the widest
// entry it is meant to hold (`widestEntries`, one per column), whatever the
// font, and makes the grid ask its window for that room rather than scroll
// sideways or cut entries short.
void FitTableColumns(QTableWidget* grid, std::span<const char* const> widestEntries);

} // namespace boxmill
