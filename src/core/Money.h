// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace boxmill {

// Prices, costs and totals count ten-thousandths of a currency unit, so sums
// of many small board costs never drift the way binary fractions do.
using Money = std::int64_t;
inline constexpr Money kMoneyScale = 10000;

// The nearest ten-thousandth; nullopt when the value does not fit.
std::optional<Money> MoneyFromDecimal(double value);

// A price text as typed ("4.50", "4,5"); nullopt when it is not a number.
std::optional<Money> ParseMoney(std::string_view text);

} // namespace boxmill
