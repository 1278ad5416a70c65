// SPDX-License-Identifier: GPL-3.0-or-later
#include "CutListCommands.h"

#include "SessionAccess.h"

#include "core/Messages.h"
#include "cutlist/CutlistFile.h"
#include "cutlist/StockSizeCheck.h"

namespace boxmill {

const ViewerGrid& ShowCutList(CabinetSession& session, CutListKind kind)
{
    auto shown =
        ShowCutList(kind, SessionAccess::model(session), SessionAccess::layout(session), SessionAccess::cost(session));
    Tell(session.prompter(), shown.messages);
    SessionAccess::cutList(session).viewer = std::move(shown.value);
    SessionAccess::cutList(session).viewerKind = kind;
    return SessionAccess::cutList(session).viewer;
}

bool RunListingBuild(CabinetSession& session, ListingBuild build, std::string_view todaysDate)
{
    SessionAccess::cutList(session).viewer = ViewerGrid {};
    SessionAccess::cutList(session).viewerKind.reset();
    auto built = BuildListing(build, SessionAccess::model(session), SessionAccess::layout(session),
                              SessionAccess::cost(session), todaysDate);
    Tell(session.prompter(), built.messages);
    Listing& listing = built.value;
    const auto written = WriteCutlistFile(CutlistFilePath(session.model()), listing.cutlistFile);
    if (!written) {
        session.prompter().message(MessageKind::Error, written.error());
        return false;
    }
    SessionAccess::cutList(session).saveName = listing.saveName;
    SessionAccess::cutList(session).listingDate = std::string(todaysDate);
    SessionAccess::cutList(session).listing = std::move(listing);
    return true;
}

bool OpenCutlistEditor(CabinetSession& session, ListingBuild build, std::string_view todaysDate)
{
    session.recalculate();
    if (!RunListingBuild(session, build, todaysDate))
        return false;
    const auto checked = CheckStockSizes(session.model());
    Tell(session.prompter(), checked.messages);
    return checked.value;
}

} // namespace boxmill
