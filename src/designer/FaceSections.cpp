// SPDX-License-Identifier: GPL-3.0-or-later
// Across the face: the mullions between the sections with their offsets,
// the dividers behind them and the blind panel.
#include "FaceDrawingSteps.h"

#include <cmath>

namespace boxmill::face {

using Opt = CabinetOption;
using namespace FaceShape;

namespace {

// Nearest integer, a half going to the even one.
int Nearest(double value)
{
    return static_cast<int>(std::lrint(value));
}

} // namespace

void FaceDrawer::redrawSections()
{
    placeMullions();
    placeBlindPanel();
    shiftMullions();
    placeDividers();
    for (int s = 0; s < m_sections; ++s)
        drawSection(s);
}

void FaceDrawer::placeMullions()
{
    const Shape& leftStile = at(LeftStile);
    const Shape& rightStile = at(RightStile);
    const Shape& topRail = at(TopRail);
    const int inner = leftStile.left + leftStile.width;
    const int width = u(Param::Mullion);
    // The sections share equally what the mullions leave of the frame
    // opening, as the layout sizes them, whatever the zoom and the mullion.
    const double share = static_cast<double>(rightStile.left - inner - (m_sections - 1) * width) / m_sections;

    int height = u(Param::Height) - u(Param::TopRail) - u(Param::BottomRail) + 2;
    if (inc(IncludeItem::ToeKick))
        height -= u(Param::ToeKickHeight);
    else if (u(Param::BottomOffset) + k(PartRow::Bottom) > u(Param::BottomRail))
        height -= 1;
    height -= overlayTopStock();
    const int top = topRail.top + u(Param::TopRail) - 1;

    Shape& first = at(Mullion1);
    place(first, Nearest(inner + share), top, width, height);
    first.visible = m_sections >= 2 && inc(IncludeItem::Mullions);
    Shape& second = at(Mullion2);
    place(second, Nearest(inner + 2 * share + width), top, width, height);
    second.visible = m_sections == 3 && inc(IncludeItem::Mullions);
}

void FaceDrawer::placeBlindPanel()
{
    const Shape& leftStile = at(LeftStile);
    const Shape& rightStile = at(RightStile);
    Shape& panel = at(BlindPanel);
    const int left = opt(Opt::RightCorner) ? rightStile.left + u(Param::RightStile) - 1 : kFaceOriginX;
    place(panel, left, rightStile.top, u(Param::BlindPanel) + 1, leftStile.height);
    panel.visible = recordFlag(RecordOffset::BlindCorner);
}

// The mullions move by the shifts of the offsets the session applied. Which mullion moves in which pass follows
// the combination of offset sections, so that every combination the
// designer allows moves each mullion exactly once.
void FaceDrawer::shiftMullions()
{
    const auto offset = [&](int s) { return item(s, SectionItem::MullionOffset) != 0; };
    const auto shiftUnits = [&](int s) {
        return std::clamp<int>(m_layout.MullionShiftUnits[static_cast<std::size_t>(s)], -kUnitLimit, kUnitLimit);
    };
    const bool f1 = offset(0), f2 = offset(1), f3 = offset(2);
    Shape& first = at(Mullion1);
    Shape& second = at(Mullion2);

    for (int s = 0; s < m_sections; ++s) {
        if (m_sections == 2) {
            if (s == 0 && f1)
                first.left += shiftUnits(0);
            if (s == 1 && f2)
                first.left -= shiftUnits(1);
        } else if (m_sections == 3) {
            if (s == 0 && f1 && !f2 && !f3) {
                first.left += shiftUnits(0);
                second.left -= shiftUnits(1);
            }
            const bool twoOrMiddle = (f2 && !(f1 && f3)) || (f1 && f3 && !f2);
            if (s == 1 && twoOrMiddle) {
                first.left += shiftUnits(0);
                second.left -= shiftUnits(2);
            }
            if (s == 2 && f3 && !f1 && !f2) {
                first.left += shiftUnits(1);
                second.left -= shiftUnits(2);
            }
        }
    }
}

void FaceDrawer::placeDividers()
{
    const Shape& top = at(CabinetTop);
    const Shape& carcassRail = at(CarcassRail);
    // A notched divider reaches past the carcass rail up to the top.
    const int upper = inc(IncludeItem::CarcassRails) && !opt(Opt::NotchedDivider) ? carcassRail.top + carcassRail.height
                                                                                  : top.top + top.height;
    const int lower = at(Bottom).top;
    const int width = k(PartRow::Partition);

    struct Placement {
        Opt set, center, flushLeft;
        bool exists;
    };
    const Placement placements[] = {
        {Opt::SetDivider1, Opt::Center1, Opt::FlushLeft1, m_sections >= 2},
        {Opt::SetDivider2, Opt::Center2, Opt::FlushLeft2, m_sections == 3},
    };
    for (int d = 0; d < 2; ++d) {
        const Placement& p = placements[d];
        const Shape& mullion = at(Mullion(d));
        int left = mullion.left + mullion.width - width; // flush to the right
        if (opt(p.center))
            left = mullion.left + mullion.width / 2 - width / 2;
        else if (opt(p.flushLeft))
            left = mullion.left;
        Shape& divider = at(Divider(d));
        place(divider, left, upper, width, lower - upper);
        divider.visible = opt(p.set) && p.exists;
    }
}

} // namespace boxmill::face
