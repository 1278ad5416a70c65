// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Vocabulary.h"

#include <filesystem>
#include <string_view>

namespace boxmill {

class CabinetModel;
class Prompter;
struct ProgramData;

inline constexpr const char* kMissingBaseMessage =
    "You need to run the SETUP.EXE file that came with Boxmill First to install Boxmill! LOOK for SETUP.EXE in "
    "the same folder as the BOXMILL.EXE. This would be the folder that you unziped to. When you find SETUP.EXE "
    "Double click it or run it.";

enum class [[nodiscard]] StartUpOutcome {
    Ready,      // everything read
    Incomplete, // a data file could not be read: reported, the program runs with what it has
    EndProgram, // the program folder was never installed
};

// The vocabulary from the bytes of Dims.dat, IncParts.dat and CabParts.dat.
// The program counts on a fixed number of entries in each: missing lines
// leave empty names, extra lines are not the program's business.
Vocabulary VocabularyFromLists(std::string_view dims, std::string_view includes, std::string_view parts);

// Reads the unit setting, the list files and the default cabinet from the
// program folder. Nothing is replaced unless every file was read, so a
// second run (after a unit switch) that fails keeps the program as it was.
// Temporary files that a killed run left in the program folder and its Base
// folder are removed first.
StartUpOutcome StartUp(const std::filesystem::path& programFolder, ProgramData& data, CabinetModel& model,
                       Prompter& prompter);

} // namespace boxmill
