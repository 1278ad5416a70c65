// SPDX-License-Identifier: GPL-3.0-or-later
// boxmill-cli listing: the cutlist editor's text, as the main window's
// "Cutlist Editor" commands build it.
#include "CliCommand.h"
#include "CliSession.h"

#include "cutlist/CutlistEditor.h"
#include "session/CutListCommands.h"

#include <array>
#include <ostream>

namespace boxmill::cli {

namespace {

constexpr std::array<std::pair<std::string_view, ListingBuild>, 5> kBuilds = {{
    {"all", ListingBuild::All},
    {"cabinet", ListingBuild::Cabinet},
    {"face", ListingBuild::Face},
    {"drawers", ListingBuild::Drawers},
    {"doors", ListingBuild::Doors},
}};

struct ListingArgs {
    ListingBuild build = ListingBuild::All;
    std::optional<std::filesystem::path> file;
};

int RunListing(CliContext& context, const ListingArgs& args)
{
    CliSession run(context);
    if (const int status = run.open(args.file); status != kSuccess)
        return status;
    // The editor is not shown when Cutlist.txt cannot be written or the
    // door frame stock is unequal; the reason is already on standard error.
    if (!OpenCutlistEditor(run.session(), args.build, HeaderDate()))
        return kFileError;
    for (const auto& line : run.session().cutList().listing->lines)
        context.out << line << '\n';
    run.warnOfMisfits();
    return kSuccess;
}

} // namespace

void DeclareListing(CliVerb& listing)
{
    auto args = std::make_shared<ListingArgs>();
    AddChoice(listing.app(), "BUILD", args->build, kBuilds);
    AddCabinetFile(listing.app(), args->file);
    listing.misuse("listing needs one of all, cabinet, face, drawers, doors");
    listing.run([args](CliContext& context) { return RunListing(context, *args); });
}

} // namespace boxmill::cli
