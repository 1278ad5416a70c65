// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/Measure.h"
#include "core/Result.h"
#include "core/WoodList.h"

#include <string>
#include <string_view>

namespace boxmill {

// The four edit boxes under the wood listing. In metric the fraction box is
// hidden and holds "0".
struct WoodEditBoxes {
    std::string woodType;
    std::string inchThick; // whole inches, or millimetres in metric
    std::string fracThick; // a fraction such as 3/4
    std::string costSft;   // per square foot, or per square metre in metric

    friend bool operator==(const WoodEditBoxes&, const WoodEditBoxes&) = default;
};

// The boxes for a listing item such as Red Oak*0 3/4*2.50 or Red Oak*19*2.50.
// A whole-inch item (Oak*1 *9.95) gets "0" in the fraction box, so that it
// can be assigned or changed without retyping.
WoodEditBoxes EditBoxesFromItem(std::string_view item, UnitMode mode);

// Every box the mode shows holds something.
bool AllBoxesFilled(const WoodEditBoxes& boxes, UnitMode mode);

// The thickness in inches: whole inches plus the fraction, or millimetres.
// Silent; the error is the text to show.
Result<double> ThicknessOfBoxes(const WoodEditBoxes& boxes, UnitMode mode);

// The wood the boxes describe, checked so that it can be written to
// Wood.dat and read back as the same wood, its price per square foot.
// Silent, like the above.
Result<WoodEntry> ReadWoodBoxes(const WoodEditBoxes& boxes, UnitMode mode);

std::string NotACostMessage(std::string_view costText);

} // namespace boxmill
