// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The dimension parameters the cut lists and the mill options read, by
// their position in Dims.dat.

namespace boxmill::cutlist::param {

inline constexpr int Height = 0;
inline constexpr int Depth = 2;
inline constexpr int ToekickHeight = 3;
inline constexpr int ToekickDepth = 4;
inline constexpr int TopRail = 7;
inline constexpr int BottomRail = 8;
inline constexpr int BlindCorner = 9;
inline constexpr int ShelfDepthAllowance = 10;
inline constexpr int ShelfLengthAllowance = 11;
inline constexpr int MidRail = 12;
inline constexpr int FirstDrawerFace = 14; // four per section, A then B then C
inline constexpr int DrawerDepth = 27;
inline constexpr int PartitionRail = 35;
inline constexpr int ShelfDado = 36; // bottom and shelf dadoes
inline constexpr int DoorMortise = 45;
inline constexpr int LowerPanelOffset = 46;
inline constexpr int UpperPanelOffset = 47;
inline constexpr int CarcassRail = 48;
inline constexpr int BottomOffset = 50;
inline constexpr int ToekickRabbit = 51;
inline constexpr int PartitionDado = 52;
inline constexpr int DrawerRabbit = 53;
inline constexpr int DrawerDovetail = 54;
inline constexpr int TopSetdown = 57; // dado of the top and carcass rail
inline constexpr int TopRabbit = 58;
inline constexpr int TopDado = 59;
inline constexpr int NailerRabbit = 60;
inline constexpr int DividerDado = 61;
inline constexpr int CarcassRailRabbit = 62;
inline constexpr int CarcassRailDado = 63;
inline constexpr int MortiseSpaceLength = 64;
inline constexpr int MortiseSpaceWidth = 65;
inline constexpr int TopOverlayWidth = 66;
inline constexpr int TopOverlayDepth = 67;
inline constexpr int Scribe = 68;
inline constexpr int DrawerBottomDado = 69;

} // namespace boxmill::cutlist::param
