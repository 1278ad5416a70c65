// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/Constants.h"

#include <optional>

namespace boxmill {

class CabinetModel;
class Prompter;

// Include items by position in the include-parts list.
namespace IncludeItem {
inline constexpr int Top = 0;
inline constexpr int Bottom = 1;
inline constexpr int LeftSide = 2;
inline constexpr int RightSide = 3;
inline constexpr int Back = 4;
inline constexpr int Front = 5;
inline constexpr int Nailers = 6;
inline constexpr int ToeKick = 7;
inline constexpr int FaceFrame = 8;
inline constexpr int Mullions = 9;
inline constexpr int MidRails = 10;
inline constexpr int Shelves = 11;
inline constexpr int Partitions = 12;
inline constexpr int PartitionRails = 13;
inline constexpr int DrawerBoxes = 14;
inline constexpr int DrawerFaces = 15;
inline constexpr int DoorFrames = 16;
inline constexpr int DoorPanels = 17;
inline constexpr int DoorMullions = 18;
inline constexpr int CarcassRails = 19;
static_assert(CarcassRails + 1 == kIncludeItems, "every include item has its name here");
} // namespace IncludeItem

inline constexpr const char* kTopOrCarcassRailQuestion =
    "Please choose one or the other. Cabinet Top? Or Carcass Rail.";

// A check mark changed: stores it. Returns the parameter to show when the
// change makes one matter (no door mullions: the gap between the doors).
std::optional<int> SetIncludeItem(CabinetModel& model, int item, bool checked);

// After a click on the list: a cabinet has a top or carcass rails, never
// both; the user chooses which stays. Returns true when it unchecked one.
bool ResolveTopOrCarcassRail(CabinetModel& model, Prompter& prompter);

// Items whose click opens the cabinet editing window.
bool OpensEditingWindow(int item);

} // namespace boxmill
