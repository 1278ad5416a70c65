// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Result.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace boxmill {

Result<std::string> ReadFileBytes(const std::filesystem::path& path);

// Writes beside the target and renames over it, so that a crash or a full
// disk never leaves a half-written file behind: the old file stays whole.
Status WriteFileAtomic(const std::filesystem::path& path, std::string_view bytes);

// Lines ended by CR LF or LF; a last line without an ending counts too.
std::vector<std::string> SplitLines(std::string_view text);
Result<std::vector<std::string>> ReadTextLines(const std::filesystem::path& path);
// Every line, the last one included, ends with CR LF.
std::string JoinLinesCrLf(const std::vector<std::string>& lines);
Status WriteTextLines(const std::filesystem::path& path, const std::vector<std::string>& lines);

} // namespace boxmill
