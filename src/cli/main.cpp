// SPDX-License-Identifier: GPL-3.0-or-later
// boxmill-cli: Boxmill's cut lists and layout on the command line, computed
// by the same core code as the desktop program.
#include "CliCommandLine.h"
#include "StandardStream.h"

#include <clocale>
#include <cstring>
#include <filesystem>
#include <ostream>
#include <string>
#include <system_error>
#include <vector>

#include <unistd.h>

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
    StandardStream outText(STDOUT_FILENO, boxmill::TabsShown::Kept);
    StandardStream outBytes(STDOUT_FILENO, std::nullopt);
    StandardStream errText(STDERR_FILENO, boxmill::TabsShown::AsBlanks);
    std::ostream out(&outText);
    std::ostream fileOut(&outBytes);
    std::ostream err(&errText);
    CliContext context {current, false, executable, std::nullopt, std::nullopt, out, err, fileOut};
    CliCommandLine commandLine(context);
    int status = commandLine.run(std::vector<std::string>(argv + 1, argv + argc));
    out.flush();
    // A listing that did not reach its file (a full disk, >/dev/full) is a
    // failed command, and says why.
    if (const int failure = outText.failure() != 0 ? outText.failure() : outBytes.failure(); failure != 0) {
        err << "error: cannot write the output: " << std::strerror(failure) << '\n';
        if (status == kSuccess)
            status = kFileError;
    }
    return status;
}
