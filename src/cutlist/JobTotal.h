// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/Money.h"
#include "core/Result.h"

#include <string_view>

namespace boxmill {

inline constexpr std::string_view kJobTotalMessage = "Hours and cost must contain a number to calculate \"JobTotal\".";

// A working year of hours, and a rate no shop charges, both still written in
// the four and five characters the cabinet file keeps for them. Negative
// labour would quietly take the wood off the job's price.
inline constexpr double kMostHours = 9999;
inline constexpr double kHighestLabourRate = 99999;
inline constexpr std::string_view kHoursRangeMessage =
    "\"Hours\" must be a number from 0 to 9999, written in at most 4 characters.";
inline constexpr std::string_view kLabourRateRangeMessage =
    "\"Cost\", the labour rate per hour, must be a number from 0 to 99999, written in at most 5 characters.";

// The "Hours" and "Cost" boxes as typed or stored; the error is the message
// that says what is allowed.
Result<double> ReadHours(std::string_view text);
Result<Money> ReadLabourRate(std::string_view text);

// Labour plus wood: hours times the rate (the rate rounded to a
// ten-thousandth first), plus the parts total, rounded to a ten-thousandth.
// When the hours or the rate is not a number, or is out of its range, there
// is no total and the error says why.
Result<Money> JobTotal(std::string_view hoursText, std::string_view costText, Money partsTotal);

} // namespace boxmill
