// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/Messages.h"

#include <string>
#include <vector>

namespace boxmill {

class CabinetModel;
struct LayoutResult;

// The machining a cabinet maker sets up, with the measurements to set, as
// lines of the cutlist editor. Each section starts with its title between
// separators.

// Dividers, toekick notches, scribes, dadoes and rabbits of the carcass.
// A bottom that sits too low for dadoes gets rabbits instead, and the user
// is told so.
[[nodiscard]] Messages AddCabinetMillOptions(const CabinetModel& model, const LayoutResult& layout,
                                             std::vector<std::string>& lines);
// The joints of the drawer boxes.
void AddDrawerMillOptions(const CabinetModel& model, const LayoutResult& layout, std::vector<std::string>& lines);
// Mortises and the double panels of the doors; nothing for a cabinet
// without doors or without door frames.
void AddPanelMillOptions(const CabinetModel& model, const LayoutResult& layout, std::vector<std::string>& lines);

} // namespace boxmill
