// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Constants.h"

#include <array>
#include <string_view>

namespace boxmill {

// The names the shipped Dims.dat and CabParts.dat give to the parameters and
// part rows, for messages written where the program folder's own names are
// not at hand (refusing a cabinet file happens before anything is adopted).
extern const std::array<std::string_view, kParamCount> kDefaultParameterNames;
extern const std::array<std::string_view, kPartRows> kDefaultPartNames;

} // namespace boxmill
