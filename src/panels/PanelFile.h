// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/PanelStyle.h"
#include "core/Result.h"

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

namespace boxmill {

// The style a new panel starts from, in the program folder.
inline constexpr const char* kNewPanelFile = "Newpanel.dat";

// A panel file is a run of 26-byte styles with no header; the program reads
// and writes only the first. Other tools keep more styles behind it, so a
// longer file is accepted within reason and its tail is kept on saving.
inline constexpr std::size_t kPanelFileCap = 64 * 1024;

// A file shorter than one style is refused: reading its missing bytes as
// zeros would pass off a damaged file as a style of single panels.
Result<PanelStyle> ParsePanelStyle(std::string_view bytes);
Result<PanelStyle> ReadPanelStyleFile(const std::filesystem::path& path);

// The style followed by whatever the replaced file held after its first 26
// bytes.
std::string SerializePanelStyle(const PanelStyle& style, std::string_view replacedFile);
// Writes through the atomic writer; an existing file that cannot be read
// (so its tail could not be kept) is left alone and the save refused.
Status WritePanelStyleFile(const std::filesystem::path& path, const PanelStyle& style);

} // namespace boxmill
