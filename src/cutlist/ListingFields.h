// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace boxmill {

// The cutlist editor shows its text in a fixed-pitch font, so padded fields
// line up as columns.

// 70 hyphens between the parts of the listing.
inline constexpr std::string_view kListingSeparator =
    "----------------------------------------------------------------------";
// Written for a mill option value that does not apply.
inline constexpr std::string_view kBlankMark = "\"\"";

// `text` padded on the right with blanks to `width`. A longer text is kept
// whole and pushes the rest of its line right; an empty one adds nothing at
// all, so the rest of its line moves left.
std::string Field(std::string_view text, std::size_t width);

// Quantity, part, width, length, and wood-stock (9, 18, 12, 12, 13).
std::string BoardLine(std::string_view quantity, std::string_view part, std::string_view width, std::string_view length,
                      std::string_view woodStock);
// Wood and area (15, 12).
std::string WoodLine(std::string_view wood, std::string_view area);
// Label, height or top, depth (45, 16, 5).
std::string MillLine(std::string_view label, std::string_view heightTop, std::string_view depth);

} // namespace boxmill
