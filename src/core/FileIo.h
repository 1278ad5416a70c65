// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Result.h"

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace boxmill {

// The most a read takes in, by kind of file. A file picked by mistake (a
// disk image, a log) is refused before it costs any memory.
namespace FileCap {
// A cabinet record is 2564 bytes; a longer file written by another tool is
// accepted and its tail kept, within reason.
inline constexpr std::size_t Cabinet = 64 * 1024;
// Standard.dat holds two bytes.
inline constexpr std::size_t UnitSetting = 4 * 1024;
// The list files, Wood.dat, the cut list texts: a few kilobytes in practice.
inline constexpr std::size_t DataFile = 4 * 1024 * 1024;
} // namespace FileCap

// Only regular files are read (a FIFO would wait for a writer, a device
// never end); anything else, or a file larger than `cap`, is refused with a
// message that names it.
Result<std::string> ReadFileBytes(const std::filesystem::path& path, std::size_t cap = FileCap::DataFile);

// Where a save holds the new content until it is whole. Unnamed (Linux's
// O_TMPFILE) leaves nothing behind when the program is killed in the middle;
// where the file system has no unnamed files the save falls back to Named, a
// temporary file beside the target.
enum class Staging { Unnamed, Named };

// Writes beside the target and renames over it, so that a crash or a full
// disk never leaves a half-written file behind: the old file stays whole.
// A symbolic link is written through to its target, and the replaced file
// keeps its permissions. The temporary file is removed on every failure;
// those left in the target's folder by a killed save are removed first
// (RemoveStaleTemporaryFiles).
Status WriteFileAtomic(const std::filesystem::path& path, std::string_view bytes, Staging staging = Staging::Unnamed);

// Removes the temporary files of writes that never finished (the program
// was killed between writing and renaming) from `folder`. Only names this
// program makes are touched, and only when the process that made them is
// gone or the file is an hour old, so a second copy of the program that is
// saving right now keeps its file. Errors are ignored: this is tidying.
void RemoveStaleTemporaryFiles(const std::filesystem::path& folder);

// Lines ended by CR LF or LF; a last line without an ending counts too.
std::vector<std::string> SplitLines(std::string_view text);
// A text file's content as its reader takes it (TextFileContent): UTF-16 is
// refused with a message that names the file.
Result<std::string> ReadTextFile(const std::filesystem::path& path, std::size_t cap = FileCap::DataFile);
Result<std::vector<std::string>> ReadTextLines(const std::filesystem::path& path, std::size_t cap = FileCap::DataFile);
// Every line, the last one included, ends with CR LF.
std::string JoinLinesCrLf(const std::vector<std::string>& lines);
Status WriteTextLines(const std::filesystem::path& path, const std::vector<std::string>& lines);

} // namespace boxmill
