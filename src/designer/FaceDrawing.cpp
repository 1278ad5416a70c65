// SPDX-License-Identifier: GPL-3.0-or-later
// The outline of the face drawing: carcass panels, toe kick and the
// face-frame stiles and rails.
#include "FaceDrawingSteps.h"

namespace boxmill {

namespace face {

using Opt = CabinetOption;
using namespace FaceShape;

FaceDrawer::FaceDrawer(const CabinetModel& model, const LayoutResult& layout, ShapeSet& shapes)
    : m_model(model)
    , m_layout(layout)
    , m_shapes(shapes)
    , m_sections(std::clamp(model.sectionCount, 1, kSections))
{
}

void FaceDrawer::layoutShell()
{
    const int x0 = kFaceOriginX;
    const int y0 = kFaceOriginY;
    const int H = u(Param::Height);
    const int W = u(Param::Width);
    const bool toeKick = inc(IncludeItem::ToeKick);
    const int kick = toeKick ? u(Param::ToeKickHeight) : 0;
    const bool detachedBase = recordFlag(RecordOffset::DetachedBase);
    const int topStock = k(PartRow::Top);
    const int bottomStock = k(PartRow::Bottom);
    const int leftStock = leftSideStock();
    const int rightStock = rightSideStock();
    const int frameTop = y0 + overlayTopStock();

    Shape& top = at(CabinetTop);
    if (opt(Opt::TopButtJoint))
        place(top, x0, y0, W, topStock);
    else
        place(top, x0 + k(PartRow::LeftSide), y0 + (opt(Opt::TopDado) ? u(Param::TopAndRailSetdown) : 0),
              W - k(PartRow::LeftSide) - k(PartRow::RightSide), topStock);
    top.visible = inc(IncludeItem::Top);

    // A detached base is a box of its own under the sides.
    const int sideHeight = H - (toeKick && detachedBase ? kick : 0) - overlayTopStock();
    Shape& leftSide = at(LeftSide);
    place(leftSide, x0, frameTop, k(PartRow::LeftSide), sideHeight);
    leftSide.visible = inc(IncludeItem::LeftSide);
    Shape& rightSide = at(RightSide);
    place(rightSide, x0 + W - k(PartRow::RightSide), frameTop, k(PartRow::RightSide), sideHeight);
    rightSide.visible = inc(IncludeItem::RightSide);

    const int bottomRail = u(Param::BottomRail);
    const int bottomOffset = u(Param::BottomOffset);
    Shape& bottom = at(Bottom);
    int bottomTop = y0 + H - bottomStock;
    if (toeKick) {
        bottomTop = y0 + H + bottomOffset - kick - bottomRail;
    } else if (inc(IncludeItem::FaceFrame)) {
        if (bottomRail >= bottomOffset + bottomStock)
            bottomTop = y0 + H + bottomOffset - bottomRail;
        if (!inc(IncludeItem::Bottom))
            bottomTop += 2;
    }
    place(bottom, x0 + leftStock, bottomTop, W - leftStock - rightStock, bottomStock);
    bottom.visible = inc(IncludeItem::Bottom);

    Shape& toeKickShape = at(ToeKick);
    Shape& recess = at(ToeKick2);
    Shape& seam = at(ToeKickBlank);
    toeKickShape.visible = toeKick;
    if (toeKick && detachedBase) {
        place(toeKickShape, x0 + leftStock, y0 + H - kick, W - leftStock - rightStock, kick);
    } else if (toeKick) {
        place(toeKickShape, x0, y0 + H - kick - 1, W, kick + 1);
        place(recess, bottom.left, bottom.top + bottomStock - 1, bottom.width,
              bottomRail - bottomStock - bottomOffset + 1);
        recess.visible = true;
        place(seam, bottom.left + 1, toeKickShape.top, bottom.width - 2, 1);
        seam.visible = true;
    }

    const bool faceFrame = inc(IncludeItem::FaceFrame);
    const int stileHeight = H - kick - overlayTopStock();
    const int leftStileWidth = u(Param::LeftStile);
    const int rightStileWidth = u(Param::RightStile);
    Shape& leftStile = at(LeftStile);
    place(leftStile, x0, frameTop, leftStileWidth, stileHeight);
    Shape& rightStile = at(RightStile);
    place(rightStile, x0 + W - rightStileWidth, frameTop, rightStileWidth, stileHeight);
    // The rails overlap each stile by one unit so that no seam shows.
    const int railWidth = W - leftStileWidth - rightStileWidth + 2;
    Shape& topRail = at(TopRail);
    place(topRail, x0 + leftStileWidth - 1, frameTop, railWidth, u(Param::TopRail));
    Shape& bottomRailShape = at(BottomRail);
    place(bottomRailShape, x0 + leftStileWidth - 1, y0 + H - kick - bottomRail, railWidth, bottomRail);
    for (Shape* member : {&leftStile, &rightStile, &topRail, &bottomRailShape})
        member->visible = faceFrame;

    if (recordFlag(RecordOffset::BlindCorner)) {
        const int blind = u(Param::BlindPanel);
        topRail.width -= blind;
        bottomRailShape.width -= blind;
        if (opt(Opt::RightCorner)) {
            rightStile.left -= blind;
        } else {
            leftStile.left += blind;
            topRail.left += blind;
            bottomRailShape.left += blind;
        }
    }

    Shape& carcassRail = at(CarcassRail);
    place(carcassRail, x0 + leftStock, y0 + (opt(Opt::CarcassDado) ? u(Param::TopAndRailSetdown) : 0),
          W - leftStock - rightStock, k(PartRow::CarcassRail));
    carcassRail.visible = inc(IncludeItem::CarcassRails);

    // A panel fitted between the sides hangs under the top, or under the
    // carcass rail of a cabinet without a top, and stands on the bottom.
    int underTop = y0;
    if (inc(IncludeItem::Top))
        underTop = top.top + top.height;
    else if (inc(IncludeItem::CarcassRails))
        underTop = carcassRail.top + carcassRail.height;
    Shape& back = at(Back);
    if (opt(Opt::BackInside)) {
        place(back, x0 + leftStock, underTop, W - leftStock - rightStock, bottom.top - underTop);
    } else {
        int backTop = y0;
        if (inc(IncludeItem::Top))
            backTop = top.top;
        else if (inc(IncludeItem::CarcassRails))
            backTop = carcassRail.top;
        place(back, x0, backTop, W, bottom.top + bottom.height - backTop);
    }
    back.visible = inc(IncludeItem::Back);
    Shape& front = at(Front);
    place(front, x0 + leftStock, underTop, W - leftStock - rightStock, bottom.top - underTop);
    front.visible = inc(IncludeItem::Front);
}

} // namespace face

void DrawCabinetFace(const CabinetModel& model, const LayoutResult& layout, ShapeSet& shapes)
{
    const ShapeSet& catalogue = FaceShapeCatalogue();
    const bool isFaceSet = shapes.shapes.size() == catalogue.shapes.size() &&
                           shapes.shapes.front().name == catalogue.shapes.front().name &&
                           shapes.shapes.back().name == catalogue.shapes.back().name;
    if (!isFaceSet) {
        shapes = catalogue;
    } else {
        // Every redraw places every shape afresh; nothing of the last
        // drawing may show through.
        for (Shape& shape : shapes.shapes) {
            shape.left = shape.top = shape.width = shape.height = 0;
            shape.visible = false;
        }
    }
    face::FaceDrawer drawer(model, layout, shapes);
    drawer.layoutShell();
    drawer.redrawSections();
}

ShapeSet DrawCabinetFace(const CabinetModel& model, const LayoutResult& layout)
{
    ShapeSet shapes;
    DrawCabinetFace(model, layout, shapes);
    return shapes;
}

} // namespace boxmill
