// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Shared by the sources of the face drawing only: the inputs of a redraw
// under short names, and its steps in the order they run. Later steps read
// the rectangles earlier ones placed (mid rails read the top rail, doors
// the bottom rail), so the order matters.

#include "FaceDrawing.h"
#include "core/CabinetModel.h"
#include "core/IncludeParts.h"
#include "core/ParameterIndex.h"
#include "core/PartRows.h"
#include "geometry/LayoutResult.h"

#include <algorithm>
#include <cstddef>

namespace boxmill::face {

inline constexpr int kUnitLimit = kDrawingUnitLimit;

class FaceDrawer {
public:
    FaceDrawer(const CabinetModel& model, const LayoutResult& layout, ShapeSet& shapes);

    // Carcass and face-frame outline.
    void layoutShell();
    // Mullions, dividers, blind panel and every section's contents.
    void redrawSections();

private:
    // The steps of redrawSections().
    void placeMullions();
    void placeBlindPanel();
    void shiftMullions();
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
    // A section whose drawers are banked holds drawers only, whatever
    // shelf and door counts an old file still records for it.
    int item(int s, SectionItem which) const
    {
        if ((which == SectionItem::Shelves || which == SectionItem::DoorCount) && m_model.banksInUse(s) > 0)
            return 0;
        return m_model.sectionItem(s, which);
    }
    bool recordFlag(int offset) const { return m_model.record.flag(offset); }

    // An overlaid top sits on the sides and the stiles, which start below
    // it and are that much shorter.
    bool overlayTop() const { return inc(IncludeItem::Top) && opt(CabinetOption::TopButtJoint); }
    int overlayTopStock() const { return overlayTop() ? k(PartRow::Top) : 0; }
    // The sides a panel spans between, counted only when they are drawn.
    int leftSideStock() const { return inc(IncludeItem::LeftSide) ? k(PartRow::LeftSide) : 0; }
    int rightSideStock() const { return inc(IncludeItem::RightSide) ? k(PartRow::RightSide) : 0; }

    const CabinetModel& m_model;
    const LayoutResult& m_layout;
    ShapeSet& m_shapes;
    int m_sections = 1;
};

} // namespace boxmill::face
