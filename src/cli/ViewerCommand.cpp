// SPDX-License-Identifier: GPL-3.0-or-later
// boxmill-cli viewer: the main window's cut list grid and cost calculator
// after one of the "Send To Cutlist Viewer" commands.
#include "CliCommand.h"
#include "CliSession.h"

#include "cutlist/CutListViewer.h"
#include "session/CutListCommands.h"

#include <array>
#include <ostream>

namespace boxmill::cli {

namespace {

constexpr std::array<std::string_view, 5> kListWords = {"complete", "cabinet", "face", "drawers", "doors"};
constexpr std::array<CutListKind, 5> kLists = {CutListKind::Complete, CutListKind::Cabinet, CutListKind::FaceFrame,
                                               CutListKind::Drawers, CutListKind::Doors};

} // namespace

int RunViewer(CliContext& context, std::span<const std::string> args)
{
    const auto parsed = ParseWordAndFile(args, kListWords);
    if (!parsed)
        return UsageError(context, "viewer", "viewer needs one of complete, cabinet, face, drawers, doors");
    CutListKind kind = CutListKind::Complete;
    for (std::size_t i = 0; i < kListWords.size(); ++i) {
        if (parsed->word == kListWords[i])
            kind = kLists[i];
    }

    CliSession run(context);
    if (const int status = run.open(parsed->file); status != kSuccess)
        return status;
    CabinetSession& session = run.session();
    const ViewerGrid& grid = ShowCutList(session, kind);
    // Cell texts exactly as the grid holds them: a whole-inch size keeps
    // its trailing blank.
    for (const auto& row : grid.rows)
        context.out << row[0] << '\t' << row[1] << '\t' << row[2] << '\t' << row[3] << '\n';
    context.out << '\n';
    for (const auto& row : session.cost.cost().rows)
        context.out << row.woodText << '\t' << row.areaText << '\n';
    context.out << "Job Total: " << session.cost.jobTotalText() << '\n';
    return kSuccess;
}

} // namespace boxmill::cli
