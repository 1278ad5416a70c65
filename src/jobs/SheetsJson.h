// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "sheets/CutListSheets.h"

#include <string>
#include <vector>

namespace boxmill {

// Every group of the plans as JSON, lengths in decimal inches whatever the
// cabinet's units, x along the sheet's length and y along its width from its
// corner (docs/JOB-FILE.md). A sheet group has "sheet", "lower_bound" and
// "sheets"; a lumber group "lumber"; a group without stock only its parts
// under "unplaced". Parts named by JobPartName carry their cabinet's label.
std::string SheetsJson(const std::vector<WoodGroupPlan>& plans, const CutSettings& settings);

} // namespace boxmill
