// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Measure.h"

#include <optional>
#include <string>
#include <string_view>

namespace boxmill {

class CabinetModel;
class Prompter;

// The two edit boxes of a parameter: whole inches and the fraction, or the
// millimetres alone (fraction empty).
struct ParameterEntryText {
    std::string inches;
    std::string fraction;
};

// Shown when Enter is pressed on empty boxes.
inline constexpr std::string_view kNoInchesMessage = "Enter a number of whole inches, a fraction or both.";
inline constexpr std::string_view kNoMillimetresMessage = "Enter a whole number of millimetres.";

ParameterEntryText ShowParameter(const CabinetModel& model, int index);

// Stores the typed value as parameter `index` (its text in decimal inches)
// and reloads the parameter values. Empty boxes and negative values are
// refused; a refused entry is reported and leaves the old value. Returns
// whether the value was stored.
bool EnterParameter(CabinetModel& model, int index, const ParameterEntryText& typed, Prompter& prompter);

} // namespace boxmill
