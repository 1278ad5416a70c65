// SPDX-License-Identifier: GPL-3.0-or-later
#include "FaceShapes.h"

#include "core/ParameterIndex.h"
#include "core/RecordFieldNames.h"

#include <cassert>

namespace boxmill {

namespace {

using namespace FaceShape;

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
    add(Front, "Front", "Cabinet Front", Param::FrontSetback);
    add(LeftSide, "LeftSide", "Left Side");
    add(RightSide, "RightSide", "Right Side");
    add(CabinetTop, "CabinetTop", "Cabinet Top");
    add(CarcassRail, "CarcassRail", "Carcass Rail", Param::CarcassRail);
    add(Bottom, "Bottom", "Cabinet Bottom", Param::BottomOffset);
    add(ToeKick, "ToeKick", "Toekick", Param::ToeKickHeight);
    add(ToeKick2, "ToeKick2", "Toekick", Param::ToeKickHeight);
    add(ToeKickBlank, "ToeKickBlank", "Toekick", Param::ToeKickHeight);
    // Hides the line between the toe kick and its recess, which read as one
    // board.
    set.shapes[static_cast<std::size_t>(ToeKickBlank)].blank = true;
    add(LeftStile, "LeftStile", "Left Stile", Param::LeftStile);
    add(RightStile, "RightStile", "Right Stile", Param::RightStile);
    add(TopRail, "TopRail", "Top Rail", Param::TopRail);
    add(BottomRail, "BottomRail", "Bottom Rail", Param::BottomRail);
    add(BlindPanel, "BlindPanel", "Blind Panel", Param::BlindPanel);
    add(Mullion1, "Mullion1", "Mullion", Param::Mullion);
    add(Mullion2, "Mullion2", "Mullion", Param::Mullion);

    for (int s = 0; s < kSections; ++s) {
        const std::string x(1, kSectionLetters[s]);
        add(Partition(s), "Partition" + x, "Partition");
        add(PartitionRail(s), "PartitionRail" + x, "Partition Rail", Param::PartitionRail);
        for (int d = 0; d < kMaxDrawers; ++d) {
            const std::string number = std::to_string(d + 1);
            add(MidRail(s, d), "MidRail" + number + x, "Mid Rail", Param::MidRail);
            // Drawers 3 and 4 of section A have always been hinted without
            // the blank; tool tips keep reading as they did.
            const char* faceHint = (s == 0 && d >= 2) ? "DrawerFace" : "Drawer Face";
            add(DrawerFace(s, d), "DrawerFace" + number + x, faceHint, Param::DrawerFace(s, d));
        }
        for (const bool upper : {false, true}) {
            const std::string opening = x + (upper ? "P" : "");
            for (int i = 0; i < kMaxShelves; ++i)
                add(Shelf(s, upper, i), "Shelve" + std::to_string(i + 1) + opening, "Shelve");
            add(DoorMullion(s, upper), "DoorMullion" + opening, "Door Mullion", Param::DoorMullion);
            for (int k = 0; k < kMaxDoors; ++k) {
                const std::string door = std::to_string(k + 1) + opening;
                add(Door(s, upper, k, Panel), "Door" + door, "Door Panel", Param::DoorOverlay);
                add(Door(s, upper, k, LeftStileOfDoor), "DoorLeftStile" + door, "Door Left Stile",
                    Param::DoorLeftStile);
                add(Door(s, upper, k, RightStileOfDoor), "DoorRightStile" + door, "Door Right Stile",
                    Param::DoorRightStile);
                add(Door(s, upper, k, TopRailOfDoor), "DoorTopRail" + door, "Door Top Rail", Param::DoorTopRail);
                add(Door(s, upper, k, BottomRailOfDoor), "DoorBottomRail" + door, "Door Bottom Rail",
                    Param::DoorBottomRail);
                add(Door(s, upper, k, MidRailOfDoor), "DoorRail" + door, "Door Mid Rail", Param::DoorMidRail);
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
