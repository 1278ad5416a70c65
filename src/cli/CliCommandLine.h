// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "CliCommand.h"

#include <iosfwd>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace boxmill::cli {

// boxmill-cli's command line: the options common to every command, which
// may stand anywhere, and one command from Commands() with its own words.
class CliCommandLine {
public:
    explicit CliCommandLine(CliContext& context);
    CliCommandLine(const CliCommandLine&) = delete;
    CliCommandLine& operator=(const CliCommandLine&) = delete;

    // Parses the words after the program's name and runs the command they
    // name; returns the exit status.
    int run(const std::vector<std::string>& words);

private:
    void setUnits(UnitMode mode);
    std::vector<const CliVerb*> chosen() const;
    int misuse(const CLI::ParseError& error, std::string_view stoppedAt) const;
    int usageError(std::string_view why, const CliCommand* command) const;

    CliContext& m_context;
    CLI::App m_app;
    std::vector<std::unique_ptr<CliVerb>> m_commands;
};

// The --help text.
void PrintUsage(std::ostream& out);

} // namespace boxmill::cli
