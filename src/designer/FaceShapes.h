// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Shape.h"
#include "core/Constants.h"

namespace boxmill {

// The fixed set of named rectangles of the cabinet face drawing and their
// place in the set.
//
// The set is in stacking order, back to front, in three layers:
//   1. the carcass: back, dividers, shelves, partitions, front panel,
//      sides, top, carcass rail, bottom, toe kick (the white ToeKickBlank
//      last, over the two toe kick boards whose seam it hides);
//   2. the face frame: stiles, rails, blind panel, mullions, partition
//      rails, mid rails, door mullions;
//   3. what hangs on the frame: drawer faces, then each door's panel with
//      its stiles, rails and mid rail over it.
// A click therefore reaches a door rail before the panel behind it and a
// mid rail before the shelf behind it.
namespace FaceShape {

// Main opening (below a partition rail, or the whole section) and the
// opening above the partition rail: the shapes with a trailing P.
inline constexpr int kOpenings = 2;

inline constexpr int Back = 0;
inline constexpr int Divider1 = 1;
inline constexpr int Divider2 = 2;
inline constexpr int FirstShelf = 3;
inline constexpr int FirstPartition = FirstShelf + kSections * kOpenings * kMaxShelves;
inline constexpr int Front = FirstPartition + kSections;
inline constexpr int LeftSide = Front + 1;
inline constexpr int RightSide = LeftSide + 1;
inline constexpr int CabinetTop = RightSide + 1;
inline constexpr int CarcassRail = CabinetTop + 1;
inline constexpr int Bottom = CarcassRail + 1;
inline constexpr int ToeKick = Bottom + 1;
inline constexpr int ToeKick2 = ToeKick + 1;
inline constexpr int ToeKickBlank = ToeKick2 + 1;
inline constexpr int LeftStile = ToeKickBlank + 1;
inline constexpr int RightStile = LeftStile + 1;
inline constexpr int TopRail = RightStile + 1;
inline constexpr int BottomRail = TopRail + 1;
inline constexpr int BlindPanel = BottomRail + 1;
inline constexpr int Mullion1 = BlindPanel + 1;
inline constexpr int Mullion2 = Mullion1 + 1;
inline constexpr int FirstPartitionRail = Mullion2 + 1;
inline constexpr int FirstMidRail = FirstPartitionRail + kSections;
inline constexpr int FirstDoorMullion = FirstMidRail + kSections * kMaxDrawers;
inline constexpr int FirstDrawerFace = FirstDoorMullion + kSections * kOpenings;
inline constexpr int FirstDoor = FirstDrawerFace + kSections * kMaxDrawers;
// Each door is a block of its panel and its frame, in this order.
enum DoorPart : int { Panel, LeftStileOfDoor, RightStileOfDoor, TopRailOfDoor, BottomRailOfDoor, MidRailOfDoor };
inline constexpr int kDoorParts = 6;
inline constexpr int Count = FirstDoor + kSections * kOpenings * kMaxDoors * kDoorParts;

// s is the section 0..2; upper picks the opening above the partition rail.
constexpr int Shelf(int s, bool upper, int shelf)
{
    return FirstShelf + (s * kOpenings + (upper ? 1 : 0)) * kMaxShelves + shelf;
}
constexpr int Partition(int s)
{
    return FirstPartition + s;
}
constexpr int Divider(int k)
{
    return Divider1 + k;
}
constexpr int Mullion(int k)
{
    return Mullion1 + k;
}
constexpr int PartitionRail(int s)
{
    return FirstPartitionRail + s;
}
constexpr int MidRail(int s, int drawer)
{
    return FirstMidRail + s * kMaxDrawers + drawer;
}
constexpr int DoorMullion(int s, bool upper)
{
    return FirstDoorMullion + s * kOpenings + (upper ? 1 : 0);
}
constexpr int DrawerFace(int s, int drawer)
{
    return FirstDrawerFace + s * kMaxDrawers + drawer;
}
constexpr int Door(int s, bool upper, int door, DoorPart part)
{
    return FirstDoor + ((s * kOpenings + (upper ? 1 : 0)) * kMaxDoors + door) * kDoorParts + part;
}

} // namespace FaceShape

// Every shape of the face drawing with its name, hint and the parameter a
// click selects, all hidden and unplaced.
const ShapeSet& FaceShapeCatalogue();

} // namespace boxmill
