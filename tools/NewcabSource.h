// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/CabinetRecord.h"
#include "core/Result.h"

#include <string_view>

namespace boxmill {

class Vocabulary;

// Compiles the readable default cabinet into its record with the core's
// cabinet text reader: every key must be present exactly once and known,
// so that a typo cannot silently leave a zero in the cabinet every new
// design starts from. The default cabinet is held to two rules more than
// any cabinet text: no bytes after the record, and not both a top and
// carcass rails.
Result<CabinetRecord> CompileNewcab(std::string_view source, const Vocabulary& vocabulary);

} // namespace boxmill
