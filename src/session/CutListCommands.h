// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cutlist/CutListGroups.h"
#include "cutlist/CutListViewer.h"
#include "cutlist/CutlistEditor.h"

#include <string_view>

namespace boxmill {

class CabinetSession;

// The viewer command for the running program: the grid is kept in the session for
// the main window to show.
const ViewerGrid& ShowCutList(CabinetSession& session, CutListKind kind);

// The editor's build for the running program: the listing, kept in the
// session, and Cutlist.txt in the program folder rewritten. The viewer is
// reset, its areas and wood cost are those of this build. False, after
// telling the user, when Cutlist.txt cannot be written; the last listing
// then stays.
bool RunListingBuild(CabinetSession& session, ListingBuild build, std::string_view todaysDate);

// The main window's commands that show the editor: the layout recalculated,
// the build, and the stock size check. True when the editor may be shown.
bool OpenCutlistEditor(CabinetSession& session, ListingBuild build, std::string_view todaysDate);

} // namespace boxmill
