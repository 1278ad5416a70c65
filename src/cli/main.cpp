// SPDX-License-Identifier: GPL-3.0-or-later
// boxmill-cli: Boxmill's cut lists and layout on the command line, computed
// by the same core code as the desktop program.
#include "CliCommandLine.h"

#include <clocale>
#include <filesystem>
#include <iostream>
#include <string>
#include <system_error>
#include <vector>

int main(int argc, char** argv)
{
    using namespace boxmill::cli;

    // Only the date in listing headers follows the user's locale; numbers
    // keep the "." the files and the other tools expect.
    std::setlocale(LC_TIME, "");

    std::error_code ignored;
    // "." still names the current folder when its full path cannot be had.
    std::filesystem::path current = std::filesystem::current_path(ignored);
    if (current.empty())
        current = ".";
    // The installed data lies beside the executable; /proc/self/exe names it
    // wherever the program was started from.
    std::filesystem::path executable = std::filesystem::read_symlink("/proc/self/exe", ignored);
    if (executable.empty() && argc > 0)
        executable = std::filesystem::absolute(argv[0], ignored);
    CliContext context {current, false, executable, std::nullopt, std::nullopt, std::cout, std::cerr};
    CliCommandLine commandLine(context);
    const int status = commandLine.run(std::vector<std::string>(argv + 1, argv + argc));
    std::cout.flush();
    if (!std::cout)
        return kFileError;
    return status;
}
