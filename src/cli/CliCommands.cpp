// SPDX-License-Identifier: GPL-3.0-or-later
#include "CliCommand.h"

#include <array>

namespace boxmill::cli {

std::span<const CliCommand> Commands()
{
    static constexpr std::array<CliCommand, 4> commands = {{
        {"listing", "listing all|cabinet|face|drawers|doors [FILE.cab]",
         "the cutlist editor's text; rewrites Cutlist.txt in the program folder", RunListing},
        {"viewer", "viewer complete|cabinet|face|drawers|doors [FILE.cab]",
         "the cut list viewer's rows, then the wood cost rows and the job total", RunViewer},
        {"layout", "layout [FILE.cab]", "the sectional dimensions grid", RunLayout},
        {"draw", "draw designer --svg FILE [FILE.cab]", "the cabinet designer's face drawing as SVG", RunDraw},
    }};
    return commands;
}

} // namespace boxmill::cli
