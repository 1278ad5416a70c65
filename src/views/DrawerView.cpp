// SPDX-License-Identifier: GPL-3.0-or-later
#include "DrawerView.h"
#include "ViewDrawing.h"

#include "core/CabinetModel.h"
#include "core/IncludeParts.h"
#include "core/ParameterIndex.h"
#include "core/PartRows.h"
#include "geometry/DrawerCalculators.h"
#include "geometry/LayoutResult.h"
#include "geometry/OpeningFit.h"

#include <algorithm>
#include <vector>

namespace boxmill {

using namespace viewparts;
using O = CabinetOption;

namespace {

constexpr int kRightMargin = 22;
constexpr int kBottomMargin = 60;
constexpr int kUsualWidth = 510;
constexpr int kUsualHeight = 360;
constexpr int X0 = kDoorViewOriginX;
constexpr int Y0 = kDoorViewOriginY;

// In stacking order: the plan's bottom lies under the whole box and the
// elevation's face behind it, so both come first.
enum DrawerPart : int {
    Bottom,
    Face,
    Front,
    Back,
    LeftSide,
    RightSide,
    DFace,
    DBack,
    DBottom,
    DLeftSide,
    DRightSide,
};

ShapeSet DrawerShapes()
{
    ShapeSet set;
    // Seen from above with the face at the top, the drawer's right side is
    // on the left of the plan.
    set.shapes = {
        MakeShape("Bottom", "Drawer Bottom", Param::DrawerBottomDado),
        MakeShape("Face", "Drawer Face", Param::FaceOverlay),
        MakeShape("Front", "Drawer Front", Param::DrawerHeightClearance),
        MakeShape("Back", "Drawer Back", Param::DrawerHeightClearance),
        MakeShape("LeftSide", "Drawer Right Side", Param::DrawerSideClearance),
        MakeShape("RightSide", "Drawer Left Side", Param::DrawerSideClearance),
        MakeShape("DFace", "Drawer Face", Param::FaceOverlay),
        MakeShape("DBack", "Drawer Back", Param::DrawerHeightClearance),
        MakeShape("DBottom", "Drawer Bottom", Param::DrawerDado),
        MakeShape("DLeftSide", "Drawer Left Side", Param::DrawerSideClearance),
        MakeShape("DRightSide", "Drawer Right Side", Param::DrawerSideClearance),
    };
    return set;
}

Shape& Part(ShapeSet& set, DrawerPart part)
{
    return set.shapes[static_cast<std::size_t>(part)];
}

enum class Joint { Rabbit, Dovetail, Butt };

// The options are a radio group; a group with nothing chosen is cut as the
// front/back calculator cuts it, spanning the sides.
Joint JointOf(const CabinetModel& model, bool front)
{
    if (model.options[front ? O::FrontButtJoint : O::BackButtJoint])
        return Joint::Butt;
    if (model.options[front ? O::FrontRabbit : O::BackRabbit])
        return Joint::Rabbit;
    return Joint::Dovetail;
}

// A drawer the cut list leaves out for want of room is not shown either.
bool BoxShows(const CabinetModel& model, const LayoutResult& layout, int s, int d)
{
    return d < model.drawers(s) && DrawerFits(model, layout, s, d) && model.include(IncludeItem::DrawerBoxes) &&
           model.record.flag(RecordOffset::DrawerEnabled + kMaxDrawers * s + d);
}

bool FaceShows(const CabinetModel& model, const LayoutResult& layout, int s, int d)
{
    return d < model.drawers(s) && DrawerFits(model, layout, s, d) && model.include(IncludeItem::DrawerBoxes) &&
           model.include(IncludeItem::DrawerFaces) &&
           model.record.flag(RecordOffset::FaceEnabled + kMaxDrawers * s + d);
}

// The drawing of drawer d of section s; every length in eighth inches.
class DrawerLayout {
public:
    DrawerLayout(const CabinetModel& model, const LayoutResult& layout, int s, int d)
        : m_model(model)
        , m_units(model, true)
        , m_width(m_units(layout.SectionFaceWidth[static_cast<std::size_t>(s)]))
        , m_faceHeight(m_units(layout.DrawerHeight[static_cast<std::size_t>(s)][static_cast<std::size_t>(d)]))
    {
    }

