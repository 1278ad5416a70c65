// SPDX-License-Identifier: GPL-3.0-or-later
#include "JobTotal.h"

#include "core/CabinetRecord.h"
#include "core/NumberText.h"

#include <cmath>

namespace boxmill {

static_assert(FieldCapacity::Hours == 4 && FieldCapacity::Cost == 5, "the range messages name the field sizes");

Result<double> ReadHours(std::string_view text)
{
    const auto hours = ParseDecimal(text);
    if (!hours || text.size() > static_cast<std::size_t>(FieldCapacity::Hours) ||
        !(*hours >= 0.0 && *hours <= kMostHours))
        return Result<double>::failure(std::string(kHoursRangeMessage));
    return *hours;
}

Result<Money> ReadLabourRate(std::string_view text)
{
    const auto rate = ParseDecimal(text);
    if (!rate || text.size() > static_cast<std::size_t>(FieldCapacity::Cost) ||
        !(*rate >= 0.0 && *rate <= kHighestLabourRate))
        return Result<Money>::failure(std::string(kLabourRateRangeMessage));
    return static_cast<Money>(std::nearbyint(*rate * static_cast<double>(kMoneyScale)));
}

Result<Money> JobTotal(std::string_view hoursText, std::string_view costText, Money partsTotal)
{
    if (!ParseDecimal(hoursText) || !ParseDecimal(costText))
        return Result<Money>::failure(std::string(kJobTotalMessage));
    const auto hours = ReadHours(hoursText);
    const auto rate = ReadLabourRate(costText);
    if (!hours || !rate)
        return Result<Money>::failure(!hours ? hours.error() : rate.error());
    // Hours may be fractional, so the sum is taken in floating point and
    // rounded once; labour in range and the parts total are exact in a
    // double far beyond any real cabinet.
    const double job = std::nearbyint(*hours * static_cast<double>(*rate) + static_cast<double>(partsTotal));
    if (std::isfinite(job) && std::fabs(job) < 9.0e18)
        return static_cast<Money>(job);
    return Result<Money>::failure(std::string(kJobTotalMessage));
}

} // namespace boxmill
