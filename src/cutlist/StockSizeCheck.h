// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/Messages.h"

#include <string_view>

namespace boxmill {

class CabinetModel;

inline constexpr std::string_view kFaceFrameStockMessage =
    "One or more parts that make up the face frame are unequal in \"Stock Size!\" These parts include, \"Top or "
    "Bottom Rails\", \"Left or Right Stiles\", \"Mullions\", \"Mid Rails\", \"Partition Rails\" and \"Door "
    "Mullions\".";
inline constexpr std::string_view kRaisedPanelStockMessage =
    "One or more parts that make up the raised panels are unequal in \"Stock Size!\" These parts include, \"Top "
    "or Bottom Rails\", \"Left or Right Stiles\" and \"Mid Rails\".";

// Run before the cutlist editor is shown and before a cut list is printed.
// Face frame members of unequal stock are only pointed out; door frame
// members of unequal stock cannot be machined together, and then the value
// is false: the caller shows no editor and prints nothing.
[[nodiscard]] WithMessages<bool> CheckStockSizes(const CabinetModel& model);

} // namespace boxmill
