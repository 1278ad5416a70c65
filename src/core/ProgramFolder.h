// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Result.h"

#include <filesystem>

namespace boxmill {

// Where a program folder may be found when the program starts.
struct ProgramFolderPlaces {
    // The folder the program was started in: the program folder whenever it
    // holds the data files, as it always has been.
    std::filesystem::path current;
    // The data as installed beside the program, read-only.
    std::filesystem::path installed;
    // The user's own program folder, made from the installed data on first
    // start (a program started from a desktop menu runs in the home folder).
    std::filesystem::path user;
};

// True when `folder` holds the data files start-up reads and its Base folder.
bool HoldsProgramData(const std::filesystem::path& folder);

// The program folder to start in: the current folder if it holds the data,
// else the user's, made from the installed data when it does not exist
// yet; the current folder again when there is no installed data either. The copy is made beside it and renamed into
// place, so a start that is interrupted never leaves half a program folder behind.
Result<std::filesystem::path> ChooseProgramFolder(const ProgramFolderPlaces& places);

// The installed data for a program at `executable`: share/boxmill/program
// under the installation prefix.
std::filesystem::path InstalledDataFolder(const std::filesystem::path& executable);

// The platform's place for the user's application data: $XDG_DATA_HOME, or
// ~/.local/share, then "boxmill". Empty when neither can be had.
std::filesystem::path UserProgramFolder();

} // namespace boxmill
