// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "LayoutResult.h"

#include "core/CabinetModel.h"
#include "core/Result.h"

#include <filesystem>

namespace boxmill {

class Vocabulary;

// A cabinet read from its file and laid out, ready to be listed, and what
// reading it said (texts that are not numbers).
struct LoadedCabinet {
    CabinetModel model;
    LayoutResult layout;
    Messages messages;
};

// Reads the cabinet at `path` into a copy of `base`, which gives what a
// cabinet file does not hold (the units, the folders, the program's
// settings), names it after its file and lays it out afresh: nothing of
// `base`'s layout carries over. A refused file is an error naming why.
Result<LoadedCabinet> LoadCabinet(const std::filesystem::path& path, const CabinetModel& base,
                                  const Vocabulary& vocabulary);

} // namespace boxmill
