// SPDX-License-Identifier: GPL-3.0-or-later
#include "Money.h"

#include "NumberText.h"

#include <cmath>

namespace boxmill {

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

} // namespace boxmill
