// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <ctime>
#include <string>

namespace boxmill {

// A date in the short form of the locale's LC_TIME ("%x"): 03/14/26 in the
// C locale, 14/03/2026 in en_GB.
std::string ShortDate(const std::tm& date);

// Today, in the local time zone, for the listing header. Tests pass a fixed
// text instead.
std::string TodaysShortDate();

} // namespace boxmill
