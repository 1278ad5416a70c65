// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Measure.h"
#include "Vocabulary.h"

#include <string>
#include <vector>

namespace boxmill {

// What the program folder's data files give the program at start-up.
struct ProgramData {
    UnitFlags unitFlags;
    Vocabulary vocabulary;
    std::vector<std::string> woodItems; // the wood listing as shown
};

namespace DataFile {
inline constexpr const char* Dims = "Dims.dat";
inline constexpr const char* IncParts = "IncParts.dat";
inline constexpr const char* CabParts = "CabParts.dat";
inline constexpr const char* Wood = "Wood.dat";
inline constexpr const char* NewCabinet = "Newcab.dat";
inline constexpr const char* BaseFolder = "Base";
inline constexpr const char* ExportFolder = "Xport";
} // namespace DataFile

} // namespace boxmill
