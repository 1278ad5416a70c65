// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <string_view>

namespace boxmill {

// Names of the record's Boolean blocks, in record order. The construction
// options block starts at byte 2275, the raised panel block at 2323, the
// enable lists at 2349.
extern const std::array<std::string_view, 38> kOptionNames;
extern const std::array<std::string_view, 26> kRaisedPanelNames;
extern const std::array<std::string_view, 12> kDrawerEnabledNames;
extern const std::array<std::string_view, 12> kFaceEnabledNames;
extern const std::array<std::string_view, 6> kPanelEnabledNames;
extern const std::array<std::string_view, 10> kSectionCountNames; // section items 1..10

inline constexpr char kSectionLetters[] = {'A', 'B', 'C'};

} // namespace boxmill
