// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace boxmill {

class CabinetModel;
class CabinetSession;
class CostCalculator;
class Prompter;
struct LayoutResult;

// The cutlist editor's buttons, and the main window's commands that open it.
enum class ListingBuild { All, Cabinet, Face, Drawers, Doors };

// One build of the cutlist editor: the text it shows and prints, and the
// boards as Cutlist.txt records them.
struct Listing {
    ListingBuild build = ListingBuild::All;
    // The first line is the date line, where the editor puts its caret.
    std::vector<std::string> lines;
    std::vector<std::string> cutlistFile;
    // The two panels of the editor's status bar.
    std::string showing;
    std::string buildName;
    // What "Save Cutlist Editor To File" suggests after this build.
    std::string saveName;
};

// The listing of a build with `todaysDate` in its header (the system's
// short date form; see TodaysShortDate). Like a viewer command it counts
// the wood of its boards into the model's part areas and updates `cost`.
Listing BuildListing(ListingBuild build, CabinetModel& model, const LayoutResult& layout, CostCalculator& cost,
                     Prompter& prompter, std::string_view todaysDate);

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
