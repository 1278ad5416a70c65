// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/Measure.h"
#include "core/StartUp.h"

#include <optional>

namespace boxmill {

class CabinetSession;

inline constexpr const char* kToMetricQuestion =
    "Press \"OK\" to convert interface and all values to Metric System (Milli Meters)";
inline constexpr const char* kToInchesQuestion =
    "Press \"OK\" to convert interface and all values to American System (Inches)";

// Asks, rewrites Standard.dat and reads the data files again in the new
// units. The cabinet on screen stays, with its file name and unsaved edits:
// it is held in inches, so only what is shown changes. Returns the
// start-up's outcome, or nullopt when the user cancelled or Standard.dat
// could not be written (reported; nothing changed).
std::optional<StartUpOutcome> SwitchUnits(CabinetSession& session, UnitMode target);

} // namespace boxmill
