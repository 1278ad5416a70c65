// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Measure.h"
#include "Result.h"

#include <filesystem>
#include <string_view>

namespace boxmill {

inline constexpr const char* kStandardFileName = "Standard.dat";

// The unit setting from the bytes of Standard.dat: its first two bytes;
// anything after them is not the program's business.
Result<UnitFlags> ParseUnitFlags(std::string_view bytes);
Result<UnitFlags> ReadUnitFlags(const std::filesystem::path& file);
Status WriteUnitFlags(const std::filesystem::path& file, UnitMode mode);

} // namespace boxmill
