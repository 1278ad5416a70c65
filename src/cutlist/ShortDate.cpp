// SPDX-License-Identifier: GPL-3.0-or-later
#include "ShortDate.h"

#include <array>

namespace boxmill {

std::string ShortDate(const std::tm& date)
{
    std::array<char, 64> text {};
    // The short form is the locale's choice, two-digit years included: it
    // is what the user sees everywhere else on the machine.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wformat-y2k"
    const std::size_t length = std::strftime(text.data(), text.size(), "%x", &date);
#pragma GCC diagnostic pop
    return std::string(text.data(), length);
}

std::string TodaysShortDate()
{
    const std::time_t now = std::time(nullptr);
    std::tm local {};
    localtime_r(&now, &local);
    return ShortDate(local);
}

} // namespace boxmill
