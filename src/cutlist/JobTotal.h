// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/Money.h"

#include <optional>
#include <string_view>

namespace boxmill {

class Prompter;

inline constexpr std::string_view kJobTotalMessage = "Hours and cost must contain a number to calculate \"JobTotal\".";
inline constexpr std::string_view kNegativeLabourMessage =
    "Hours and cost cannot be negative to calculate \"JobTotal\".";

// Labour plus wood: hours times the rate (the rate rounded to a
// ten-thousandth first), plus the parts total, rounded to a ten-thousandth.
// When the hours or the rate is not a number (or the sum does not fit), or
// is negative, the message is shown and there is no total.
std::optional<Money> JobTotal(std::string_view hoursText, std::string_view costText, Money partsTotal,
                              Prompter& prompter);

} // namespace boxmill
