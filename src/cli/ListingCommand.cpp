// SPDX-License-Identifier: GPL-3.0-or-later
// boxmill-cli listing: the cutlist editor's text, as the main window's
// "Cutlist Editor" commands build it.
#include "CliCommand.h"
#include "CliSession.h"

#include "cutlist/CutlistEditor.h"
#include "cutlist/ShortDate.h"
#include "session/CutListCommands.h"

#include <array>
#include <cstdlib>
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

// Scripts and tests that compare listings set SOURCE_DATE_EPOCH, the
// reproducible-builds convention, and get that day (in UTC) in the header.
std::string HeaderDate()
{
    const char* epoch = std::getenv("SOURCE_DATE_EPOCH");
    if (epoch == nullptr || *epoch == '\0')
        return TodaysShortDate();
    char* end = nullptr;
    const long long seconds = std::strtoll(epoch, &end, 10);
    if (*end != '\0')
        return TodaysShortDate();
    const auto when = static_cast<std::time_t>(seconds);
    std::tm utc {};
    gmtime_r(&when, &utc);
    return ShortDate(utc);
}

int RunListing(CliContext& context, const ListingArgs& args)
{
    CliSession run(context);
    if (const int status = run.open(args.file); status != kSuccess)
        return status;
    // The editor is not shown when Cutlist.txt cannot be written or the
    // door frame stock is unequal; the reason is already on standard error.
    if (!OpenCutlistEditor(run.session(), args.build, HeaderDate()))
        return kFileError;
    for (const auto& line : run.session().cutList.listing->lines)
        context.out << line << '\n';
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
