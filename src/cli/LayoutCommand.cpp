// SPDX-License-Identifier: GPL-3.0-or-later
// boxmill-cli layout: the main window's sectional dimensions grid.
#include "CliCommand.h"
#include "CliSession.h"

#include <array>
#include <ostream>

namespace boxmill::cli {

int RunLayout(CliContext& context, std::span<const std::string> args)
{
    const auto file = ParseFileOnly(args);
    if (!file)
        return UsageError(context, "layout", "layout takes at most a cabinet file");
    CliSession run(context);
    if (const int status = run.open(*file); status != kSuccess)
        return status;
    const LayoutResult& layout = run.session().layout;
    for (std::size_t row = 0; row < kLayoutRowTitles.size(); ++row) {
        context.out << kLayoutRowTitles[row];
        for (const auto& cell : layout.grid[row])
            context.out << '\t' << cell;
        context.out << '\n';
    }
    return kSuccess;
}

} // namespace boxmill::cli