    void place(ShapeSet& set) const
    {
        const int faceStock = m_units.T(PartRow::DrawerFace);
        const int depth = m_units.P(Param::DrawerDepth);
        const int overlay = m_units.P(Param::FaceOverlay);
        const int gap = m_units.P(Param::FaceInsetGap);
        const int clearance = m_units.P(Param::DrawerSideClearance);
        const int frontStock = m_units.T(PartRow::DrawerFront);
        const int backStock = m_units.T(PartRow::DrawerBack);
        const int sideStock = m_units.T(PartRow::DrawerSide);
        const bool inset = m_model.options[O::FaceInset];

        // The plan, from the face back.
        const int faceLeft = inset ? X0 + overlay + gap : X0;
        const int faceWidth = inset ? m_width - 2 * gap : m_width + 2 * overlay;
        Place(Part(set, Face), faceLeft, Y0, faceWidth, faceStock);
        const int behindFace = Y0 + faceStock - 1;
        placeEnd(Part(set, Front), JointOf(m_model, true), behindFace, frontStock);
        placeEnd(Part(set, Back), JointOf(m_model, false), Y0 + faceStock + depth - backStock - 1, backStock);
        // Sides run from the face, or from behind a dovetailed front, to
        // the back, or into a dovetailed back.
        const bool frontDovetail = JointOf(m_model, true) == Joint::Dovetail;
        const bool backDovetail = JointOf(m_model, false) == Joint::Dovetail;
        const int sideTop = frontDovetail ? behindFace + frontStock - 1 : behindFace;
        int sideLength = frontDovetail ? depth - frontStock + 1 : depth;
        if (backDovetail)
            sideLength -= frontDovetail ? backStock - 1 : backStock - 2;
        const int leftSide = X0 + overlay + clearance + 1;
        const int rightSide = X0 + overlay + m_width - clearance - sideStock - 1;
        Place(Part(set, LeftSide), leftSide, sideTop, sideStock, sideLength);
        Place(Part(set, RightSide), rightSide, sideTop, sideStock, sideLength);
        Place(Part(set, Bottom), leftSide, behindFace, m_width - 2 * clearance - 2, depth);

        // The elevation, below the plan: the face as on the cabinet, the
        // box centred on it.
        const int ye = Y0 + faceStock + depth + kDrawerElevationGap;
        Shape& face = Part(set, DFace);
        if (inset)
            Place(face, faceLeft, ye + overlay + gap, faceWidth, m_faceHeight - 2 * gap);
        else
            Place(face, faceLeft, ye, faceWidth, m_faceHeight + 2 * overlay);
        const int bottomStock = m_units.T(PartRow::DrawerBottom);
        const int bottomDado = m_units.P(Param::DrawerBottomDado);
        const bool dadoes = m_model.options[O::DrawerDadoes];
        // The box is the face height less the clearance. A bottom let into
        // dadoes is inside the sides; one nailed under them takes its
        // thickness off them, as the boards are cut.
        const int boxHeight = m_faceHeight - m_units.P(Param::DrawerHeightClearance);
        const int sideHeight = dadoes ? boxHeight : boxHeight - bottomStock;
        const int boxTop = face.top + (face.height - boxHeight) / 2;
        const int sidesBottom = boxTop + sideHeight;
        Place(Part(set, DLeftSide), leftSide, boxTop, sideStock, sideHeight);
        Place(Part(set, DRightSide), rightSide, boxTop, sideStock, sideHeight);
        const Shape& back = Part(set, Back);
        const int backHeight = dadoes ? boxHeight - bottomStock - bottomDado : sideHeight;
        Place(Part(set, DBack), back.left, boxTop, back.width, backHeight);
        if (dadoes) {
            const int dado = m_units.P(Param::DrawerDado);
            Place(Part(set, DBottom), leftSide + sideStock - dado, sidesBottom - bottomStock - bottomDado,
                  m_width + 2 * dado - 2 * clearance - 2 * sideStock - 2, bottomStock);
        } else {
            Place(Part(set, DBottom), leftSide, sidesBottom, m_width - 2 * clearance - 2, bottomStock);
        }
    }

