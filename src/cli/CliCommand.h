// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/Measure.h"

#include <filesystem>
#include <iosfwd>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace boxmill::cli {

// Exit statuses.
inline constexpr int kSuccess = 0;
// A file cannot be read or written or is refused, or the cabinet cannot be
// listed (door frame parts of unequal stock).
inline constexpr int kFileError = 1;
inline constexpr int kUsageError = 2;

// What every command gets: the options common to all of them and the two
// output streams.
struct CliContext {
    std::filesystem::path programFolder;
    std::optional<UnitMode> units; // --inches or --metric; Standard.dat otherwise
    std::ostream& out;
    std::ostream& err;
};

// One subcommand. `args` are the words after its name that the common
// options left, in order; a command refuses what it does not know with
// kUsageError.
struct CliCommand {
    std::string_view name;
    std::string_view usage;   // the synopsis after "boxmill-cli [OPTIONS] "
    std::string_view summary; // one line for --help
    int (*run)(CliContext& context, std::span<const std::string> args);
};

// Every subcommand, in the order the usage text lists them. A new command
// is one more source file and one more line in CliCommands.cpp.
std::span<const CliCommand> Commands();

int RunListing(CliContext& context, std::span<const std::string> args);
int RunViewer(CliContext& context, std::span<const std::string> args);
int RunLayout(CliContext& context, std::span<const std::string> args);
int RunDraw(CliContext& context, std::span<const std::string> args);

} // namespace boxmill::cli
