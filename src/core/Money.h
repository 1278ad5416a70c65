// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string>
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

// The exact decimal text of an amount, without trailing zeros: "12.349",
// "7", "-0.5".
std::string MoneyText(Money value);

// Two decimals cut off, not rounded: 12.349 gives "12.34", 7 gives "7.00",
// 7.5 gives "7.50"; nothing above zero gives "0". Money is cut from its
// exact text, a real number (an area) from its general decimal text.
std::string FormatMoney(Money value);
std::string FormatTwoDecimals(double value);

} // namespace boxmill
