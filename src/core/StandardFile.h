// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Measure.h"
#include "Result.h"

#include <filesystem>

namespace boxmill {

inline constexpr const char* kStandardFileName = "Standard.dat";

Result<UnitFlags> ReadUnitFlags(const std::filesystem::path& file);
Status WriteUnitFlags(const std::filesystem::path& file, UnitMode mode);

} // namespace boxmill
