// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace boxmill {

// Numbers stored as text (parameter values, stock thicknesses, prices,
// Wood.dat thicknesses) are always written with "." so that a cabinet saved
// on one machine reads the same on any other; a "," typed or written by an
// older program is accepted on reading.

// General decimal form: at most 15 significant digits, no trailing zeros,
// scientific only for very small or very large magnitudes.
std::string FormatDecimal(double value);

// Leading and trailing blanks are ignored; anything else that is not a
// complete decimal number yields nullopt.
std::optional<double> ParseDecimal(std::string_view text);

// A whole decimal number with an optional sign; nullopt for anything else.
std::optional<long long> ParseInteger(std::string_view text);

std::string_view TrimBlanks(std::string_view text);
// The fields of a line of the program's text files, "a | b | c", each
// without the blanks around it.
std::vector<std::string_view> SplitBarFields(std::string_view text);

} // namespace boxmill
