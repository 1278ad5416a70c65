// SPDX-License-Identifier: GPL-3.0-or-later
#include "Money.h"

#include "NumberText.h"

#include <array>
#include <charconv>
#include <cmath>

namespace boxmill {

namespace {

// Everything up to the first ".", then the next two characters, missing
// ones written as "0". Working on the text rather than on the number keeps
// 1.15 at "1.15" where 1.15 * 100 in binary would floor to 114.
std::string CutToTwoDecimals(const std::string& text)
{
    const auto point = text.find('.');
    if (point == std::string::npos)
        return text + ".00";
    std::string decimals = text.substr(point + 1, 2);
    decimals.resize(2, '0');
    return text.substr(0, point + 1) + decimals;
}

} // namespace

std::optional<Money> MoneyFromDecimal(double value)
{
    const double scaled = std::nearbyint(value * static_cast<double>(kMoneyScale));
    // Well inside the 64-bit range, so the conversion below is defined.
    if (!std::isfinite(scaled) || std::fabs(scaled) > 9.0e18)
        return std::nullopt;
    return static_cast<Money>(scaled);
}

std::optional<Money> ParseMoney(std::string_view text)
{
    const auto value = ParseDecimal(text);
    if (!value)
        return std::nullopt;
    return MoneyFromDecimal(*value);
}

std::string MoneyText(Money value)
{
    // Unsigned, so that the most negative amount has a magnitude too.
    const auto magnitude =
        value < 0 ? std::uint64_t {0} - static_cast<std::uint64_t>(value) : static_cast<std::uint64_t>(value);
    const auto scale = static_cast<std::uint64_t>(kMoneyScale);
    std::string text = (value < 0 ? "-" : "") + std::to_string(magnitude / scale);
    std::string decimals = std::to_string(magnitude % scale);
    decimals.insert(0, 4 - decimals.size(), '0');
    while (!decimals.empty() && decimals.back() == '0')
        decimals.pop_back();
    if (!decimals.empty())
        text += "." + decimals;
    return text;
}

std::string FormatMoney(Money value)
{
    if (value <= 0)
        return "0";
    return CutToTwoDecimals(MoneyText(value));
}

std::string FormatTwoDecimals(double value)
{
    if (!(value > 0.0) || !std::isfinite(value))
        return "0";
    // The general decimal text switches to an exponent at both ends of the
    // range; cut to two decimals, a tiny value is nothing and a huge one has
    // no fraction worth showing.
    if (value < 1e-5)
        return "0.00";
    if (value >= 1e15) {
        std::array<char, 400> buffer {};
        const auto result =
            std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::fixed, 0);
        return CutToTwoDecimals(std::string(buffer.data(), result.ptr));
    }
    return CutToTwoDecimals(FormatDecimal(value));
}

} // namespace boxmill
