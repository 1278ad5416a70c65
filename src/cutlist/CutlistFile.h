// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/Result.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace boxmill {

class CabinetModel;
class FileDialogs;
class Prompter;
struct CutListState;

inline constexpr const char* kCutlistFileName = "Cutlist.txt";
inline constexpr const char* kUntitledCutlist = "Untitled.txt";
inline constexpr std::string_view kCutlistMissingMessage = "The \"Cutlist Editor\" must be executed first.";

// One board of the listing as a line of Cutlist.txt: part, width, length,
// quantity, wood-stock and the cabinet, comma-separated. A field holding a
// comma or a double quote is quoted, its quotes doubled, so that a wood
// named "Oak, quartersawn" cannot shift the columns after it.
std::string CutlistFileLine(std::string_view part, std::string_view width, std::string_view length,
                            std::string_view quantity, std::string_view woodStock, std::string_view cabinet);

// Cutlist.txt in the program folder, replaced whole or not at all.
std::filesystem::path CutlistFilePath(const CabinetModel& model);
Status WriteCutlistFile(const std::filesystem::path& path, const std::vector<std::string>& lines);

// "Save Cutlist Editor To File": writes the editor's listing to a file the
// user names, suggesting the name of the last build; before any build in
// this run, Cutlist.txt left by an earlier one is copied. True when the copy was
// written; the user is told why when it was not (cancelled: nothing said).
bool SaveCutlistEditorToFile(const CabinetModel& model, const CutListState& state, FileDialogs& dialogs,
                             Prompter& prompter);

} // namespace boxmill
