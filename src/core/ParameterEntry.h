// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Measure.h"

#include <optional>
#include <string>

namespace boxmill {

class CabinetModel;
class Prompter;

// The two edit boxes of a parameter: whole inches and the fraction, or the
// millimetres alone (fraction empty).
struct ParameterEntryText {
    std::string inches;
    std::string fraction;
};

ParameterEntryText ShowParameter(const CabinetModel& model, int index);

// Stores the typed value as parameter `index` (its text in decimal inches)
// and reloads the parameter values. A refused entry is reported and leaves
// the old value; returns whether the value was stored.
bool EnterParameter(CabinetModel& model, int index, const ParameterEntryText& typed, Prompter& prompter);

} // namespace boxmill
