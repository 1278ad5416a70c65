// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>

namespace boxmill {

// Fixed sizes of the cabinet vocabulary. The record keeps spare slots beyond
// the used ones (101 parameter slots, 33 part slots) so the file layout never
// has to change when the program grows.
inline constexpr int kParamCount = 73;
inline constexpr int kParamSlots = 101;
inline constexpr int kPartRows = 31;
inline constexpr int kPartSlots = 33;
inline constexpr int kIncludeItems = 20;
inline constexpr int kSections = 3;
inline constexpr int kMaxShelves = 4;
inline constexpr int kMaxDrawers = 4;
inline constexpr int kMaxDoors = 2;
inline constexpr int kMaxPartitions = 1;
inline constexpr int kMaxNailers = 3;

} // namespace boxmill
