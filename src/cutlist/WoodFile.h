// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/Measure.h"
#include "core/Result.h"

#include <filesystem>
#include <string>
#include <vector>

namespace boxmill {

// Wood.dat's lines for the listing as shown: name*thickness*price, the
// thickness in decimal inches. Every item is checked before any line is
// made; the error names the first one that could not be read back.
Result<std::vector<std::string>> WoodFileLines(const std::vector<std::string>& items, UnitMode mode);

// Writes Wood.dat whole or not at all: a refused item or a failed write
// leaves the old file as it was.
Status SaveWoodListing(const std::filesystem::path& woodFile, const std::vector<std::string>& items, UnitMode mode);

} // namespace boxmill
