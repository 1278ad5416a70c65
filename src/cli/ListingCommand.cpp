// SPDX-License-Identifier: GPL-3.0-or-later
// boxmill-cli listing: the cutlist editor's text, as the main window's
// "Cutlist Editor" commands build it.
#include "CliCommand.h"
#include "CliSession.h"

#include "cutlist/CutlistEditor.h"
#include "session/CutListCommands.h"
#include "cutlist/ShortDate.h"

#include <array>
#include <cstdlib>
#include <ostream>

namespace boxmill::cli {

namespace {

constexpr std::array<std::string_view, 5> kBuildWords = {"all", "cabinet", "face", "drawers", "doors"};
constexpr std::array<ListingBuild, 5> kBuilds = {ListingBuild::All, ListingBuild::Cabinet, ListingBuild::Face,
                                                 ListingBuild::Drawers, ListingBuild::Doors};

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
    std::tm utc{};
    gmtime_r(&when, &utc);
    return ShortDate(utc);
}

} // namespace

int RunListing(CliContext& context, std::span<const std::string> args)
{
    const auto parsed = ParseWordAndFile(args, kBuildWords);
    if (!parsed)
        return UsageError(context, "listing", "listing needs one of all, cabinet, face, drawers, doors");
    ListingBuild build = ListingBuild::All;
    for (std::size_t i = 0; i < kBuildWords.size(); ++i) {
        if (parsed->word == kBuildWords[i])
            build = kBuilds[i];
    }

    CliSession run(context);
    if (const int status = run.open(parsed->file); status != kSuccess)
        return status;
    // The editor is not shown when Cutlist.txt cannot be written or the
    // door frame stock is unequal; the reason is already on standard error.
    if (!OpenCutlistEditor(run.session(), build, HeaderDate()))
        return kFileError;
    for (const auto& line : run.session().cutList.listing->lines)
        context.out << line << '\n';
    return kSuccess;
}

} // namespace boxmill::cli
