// SPDX-License-Identifier: GPL-3.0-or-later
// Down each section: partition rail and partition, drawers with their mid
// rails, doors with their frames, shelves, and the same in the opening
// above a partition.
#include "FaceDrawingSteps.h"

#include "geometry/DoorSizing.h"
#include "geometry/OpeningFit.h"

#include <array>
#include <cmath>

namespace boxmill::face {

using Opt = CabinetOption;
using namespace FaceShape;

// A clear opening of a section: from the inner edge of its left member (the
// left stile or a mullion) to the left edge of its right member, and from
// the rail above it to the rail below.
struct FaceDrawer::Opening {
    int left = 0;
    int width = 0;
    int top = 0;
    int bottom = 0;

    int height() const { return bottom - top; }
};

void FaceDrawer::drawSection(int s)
{
    const Shape& rightStile = at(RightStile);
    const Shape& topRail = at(TopRail);
    const Shape& bottomRail = at(BottomRail);
    const Shape& leftMember = s == 0 ? at(LeftStile) : at(Mullion(s - 1));
    const int left = leftMember.left + leftMember.width;
    const int right = s == m_sections - 1 ? rightStile.left : at(Mullion(s)).left;

    // The partition rail is centred on the mullions (placed even when they
    // are not drawn) and moved by the distance its items record.
    const bool partition = item(s, SectionItem::Partition) != 0;
    const Shape& mullion = at(Mullion1);
    const int railHeight = u(Param::PartitionRail);
    const int railTop = mullion.top + mullion.height / 2 - railHeight / 2 - item(s, SectionItem::PartitionAbove) +
                        item(s, SectionItem::PartitionBelow);
    Shape& rail = at(PartitionRail(s));
    place(rail, left - 1, railTop, right - left + 2, railHeight);
    rail.visible = partition && inc(IncludeItem::PartitionRails);
    const ShelfSpan span = shelfSpan(s);
    Shape& board = at(Partition(s));
    place(board, span.left, railTop, span.right - span.left, k(PartRow::Partition));
    board.visible = partition && inc(IncludeItem::Partitions);

    const int topRailBottom = topRail.top + topRail.height;
    const Opening main {left, right - left, partition ? railTop + railHeight : topRailBottom, bottomRail.top};
    const Opening upper {left, right - left, topRailBottom, railTop};

    const int drawersBottom = drawDrawers(s, main);
    const bool drawers = item(s, SectionItem::DrawerCount) > 0;
    drawDoors(s, false, item(s, SectionItem::DoorCount), main, drawersBottom);

    // Shelves share what the drawers leave of the opening.
    int shelfTop = drawersBottom;
    const int shelfRoom = main.bottom - drawersBottom;
    // Without the face member that closes the opening above, the shelves
    // are spaced from the carcass part that does.
    int underTop = kFaceOriginY;
    if (inc(IncludeItem::Top))
        underTop += k(PartRow::Top) + (opt(Opt::TopDado) ? u(Param::TopAndRailSetdown) : 0);
    if (!drawers) {
        if (partition && !inc(IncludeItem::PartitionRails))
            shelfTop = board.top + 2 * k(PartRow::Partition);
        else if (!partition && !inc(IncludeItem::FaceFrame))
            shelfTop = underTop;
    }
    const int shelves =
        ShelvesFit(m_model, m_layout, s) ? std::clamp(item(s, SectionItem::Shelves), 0, kMaxShelves) : 0;
    drawShelves(s, false, shelves, shelfTop, static_cast<double>(shelfRoom) / (shelves + 1));

    // Without a partition there is no opening above one, whatever counts
    // were entered for it before the partition was taken out.
    if (!partition)
        return;
    const int upperShelves = std::clamp(item(s, SectionItem::PartitionShelves), 0, kMaxShelves);
    drawShelves(s, true, upperShelves, inc(IncludeItem::FaceFrame) ? upper.top : underTop,
                static_cast<double>(upper.height()) / (upperShelves + 1));
    if (opt(Opt::ExtraPartition) && drawers) {
        // The second panel of a double partition lies on the first mid rail
        // and is drawn with the section's fourth shelf.
        Shape& extra = at(Shelf(s, false, kMaxShelves - 1));
        place(extra, span.left, at(MidRail(s, 0)).top, span.right - span.left, k(PartRow::Partition));
        extra.visible = inc(IncludeItem::Partitions);
    }
    drawDoors(s, true, item(s, SectionItem::PartitionDoors), upper, upper.top);
}

FaceDrawer::ShelfSpan FaceDrawer::shelfSpan(int s) const
{
    // A side that is not drawn leaves the cabinet's outer edge as the end.
    ShelfSpan span {kFaceOriginX + leftSideStock(), kFaceOriginX + u(Param::Width) - rightSideStock()};
    const auto dividerSet = [&](int d) { return opt(d == 0 ? Opt::SetDivider1 : Opt::SetDivider2); };
    // Where no divider is set the shelves run on through its place.
    if (s > 0) {
        const Shape& divider = at(Divider(s - 1));
        span.left = dividerSet(s - 1) ? divider.left + divider.width : divider.left;
    }
    if (s < m_sections - 1) {
        const Shape& divider = at(Divider(s));
        span.right = dividerSet(s) ? divider.left : divider.left + divider.width;
    }
    return span;
}

int FaceDrawer::drawDrawers(int s, const Opening& main)
{
    const int count = m_model.drawers(s);
    const int banks = m_model.banksInUse(s);
    const bool banked = banks > 0;
    const int midRail = u(Param::MidRail);

    int bankHeight = 0;
    if (banked) {
        int rest = main.height();
        for (int j = 0; j < count - banks; ++j)
            rest -= u(Param::DrawerFace(s, j)) + midRail;
        rest -= midRail * (banks - 1);
        bankHeight = rest / banks;
    }

    const bool inset = opt(Opt::FaceInset);
    const int gap = u(Param::FaceInsetGap);
    const int overlay = u(Param::FaceOverlay);
    int stack = main.top;
    for (int j = 0; j < count; ++j) {
        const int height = banked && j >= count - banks ? bankHeight : u(Param::DrawerFace(s, j));
        Shape& rail = at(MidRail(s, j));
        place(rail, main.left - 1, stack + height, main.width + 2, midRail);
        // The last banked drawer closes on the bottom rail.
        rail.visible = inc(IncludeItem::MidRails) && !(banked && j == count - 1);
        Shape& face = at(DrawerFace(s, j));
        if (inset)
            place(face, main.left + gap, stack + gap, main.width - 2 * gap, height - 2 * gap + 1);
        else
            place(face, main.left - overlay, stack - overlay, main.width + 2 * overlay, height + 2 * overlay);
        // A drawer the cut list leaves out for want of room is not drawn.
        face.visible = inc(IncludeItem::DrawerFaces) && recordFlag(RecordOffset::FaceEnabled + kMaxDrawers * s + j) &&
                       DrawerFits(m_model, m_layout, s, j);
        stack += height + midRail;
    }
    return stack;
}

void FaceDrawer::drawDoors(int s, bool upper, int count, const Opening& opening, int regionTop)
{
    count = std::clamp(count, 0, kMaxDoors);
    // Doors the cut list leaves out for want of room are not drawn either.
    if (count == 0 || !DoorsFit(m_model, m_layout, s, upper ? boxmill::Opening::Upper : boxmill::Opening::Lower))
        return;
    const int regionHeight = opening.bottom - regionTop;
    const int w = opening.width;
    // The doors the cut list cuts, each in its share of the opening: what
    // stands between a pair is drawn as the door mullion, hidden when the
    // cabinet has none.
    const DoorSizing<int> sizing = SizeDoors(m_model, [&](int param) { return u(param); });
    std::array<int, kMaxDoors> shares {w, 0};
    Shape& mullion = at(DoorMullion(s, upper));
    if (count == 2) {
        place(mullion, opening.left + (w - sizing.between) / 2, regionTop - 1, sizing.between, regionHeight + 2);
        mullion.visible = inc(IncludeItem::DoorMullions);
        shares[0] = (w - sizing.between) / 2;
        // An odd opening gives its spare unit to the second door.
        shares[1] = shares[0] + (w % 2 != 0 ? 1 : 0);
    }

    // A door reaches half its growth past its share on every side; an inset
    // door's growth is negative, and it stands that far inside.
    const int overlap = sizing.growth / 2;
    const bool panels =
        inc(IncludeItem::DoorPanels) && recordFlag(RecordOffset::PanelEnabled + 2 * s + (upper ? 1 : 0));
    const bool frames = inc(IncludeItem::DoorFrames);
    const int leftStile = u(Param::DoorLeftStile);
    const int rightStile = u(Param::DoorRightStile);
    for (int d = 0; d < count; ++d) {
        const int inner = d == 0 ? opening.left : mullion.left + mullion.width;
        const int share = shares[static_cast<std::size_t>(d)];
        Shape& door = at(Door(s, upper, d, Panel));
        place(door, inner - overlap, regionTop - overlap, share + sizing.growth, sizing.doorHeight(regionHeight));
        door.visible = panels;

        const int betweenStiles = door.width - leftStile - rightStile + 2;
        Shape& left = at(Door(s, upper, d, LeftStileOfDoor));
        place(left, door.left, door.top, leftStile, door.height);
        Shape& right = at(Door(s, upper, d, RightStileOfDoor));
        place(right, door.left + door.width - rightStile, door.top, rightStile, door.height);
        Shape& top = at(Door(s, upper, d, TopRailOfDoor));
        place(top, door.left + leftStile - 1, door.top, betweenStiles, u(Param::DoorTopRail));
        Shape& bottom = at(Door(s, upper, d, BottomRailOfDoor));
        place(bottom, door.left + leftStile - 1, door.top + door.height - u(Param::DoorBottomRail), betweenStiles,
              u(Param::DoorBottomRail));
        for (Shape* part : {&left, &right, &top, &bottom})
            part->visible = frames;
        drawDoorMidRail(s, upper, d);
    }
}

void FaceDrawer::drawDoorMidRail(int s, bool upper, int d)
{
    const OpeningPanelStyle style =
        SectionPanelStyle(m_model.record, s, upper ? boxmill::Opening::Upper : boxmill::Opening::Lower);
    if (!style.doublePanel)
        return;
    // The upper doors' panels are cut with their own offset; the rail is
    // drawn where those panels meet.
    const int shift = style.offsetSign() * u(style.offsetParam);

    const Shape& door = at(Door(s, upper, d, Panel));
    const int leftStile = u(Param::DoorLeftStile);
    const int rightStile = u(Param::DoorRightStile);
    const int topRail = u(Param::DoorTopRail);
    const int bottomRail = u(Param::DoorBottomRail);
    const int width = u(Param::DoorMidRail);
    Shape& rail = at(Door(s, upper, d, MidRailOfDoor));
    if (style.horizontal) {
        // Across the door, midway between the top and bottom rails; an
        // offset raises it, a negative one lowers it.
        const int inner = door.height - topRail - bottomRail;
        const int top = door.top + topRail + inner / 2 - width / 2 - shift;
        place(rail, door.left + leftStile - 1, top, door.width - leftStile - rightStile + 2, width);
    } else {
        // Up the door, midway between the stiles; an offset moves it right,
        // a negative one left.
        const int inner = door.width - leftStile - rightStile;
        const int left = door.left + leftStile + inner / 2 - width / 2 + shift;
        place(rail, left, door.top + topRail - 1, width, door.height - topRail - bottomRail + 2);
    }
    rail.visible = inc(IncludeItem::DoorFrames);
}

void FaceDrawer::drawShelves(int s, bool upper, int count, int regionTop, double spacing)
{
    const ShelfSpan span = shelfSpan(s);
    for (int i = 0; i < count; ++i) {
        Shape& shelf = at(Shelf(s, upper, i));
        const int top = static_cast<int>(std::lrint(regionTop + (i + 1) * spacing - 1));
        place(shelf, span.left, top, span.right - span.left, k(PartRow::Shelf));
        shelf.visible = inc(IncludeItem::Shelves);
    }
}

} // namespace boxmill::face