    // The window's size for this drawing, from its size now.
    int windowWidth(int current) const
    {
        return views::GrowOrLimit(X0 + m_width + 2 * m_units.P(Param::FaceOverlay) + kRightMargin, kUsualWidth,
                                  current);
    }
    int windowHeight(int current) const
    {
        const int drawing = m_units.T(PartRow::DrawerFace) + m_units.P(Param::DrawerDepth) + kDrawerElevationGap +
                            m_faceHeight + 2 * m_units.P(Param::FaceOverlay);
        return views::GrowOrLimit(Y0 + drawing + kBottomMargin, kUsualHeight, current);
    }
    int perInch() const { return m_units.perInch(); }

private:
    // A front or back across the box: a rabbeted one reaches into the
    // sides, a dovetailed one spans them, a butt-jointed one fits between.
    void placeEnd(Shape& end, Joint joint, int top, int stock) const
    {
        const int inside = X0 + m_units.P(Param::FaceOverlay) + m_units.P(Param::DrawerSideClearance);
        const int box = m_width - 2 * m_units.P(Param::DrawerSideClearance);
        const int sides = m_units.T(PartRow::DrawerSide);
        const int rabbet = m_units.P(Param::DrawerRabbit);
        switch (joint) {
        case Joint::Rabbit: Place(end, inside + sides - rabbet, top, box + 2 * rabbet - 2 * sides, stock); break;
        case Joint::Dovetail: Place(end, inside + 1, top, box - 2, stock); break;
        case Joint::Butt: Place(end, inside + sides, top, box - 2 * sides, stock); break;
        }
    }

    const CabinetModel& m_model;
    const ViewUnits m_units;
    const int m_width;
    const int m_faceHeight;
};

void DrawerRows(RowFiller& rows, const CabinetModel& model, int s, int d)
{
    const CalcContext& c = rows.context();
    if (FaceShows(model, c.layout, s, d))
        rows.add("Face", CalcDrawerFace(c, s, d));
    if (!BoxShows(model, c.layout, s, d))
        return;
    rows.add("Front", CalcDrawerFrontBack(c, s, d, DrawerEnd::Front));
    rows.add("Back", CalcDrawerFrontBack(c, s, d, DrawerEnd::Back));
    rows.add("Sides", CalcDrawerSide(c, s, d));
    rows.add("Bottom", CalcDrawerBottom(c, s));
}

} // namespace

ConstructionView DrawerView(const CabinetModel& model, const LayoutResult& layout, const DrawerViewState& state,
                            int currentWidth, int currentHeight)
{
    const int s = SectionIndex(model, state.section);
    const int d = std::clamp(state.drawer, 1, kMaxDrawers) - 1;
    const DrawerLayout drawing(model, layout, s, d);
    const bool box = BoxShows(model, layout, s, d);
    const bool face = FaceShows(model, layout, s, d);

    ConstructionView view;
    view.unitsPerInch = drawing.perInch();
    view.shapes = DrawerShapes();
    drawing.place(view.shapes);
    for (Shape& shape : view.shapes.shapes)
        shape.visible = box;
    Part(view.shapes, Face).visible = face;
    Part(view.shapes, DFace).visible = face;
    views::DropNegativeSizes(view.shapes);
    // The window keeps its size while nothing is drawn.
    view.windowWidth = box || face ? drawing.windowWidth(currentWidth) : currentWidth;
    view.windowHeight = box || face ? drawing.windowHeight(currentHeight) : currentHeight;

    RowFiller rows(model, layout);
    if (state.listing == DrawerListing::Section) {
        for (int each = 0; each < model.drawers(s); ++each)
            DrawerRows(rows, model, s, each);
    } else {
        DrawerRows(rows, model, s, d);
    }
    view.rows = rows.take(kDrawerViewMinGridRows);

    view.statusTexts = {
        "Drawer Depth: " + FormatMeasure(model.param(Param::DrawerDepth), model.units),
        "Dado Depth: " + FormatMeasure(model.param(Param::DrawerDado), model.units),
        "Height Offset: " + FormatMeasure(model.param(Param::DrawerHeightClearance), model.units),
        "Face Overlay: " + FormatMeasure(model.param(Param::FaceOverlay), model.units),
    };
    return view;
}

} // namespace boxmill
