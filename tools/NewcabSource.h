// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/CabinetRecord.h"
#include "core/Result.h"

#include <string_view>

namespace boxmill {

class Vocabulary;

// Compiles the readable default cabinet into its record. Every key must be
// present exactly once and known, so that a typo cannot silently leave a
// zero in the cabinet every new design starts from.
Result<CabinetRecord> CompileNewcab(std::string_view source, const Vocabulary& vocabulary);

} // namespace boxmill
