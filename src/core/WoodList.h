// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Measure.h"
#include "Result.h"

#include <string>
#include <string_view>
#include <vector>

namespace boxmill {

// One line of Wood.dat: name*thickness*rest, the thickness in decimal
// inches and the rest (the price per square foot) carried over unchanged.
struct WoodEntry {
    std::string name;
    double thickness = 0.0;
    std::string rest;
};

Result<WoodEntry> ParseWoodLine(std::string_view line);

// The text the wood listing shows for an entry, e.g. Oak*0 3/4*4.50 in
// inches or Oak*19*48.4 in millimetres (the price per square metre).
std::string WoodListItem(const WoodEntry& entry, UnitMode mode);

// The wood-settings cell of a part row, e.g. Oak*0-3/4 or Oak*19.
std::string WoodSettingText(std::string_view woodName, double stock, UnitMode mode);

struct WoodListing {
    std::vector<std::string> items;   // sorted as the list shows them
    std::vector<std::string> skipped; // one explanation per refused line
};

// Lines that cannot be read are left out and explained, never guessed at.
WoodListing BuildWoodListing(const std::vector<std::string>& lines, UnitMode mode);

// Alphabetical, ignoring case, as the listing box sorts.
void SortListItems(std::vector<std::string>& items);

} // namespace boxmill
