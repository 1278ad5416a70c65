// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/Messages.h"

#include <string>
#include <string_view>
#include <vector>

namespace boxmill {

class CabinetModel;
class CostCalculator;
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
// The messages come in the order the listing's parts are made.
WithMessages<Listing> BuildListing(ListingBuild build, CabinetModel& model, const LayoutResult& layout,
                                   CostCalculator& cost, std::string_view todaysDate);

} // namespace boxmill
