// SPDX-License-Identifier: GPL-3.0-or-later
#include "FaceShapes.h"

#include <cassert>

namespace boxmill {

namespace {

using namespace FaceShape;

constexpr const char* kSectionLetter[kSections] = {"A", "B", "C"};

// Dimension parameters a click selects, by their position in Dims.dat.
namespace selects {
inline constexpr int ToeKickHeight = 3;
inline constexpr int RightStileWidth = 5;
inline constexpr int LeftStileWidth = 6;
inline constexpr int TopRailWidth = 7;
inline constexpr int BottomRailWidth = 8;
inline constexpr int BlindPanelWidth = 9;
inline constexpr int MidRailWidth = 12;
inline constexpr int MullionWidth = 13;
inline constexpr int FirstDrawerFace = 14;
inline constexpr int PartitionRailWidth = 35;
inline constexpr int DoorLeftStile = 38;
inline constexpr int DoorRightStile = 39;
inline constexpr int DoorTopRail = 40;
inline constexpr int DoorBottomRail = 41;
inline constexpr int DoorOverlay = 42;
inline constexpr int DoorMullionWidth = 43;
inline constexpr int DoorMidRail = 44;
inline constexpr int CarcassRail = 48;
inline constexpr int FrontSetback = 49;
inline constexpr int BottomOffset = 50;
} // namespace selects

ShapeSet BuildCatalogue()
{
    ShapeSet set;
    set.shapes.resize(Count);
    const auto add = [&](int index, std::string name, const char* hint, std::optional<int> parameter = std::nullopt) {
        Shape& shape = set.shapes[static_cast<std::size_t>(index)];
        assert(shape.name.empty());
        shape.name = std::move(name);
        shape.hint = hint;
        shape.parameter = parameter;
    };

    add(Back, "Back", "Cabinet Back");
    add(Divider1, "Divider1", "Divider");
    add(Divider2, "Divider2", "Divider");
    add(Front, "Front", "Cabinet Front", selects::FrontSetback);
    add(LeftSide, "LeftSide", "Left Side");
    add(RightSide, "RightSide", "Right Side");
    add(CabinetTop, "CabinetTop", "Cabinet Top");
    add(CarcassRail, "CarcassRail", "Carcass Rail", selects::CarcassRail);
    add(Bottom, "Bottom", "Cabinet Bottom", selects::BottomOffset);
    add(ToeKick, "ToeKick", "Toekick", selects::ToeKickHeight);
    add(ToeKick2, "ToeKick2", "Toekick", selects::ToeKickHeight);
    add(ToeKickBlank, "ToeKickBlank", "Toekick", selects::ToeKickHeight);
    // Hides the line between the toe kick and its recess, which read as one
    // board.
    set.shapes[static_cast<std::size_t>(ToeKickBlank)].blank = true;
    add(LeftStile, "LeftStile", "Left Stile", selects::LeftStileWidth);
    add(RightStile, "RightStile", "Right Stile", selects::RightStileWidth);
    add(TopRail, "TopRail", "Top Rail", selects::TopRailWidth);
    add(BottomRail, "BottomRail", "Bottom Rail", selects::BottomRailWidth);
    add(BlindPanel, "BlindPanel", "Blind Panel", selects::BlindPanelWidth);
    add(Mullion1, "Mullion1", "Mullion", selects::MullionWidth);
    add(Mullion2, "Mullion2", "Mullion", selects::MullionWidth);

    for (int s = 0; s < kSections; ++s) {
        const std::string x = kSectionLetter[s];
        add(Partition(s), "Partition" + x, "Partition");
        add(PartitionRail(s), "PartitionRail" + x, "Partition Rail", selects::PartitionRailWidth);
        for (int d = 0; d < kMaxDrawers; ++d) {
            const std::string number = std::to_string(d + 1);
            add(MidRail(s, d), "MidRail" + number + x, "Mid Rail", selects::MidRailWidth);
            // Drawers 3 and 4 of section A have always been hinted without
            // the blank; tool tips keep reading as they did.
            const char* faceHint = (s == 0 && d >= 2) ? "DrawerFace" : "Drawer Face";
            add(DrawerFace(s, d), "DrawerFace" + number + x, faceHint,
                    selects::FirstDrawerFace + kMaxDrawers * s + d);
        }
        for (const bool upper : {false, true}) {
            const std::string opening = x + (upper ? "P" : "");
            for (int i = 0; i < kMaxShelves; ++i)
                add(Shelf(s, upper, i), "Shelve" + std::to_string(i + 1) + opening, "Shelve");
            add(DoorMullion(s, upper), "DoorMullion" + opening, "Door Mullion", selects::DoorMullionWidth);
            for (int k = 0; k < kMaxDoors; ++k) {
                const std::string door = std::to_string(k + 1) + opening;
                add(Door(s, upper, k, Panel), "Door" + door, "Door Panel", selects::DoorOverlay);
                add(Door(s, upper, k, LeftStileOfDoor), "DoorLeftStile" + door, "Door Left Stile",
                        selects::DoorLeftStile);
                add(Door(s, upper, k, RightStileOfDoor), "DoorRightStile" + door, "Door Right Stile",
                        selects::DoorRightStile);
                add(Door(s, upper, k, TopRailOfDoor), "DoorTopRail" + door, "Door Top Rail",
                        selects::DoorTopRail);
                add(Door(s, upper, k, BottomRailOfDoor), "DoorBottomRail" + door, "Door Bottom Rail",
                        selects::DoorBottomRail);
                add(Door(s, upper, k, MidRailOfDoor), "DoorRail" + door, "Door Mid Rail", selects::DoorMidRail);
            }
        }
    }
    return set;
}

} // namespace

const ShapeSet& FaceShapeCatalogue()
{
    static const ShapeSet catalogue = BuildCatalogue();
    return catalogue;
}

} // namespace boxmill
