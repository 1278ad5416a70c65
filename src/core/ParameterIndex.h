// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/Constants.h"

// The dimension parameters by their position in Dims.dat. The program knows
// a parameter only by this index (the names are the data file's); every
// computation and drawing refers to the indices through these names.
namespace boxmill::Param {

inline constexpr int Height = 0;
inline constexpr int Width = 1;
inline constexpr int Depth = 2;
inline constexpr int ToeKickHeight = 3;
inline constexpr int ToeKickDepth = 4;
inline constexpr int RightStile = 5;
inline constexpr int LeftStile = 6;
inline constexpr int TopRail = 7;
inline constexpr int BottomRail = 8;
inline constexpr int BlindPanel = 9;
inline constexpr int ShelfDepthAllowance = 10;
inline constexpr int ShelfLengthAllowance = 11;
inline constexpr int MidRail = 12;
inline constexpr int Mullion = 13;
// Drawer d (0..3) of section s (0..2) is DrawerFace(s, d).
inline constexpr int FirstDrawerFace = 14;
inline constexpr int DrawerHeightClearance = 26;
inline constexpr int DrawerDepth = 27;
inline constexpr int DrawerDado = 28;
inline constexpr int DrawerSideClearance = 29;
inline constexpr int FaceOverlay = 30;
inline constexpr int DoorGap = 31;
// The wanted upper opening of section s (0..2) is FirstPartitionOpening + s.
inline constexpr int FirstPartitionOpening = 32;
inline constexpr int PartitionRail = 35;
inline constexpr int BottomAndShelfDado = 36;
inline constexpr int NailerWidth = 37;
inline constexpr int DoorLeftStile = 38;
inline constexpr int DoorRightStile = 39;
inline constexpr int DoorTopRail = 40;
inline constexpr int DoorBottomRail = 41;
inline constexpr int DoorOverlay = 42;
inline constexpr int DoorMullion = 43;
inline constexpr int DoorMidRail = 44;
inline constexpr int DoorMortise = 45;
inline constexpr int LowerPanelOffset = 46;
inline constexpr int UpperPanelOffset = 47;
inline constexpr int CarcassRail = 48;
inline constexpr int FrontSetback = 49;
inline constexpr int BottomOffset = 50;
inline constexpr int ToeKickRabbit = 51;
inline constexpr int PartitionDado = 52;
inline constexpr int DrawerRabbit = 53;
inline constexpr int DrawerDovetail = 54;
inline constexpr int DoorInsetGap = 55;
inline constexpr int FaceInsetGap = 56;
// How far a dadoed top or carcass rail sits below the top of the sides.
inline constexpr int TopAndRailSetdown = 57;
inline constexpr int TopRabbit = 58;
inline constexpr int TopDado = 59;
inline constexpr int NailerRabbit = 60;
inline constexpr int DividerDado = 61;
inline constexpr int CarcassRailRabbit = 62;
inline constexpr int CarcassRailDado = 63;
// The play a door panel is given in its frame, which the mill options list
// as the mortise space.
inline constexpr int DoorPanelClearanceLength = 64;
inline constexpr int DoorPanelClearanceWidth = 65;
inline constexpr int TopOverlayWidth = 66;
inline constexpr int TopOverlayDepth = 67;
inline constexpr int Scribe = 68;
inline constexpr int DrawerBottomDado = 69;
// The wanted width of section s (0..2) is FirstSectionWidth + s.
inline constexpr int FirstSectionWidth = 70;
static_assert(FirstSectionWidth + kSections == kParamCount, "every parameter of Dims.dat has its name here");

constexpr int DrawerFace(int section, int drawer)
{
    return FirstDrawerFace + kMaxDrawers * section + drawer;
}

} // namespace boxmill::Param
