// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/Constants.h"

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

// Wood area per part row, in the area unit of the cabinet's unit mode
// (square feet or square centimetres). The caller owns it: a cut list build
// clears it first and the wood cost reads it afterwards; a window that only
// shows sizes passes a scratch array.
using PartAreas = std::array<double, kPartSlots>;

struct CalcContext {
    const CabinetModel& model;
    const LayoutResult& layout;
    PartAreas& areas;
};

// Part rows: the order of the cabinet part names, shared by stock, wood,
// price and area.
namespace PartRow {
inline constexpr int Top = 0;
inline constexpr int Bottom = 1;
inline constexpr int LeftSide = 2;
inline constexpr int RightSide = 3;
inline constexpr int Back = 4;
inline constexpr int Front = 5;
inline constexpr int Nailer = 6;
inline constexpr int Toekick = 7; // and the sleepers of a detached base
inline constexpr int LeftStile = 8;
inline constexpr int RightStile = 9;
inline constexpr int TopRail = 10;
inline constexpr int BottomRail = 11;
inline constexpr int Mullion = 12;
inline constexpr int MidRail = 13;
inline constexpr int Shelf = 14;
inline constexpr int Partition = 15; // and the vertical dividers
inline constexpr int PartitionRail = 16;
inline constexpr int DrawerFront = 17;
inline constexpr int DrawerBack = 18;
inline constexpr int DrawerSide = 19;
inline constexpr int DrawerBottom = 20;
inline constexpr int DrawerFace = 21;
inline constexpr int DoorLeftStile = 22;
inline constexpr int DoorRightStile = 23;
inline constexpr int DoorTopRail = 24;
inline constexpr int DoorBottomRail = 25;
inline constexpr int DoorPanel = 26;
inline constexpr int DoorMullion = 27;
inline constexpr int DoorMidRail = 28;
inline constexpr int CarcassRail = 29;
inline constexpr int BlindPanel = 30;
} // namespace PartRow

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

// The two openings of a section. Lower is the section's main opening (the
// whole section when it has no partition, otherwise the part below the
// partition rail); Upper is the opening above the partition rail.
enum class Opening { Lower, Upper };

} // namespace boxmill
