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

constexpr std::array<std::pair<std::string_view, CutListKind>, 5> kLists = {{
    {"complete", CutListKind::Complete},
    {"cabinet", CutListKind::Cabinet},
    {"face", CutListKind::FaceFrame},
    {"drawers", CutListKind::Drawers},
    {"doors", CutListKind::Doors},
}};

struct ViewerArgs {
    CutListKind kind = CutListKind::Complete;
    std::optional<std::filesystem::path> file;
};

int RunViewer(CliContext& context, const ViewerArgs& args)
{
    CliSession run(context);
    if (const int status = run.open(args.file); status != kSuccess)
        return status;
    CabinetSession& session = run.session();
    const ViewerGrid& grid = ShowCutList(session, args.kind);
    // Cell texts exactly as the grid holds them: a whole-inch size keeps
    // its trailing blank.
    for (const auto& row : grid.rows)
        context.out << row[0] << '\t' << row[1] << '\t' << row[2] << '\t' << row[3] << '\n';
    context.out << '\n';
    for (const auto& row : session.cost().cost().rows)
        context.out << row.woodText << '\t' << row.areaText << '\n';
    context.out << "Job Total: " << session.cost().jobTotalText() << '\n';
    run.warnOfMisfits();
    return kSuccess;
}

} // namespace

void DeclareViewer(CliVerb& viewer)
{
    auto args = std::make_shared<ViewerArgs>();
    AddChoice(viewer.app(), "LIST", args->kind, kLists);
    AddCabinetFile(viewer.app(), args->file);
    viewer.misuse("viewer needs one of complete, cabinet, face, drawers, doors");
    viewer.run([args](CliContext& context) { return RunViewer(context, *args); });
}

} // namespace boxmill::cli
