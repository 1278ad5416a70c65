// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/Constants.h"

// Part rows: the order of the cabinet part names, shared by stock, wood,
// price and area.
namespace boxmill::PartRow {

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
static_assert(BlindPanel + 1 == kPartRows, "every part row has its name here");

} // namespace boxmill::PartRow
