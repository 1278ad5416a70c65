// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "designer/Shape.h"

#include <string>
#include <vector>

namespace boxmill {

// One row of a view's table of finished sizes; the texts are the cut
// list's for the same part.
struct ViewRow {
    std::string part;
    std::string width;
    std::string length;
    std::string stock;

    friend bool operator==(const ViewRow&, const ViewRow&) = default;
};

// Everything a construction view window shows, computed afresh from the
// model and the layout: its drawing, its table, the window's size and the
// texts of its status bar and labels. Windows and the command line paint
// and print this; none of them keeps cabinet state.
struct ConstructionView {
    ShapeSet shapes;
    std::vector<ViewRow> rows;
    int windowWidth = 0;
    int windowHeight = 0;
    // The drawing's units per inch: 4 for quarter-inch views, 8 for the
    // door and drawer views' fine units, times the zoom.
    int unitsPerInch = 4;
    std::vector<std::string> statusTexts;
};

} // namespace boxmill
