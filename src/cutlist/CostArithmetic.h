// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/Money.h"

#include <cmath>
#include <cstdint>
#include <limits>

namespace boxmill {

// Costs of an absurd cabinet (a mistyped parameter of ten digits) can
// outgrow 64 bits. They saturate: a wrong but visible total beats a sum
// that wraps round to a plausible one.
inline constexpr Money kLargestMoney = std::numeric_limits<Money>::max();

inline Money SaturatedMoney(double tenThousandths)
{
    if (std::isnan(tenThousandths))
        return 0;
    const double rounded = std::nearbyint(tenThousandths);
    if (rounded >= 9.0e18)
        return kLargestMoney;
    if (rounded <= -9.0e18)
        return -kLargestMoney;
    return static_cast<Money>(rounded);
}

inline Money AddMoney(Money a, Money b)
{
    Money sum = 0;
    if (__builtin_add_overflow(a, b, &sum))
        return a < 0 ? -kLargestMoney : kLargestMoney;
    return sum;
}

} // namespace boxmill
