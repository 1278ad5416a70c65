// SPDX-License-Identifier: GPL-3.0-or-later
#include "CutListCommands.h"

#include "CabinetSession.h"

#include "core/Prompter.h"
#include "cutlist/CutlistFile.h"
#include "cutlist/StockSizeCheck.h"

namespace boxmill {

const ViewerGrid& ShowCutList(CabinetSession& session, CutListKind kind)
{
    session.cutList.viewer = ShowCutList(kind, session.model, session.layout, session.cost, session.prompter());
    session.cutList.viewerKind = kind;
    return session.cutList.viewer;
}

bool RunListingBuild(CabinetSession& session, ListingBuild build, std::string_view todaysDate)
{
    session.cutList.viewer = ViewerGrid {};
    session.cutList.viewerKind.reset();
    Listing listing = BuildListing(build, session.model, session.layout, session.cost, session.prompter(), todaysDate);
    const auto written = WriteCutlistFile(CutlistFilePath(session.model), listing.cutlistFile);
    if (!written) {
        session.prompter().message(MessageKind::Error, written.error());
        return false;
    }
    session.cutList.saveName = listing.saveName;
    session.cutList.listingDate = std::string(todaysDate);
    session.cutList.listing = std::move(listing);
    return true;
}

bool OpenCutlistEditor(CabinetSession& session, ListingBuild build, std::string_view todaysDate)
{
    session.recalculate();
    if (!RunListingBuild(session, build, todaysDate))
        return false;
    return CheckStockSizes(session.model, session.prompter());
}

} // namespace boxmill
