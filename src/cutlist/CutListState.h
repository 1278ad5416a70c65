// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "CutListViewer.h"
#include "CutlistEditor.h"
#include "CutlistFile.h"

#include <optional>
#include <string>

namespace boxmill {

// What the cut list commands leave for the windows: the main window's
// viewer grid, the cutlist editor's text, and the name "Save Cutlist Editor
// To File" suggests.
struct CutListState {
    ViewerGrid viewer;
    // The list the viewer shows, rebuilt after every edit; none when the
    // viewer is empty or shows the editor's build.
    std::optional<CutListKind> viewerKind;
    // None until the editor has built a listing in this run.
    std::optional<Listing> listing;
    // The date its header shows, kept when an edit builds it again.
    std::string listingDate;
    std::string saveName = kUntitledCutlist;
};

} // namespace boxmill
