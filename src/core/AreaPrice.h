// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Measure.h"
#include "Money.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace boxmill {

// Wood areas and prices are held per square foot whatever the units, as
// Wood.dat and every cabinet file have always stored them, so that a cabinet
// costs the same in both. Millimetres only show them per square metre.
inline constexpr double kSquareCentimetresPerSquareFoot = 929.034116;
inline constexpr double kSquareMetresPerSquareFoot = kSquareCentimetresPerSquareFoot / 10000.0;

// An area in square feet in the area unit the mode shows.
double ShownArea(double squareFeet, UnitMode mode);

// A stored price per square foot as the mode shows it: unchanged in inches;
// per square metre in millimetres, with the fewest decimals that read back
// as the same stored price. A text that is not a price is shown as it is.
std::string ShownPriceText(std::string_view storedPrice, UnitMode mode);

// A price typed per shown area unit as it is stored: the text as typed in
// inches; per square foot in millimetres, the nearest that fits `capacity`
// characters. Nullopt when the text is not a price.
std::optional<std::string> StoredPriceText(std::string_view shownPrice, UnitMode mode,
                                           std::size_t capacity = std::string::npos);

} // namespace boxmill
