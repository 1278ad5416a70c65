// SPDX-License-Identifier: GPL-3.0-or-later
// boxmill-cli: Boxmill's cut lists and layout on the command line, computed
// by the same core code as the desktop program.
#include "CliCommand.h"

#include <algorithm>
#include <clocale>
#include <filesystem>
#include <iostream>
#include <string>
#include <system_error>
#include <vector>

namespace {

using namespace boxmill::cli;

void PrintUsage(std::ostream& out)
{
    out << "usage: boxmill-cli [OPTIONS] COMMAND [ARGS]\n"
           "\n"
           "Runs Boxmill on the default cabinet of the program folder, or on FILE.cab.\n"
           "\n"
           "Commands:\n";
    for (const auto& command : Commands())
        out << "  " << command.usage << "\n      " << command.summary << '\n';
    out << "\n"
           "Options:\n"
           "  --program-folder DIR  the program folder (default: the current folder)\n"
           "  --inches, --metric    show lengths in this unit instead of the one in\n"
           "                        Standard.dat, which is left unchanged\n"
           "  -h, --help            show this text\n"
           "\n"
           "Messages go to standard error as \"warning: \", \"error: \" or \"information: \"\n"
           "followed by the text. Exit status: 0 on success; 1 when a file cannot be\n"
           "read or written or is refused, or when a listing is refused for door frame\n"
           "parts of unequal stock; 2 for a usage error.\n";
}

int Usage(const std::string& why)
{
    std::cerr << "boxmill-cli: " << why << '\n';
    PrintUsage(std::cerr);
    return kUsageError;
}

} // namespace

int main(int argc, char** argv)
{
    // Only the date in listing headers follows the user's locale; numbers
    // keep the "." the files and the other tools expect.
    std::setlocale(LC_TIME, "");

    std::error_code ignored;
    // "." still names the current folder when its full path cannot be had.
    std::filesystem::path current = std::filesystem::current_path(ignored);
    if (current.empty())
        current = ".";
    CliContext context{current, std::nullopt, std::cout, std::cerr};
    // The common options may stand anywhere; every other word goes to the
    // command, in order, so a command can take options of its own.
    std::vector<std::string> words;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "-h" || arg == "--help") {
            PrintUsage(std::cout);
            return kSuccess;
        }
        if (arg == "--inches" || arg == "--metric") {
            const auto mode = arg == "--inches" ? boxmill::UnitMode::Inches : boxmill::UnitMode::Metric;
            if (context.units && *context.units != mode)
                return Usage("--inches and --metric exclude each other");
            context.units = mode;
        } else if (arg == "--program-folder") {
            if (i + 1 >= argc)
                return Usage("--program-folder needs a folder");
            context.programFolder = argv[++i];
        } else if (arg.starts_with("--program-folder=")) {
            context.programFolder = arg.substr(std::string("--program-folder=").size());
        } else {
            words.push_back(arg);
        }
    }
    if (words.empty())
        return Usage("no command given");

    const auto commands = Commands();
    const auto command = std::find_if(commands.begin(), commands.end(),
                                      [&](const CliCommand& c) { return c.name == words.front(); });
    if (command == commands.end())
        return Usage("unknown command '" + words.front() + "'");
    const int status = command->run(context, std::span<const std::string>(words).subspan(1));
    std::cout.flush();
    if (!std::cout)
        return kFileError;
    return status;
}
