// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

namespace boxmill {

class CabinetModel;
struct LayoutResult;

// One row of the designer's "Front Dimensions" grid.
struct FrontDimensionRow {
    std::string part;
    std::string width;
    std::string length;
    std::string stock;

    friend bool operator==(const FrontDimensionRow&, const FrontDimensionRow&) = default;
};

// The grid has a fixed header row ("Part", "Width", "Length", "Stock") and
// never fewer than this many rows with it.
inline constexpr int kFrontDimensionsMinGridRows = 4;

// The sizes of the parts of the shown section (1..3, kept within the
// cabinet's sections), as the part calculators give them: the face frame
// members when the face frame is included, otherwise the carcass parts.
// Padded with empty rows to fill the grid's minimum below its header.
std::vector<FrontDimensionRow> FillFrontDimensions(const CabinetModel& model, const LayoutResult& layout,
                                                   int shownSection);

} // namespace boxmill
