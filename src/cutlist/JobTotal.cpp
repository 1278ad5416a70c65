// SPDX-License-Identifier: GPL-3.0-or-later
#include "JobTotal.h"

#include "core/NumberText.h"
#include "core/Prompter.h"

#include <cmath>

namespace boxmill {

std::optional<Money> JobTotal(std::string_view hoursText, std::string_view costText, Money partsTotal,
                              Prompter& prompter)
{
    const auto hours = ParseDecimal(hoursText);
    const auto rate = ParseMoney(costText);
    // Negative labour would quietly take the wood off the job's price.
    if (hours && rate && (*hours < 0.0 || *rate < 0)) {
        prompter.message(MessageKind::Error, kNegativeLabourMessage);
        return std::nullopt;
    }
    if (hours && rate) {
        // Hours may be fractional, so the sum is taken in floating point and
        // rounded once; the parts total is exact in a double far beyond any
        // real cabinet.
        const double job = std::nearbyint(*hours * static_cast<double>(*rate) + static_cast<double>(partsTotal));
        if (std::isfinite(job) && std::fabs(job) < 9.0e18)
            return static_cast<Money>(job);
    }
    prompter.message(MessageKind::Error, kJobTotalMessage);
    return std::nullopt;
}

} // namespace boxmill
