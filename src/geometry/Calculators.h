// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/Constants.h"
#include "core/PanelStyle.h" // Opening
#include "core/PartRows.h"

#include <array>
#include <string>

namespace boxmill {

class CabinetModel;
struct LayoutResult;

// The common contract of the part calculators. A calculator sizes one board
// from the cabinet's parameters, stock, include checks and options and from
// the last layout, formats it for display and counts its wood. It keeps no
// state: every choice the caller makes (which side, which drawer, which
// opening) is an argument.

// Wood area per part row, in square feet whatever the units (the windows
// convert it to show it). The caller owns it: a cut list build
// clears it first and the wood cost reads it afterwards; a window that only
// shows sizes passes a scratch array.
using PartAreas = std::array<double, kPartSlots>;

struct CalcContext {
    const CabinetModel& model;
    const LayoutResult& layout;
    PartAreas& areas;
};

// One board. The texts are what every list and drawing shows; the numbers
// behind them are inches. `length` is the board's first dimension as the
// lists show it (for a back or front panel, its height).
struct PartSize {
    double length = 0.0;
    double width = 0.0;
    std::string lengthText;
    std::string widthText;
    std::string stockText;
    std::string material;
    int partRow = 0;
    // What this board added to `CalcContext::areas[partRow]`.
    double area = 0.0;
};

// Which of a pair of boards.
enum class Side { Left, Right };

} // namespace boxmill
