// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Shared by the sources of the face drawing only: the inputs of a redraw
// under short names, and its steps in the order they run. Later steps read
// the rectangles earlier ones placed (mid rails read the top rail, doors
// the bottom rail), so the order matters.

#include "DesignerState.h"
#include "FaceDrawing.h"
#include "core/CabinetModel.h"
#include "geometry/LayoutResult.h"

#include <algorithm>
#include <cstddef>

namespace boxmill::face {

// Dimension parameters the drawing reads, by their position in Dims.dat.
namespace param {
inline constexpr int Height = 0;
inline constexpr int Width = 1;
inline constexpr int ToeKickHeight = 3;
inline constexpr int RightStile = 5;
inline constexpr int LeftStile = 6;
inline constexpr int TopRail = 7;
inline constexpr int BottomRail = 8;
inline constexpr int BlindPanel = 9;
inline constexpr int MidRail = 12;
inline constexpr int Mullion = 13;
inline constexpr int FirstDrawerFace = 14;
inline constexpr int FaceOverlay = 30;
inline constexpr int DoorGap = 31;
inline constexpr int PartitionRail = 35;
inline constexpr int DoorLeftStile = 38;
inline constexpr int DoorRightStile = 39;
inline constexpr int DoorTopRail = 40;
inline constexpr int DoorBottomRail = 41;
inline constexpr int DoorOverlay = 42;
inline constexpr int DoorMullion = 43;
inline constexpr int DoorMidRail = 44;
inline constexpr int LowerPanelOffset = 46;
inline constexpr int UpperPanelOffset = 47;
inline constexpr int BottomOffset = 50;
inline constexpr int DoorInsetGap = 55;
inline constexpr int FaceInsetGap = 56;
inline constexpr int DadoDepth = 57;
} // namespace param

// Part rows whose stock the drawing reads.
namespace stock {
inline constexpr int Top = 0;
inline constexpr int Bottom = 1;
inline constexpr int LeftSide = 2;
inline constexpr int RightSide = 3;
inline constexpr int Shelf = 14;
inline constexpr int Partition = 15; // and the dividers
inline constexpr int CarcassRail = 29;
} // namespace stock

// Items of the include-parts list.
namespace include {
inline constexpr int Top = 0;
inline constexpr int Bottom = 1;
inline constexpr int LeftSide = 2;
inline constexpr int RightSide = 3;
inline constexpr int Back = 4;
inline constexpr int Front = 5;
inline constexpr int ToeKick = 7;
inline constexpr int FaceFrame = 8;
inline constexpr int Mullions = 9;
inline constexpr int MidRails = 10;
inline constexpr int Shelves = 11;
inline constexpr int Partitions = 12;
inline constexpr int PartitionRails = 13;
inline constexpr int DrawerFaces = 15;
inline constexpr int DoorFrames = 16;
inline constexpr int DoorPanels = 17;
inline constexpr int DoorMullions = 18;
inline constexpr int CarcassRail = 19;
} // namespace include

// Drawing units are whole quarter inches; a corrupt length may reach the
// int32 limit, and sums of a few such would overflow. Nothing real comes
// near a million units (about 20 000 feet), so lengths are held there.
inline constexpr int kUnitLimit = 1'000'000;

class FaceDrawer {
public:
    FaceDrawer(CabinetModel& model, LayoutResult& layout, DesignerState& state, ShapeSet& shapes);

    // Carcass and face-frame outline.
    void layoutShell();
    // Mullions, dividers, blind panel and every section's contents.
    void redrawSections();

private:
    // The steps of redrawSections().
    void placeMullions();
    void clearRemovedSections();
    void placeBlindPanel();
    void applyOffsets();
    void placeDividers();
    void drawSection(int s);

    // The steps of drawSection().
    struct Opening;
    struct ShelfSpan {
        int left = 0;
        int right = 0;
    };
    ShelfSpan shelfSpan(int s) const;
    int drawDrawers(int s, const Opening& main);
    void drawDoors(int s, bool upper, int count, const Opening& opening, int regionTop);
    void drawDoorMidRail(int s, bool upper, int door);
    void drawShelves(int s, bool upper, int count, int regionTop, double spacing);

    Shape& at(int index) { return m_shapes.shapes[static_cast<std::size_t>(index)]; }
    const Shape& at(int index) const { return m_shapes.shapes[static_cast<std::size_t>(index)]; }
    static void place(Shape& shape, int left, int top, int width, int height)
    {
        shape.left = left;
        shape.top = top;
        shape.width = width;
        shape.height = height;
    }

    int u(int param) const
    {
        return std::clamp<int>(m_model.paramUnits[static_cast<std::size_t>(param)], -kUnitLimit, kUnitLimit);
    }
    int k(int row) const
    {
        return std::clamp<int>(m_model.partStockUnits[static_cast<std::size_t>(row)], -kUnitLimit, kUnitLimit);
    }
    bool inc(int item) const { return m_model.include(item); }
    bool opt(CabinetOption option) const { return m_model.options[option]; }
    int item(int s, SectionItem which) const { return m_model.sectionItem(s, which); }
    bool recordFlag(int offset) const { return m_model.record.flag(offset); }

    // An overlaid top sits on the sides and the stiles, which start below
    // it and are that much shorter.
    bool overlayTop() const { return inc(include::Top) && opt(CabinetOption::TopButtJoint); }
    int overlayTopStock() const { return overlayTop() ? k(stock::Top) : 0; }
    // The sides a panel spans between, counted only when they are drawn.
    int leftSideStock() const { return inc(include::LeftSide) ? k(stock::LeftSide) : 0; }
    int rightSideStock() const { return inc(include::RightSide) ? k(stock::RightSide) : 0; }
    // The door mullion of the drawing: without door mullions the doors are
    // kept apart by the door gap, and overlay doors also by their overlaps.
    int doorMullionWidth() const;

    CabinetModel& m_model;
    LayoutResult& m_layout;
    DesignerState& m_state;
    ShapeSet& m_shapes;
    int m_sections = 1;
};

} // namespace boxmill::face
