// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "WoodEditBoxes.h"

#include "core/Constants.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace boxmill {

class CabinetModel;
class Prompter;

inline constexpr std::string_view kSelectWoodMessage =
    "When selecting the wood, all available wood data fields must contain the proper data and cannot be blank.";

// Column 1 of the wood-settings grid: the wood selection of part row r in
// cell r (grid row r + 1).
using WoodSettingCells = std::array<std::string, kPartRows>;

// The column as start-up and every cabinet load fill it, e.g. Oak*0-3/4.
WoodSettingCells FillWoodSelectionColumn(const CabinetModel& model);

// "Change Wood Settings": gives the wood in the edit boxes to the part kind
// of grid row `gridRow` (1..31 name part rows 0..30). Returns the new cell
// text, in the form typed (Oak*0-3/4, Oak*1-1/2, metric Oak*19). A missing
// row, an empty box or a thickness or cost that cannot be read leaves the
// row and the model untouched; the reason is shown, then the selecting
// message.
std::optional<std::string> ChangeWoodSettings(CabinetModel& model, int gridRow, const WoodEditBoxes& boxes,
                                              Prompter& prompter);

} // namespace boxmill
