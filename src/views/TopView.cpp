// SPDX-License-Identifier: GPL-3.0-or-later
#include "TopView.h"

#include "ViewDrawing.h"
#include "ViewRows.h"

#include "core/IncludeParts.h"
#include "core/ParameterIndex.h"
#include "core/PartRows.h"
#include "designer/FaceDrawing.h"
#include "geometry/PartCalculators.h"

namespace boxmill {

namespace {

using namespace views;
using O = CabinetOption;

enum Shapes {
    LeftSide,
    RightSide,
    Bottom,
    CabinetTop,
    LeftStile,
    RightStile,
    TopRail,
    CarcassRail1,
    CarcassRail2,
    Back,
    Divider1,
    Divider2,
};

const ShapeSet& TopShapes()
{
    static const ShapeSet shapes = MakeShapeSet({
        {"LeftSide", "Left Side"},
        {"RightSide", "Right Side"},
        {"Bottom", "Cabinet Bottom", Param::BottomOffset},
        {"CabinetTop", "Cabinet Top", Param::TopRabbit},
        {"LeftStile", "Left Stile", Param::LeftStile},
        {"RightStile", "Right Stile", Param::RightStile},
        {"TopRail", "Top Rail", Param::TopRail},
        {"CarcassRail1", "Carcass Rail", Param::CarcassRail},
        {"CarcassRail2", "Carcass Rail", Param::CarcassRail},
        {"Back", "Cabinet Back"},
        {"Divider1", "Divider"},
        {"Divider2", "Divider"},
    });
    return shapes;
}

void LayOutTop(const CabinetModel& model, const LayoutResult& layout, ShapeSet& shapes)
{
    const Units u(model);
    const auto inc = [&](int item) { return model.include(item); };
    const auto at = [&](int index) -> Shape& { return shapes.shapes[static_cast<std::size_t>(index)]; };
    const int W = u.P(Param::Width);
    const int D = u.P(Param::Depth);
    const int leftSide = u.T(PartRow::LeftSide);
    const int rightSide = u.T(PartRow::RightSide);
    const int backStock = u.T(PartRow::Back);
    const bool faceFrame = inc(IncludeItem::FaceFrame);
    const bool backInside = model.options[O::BackInside];

    // The carcass parts run from the back, or from the inside of a back
    // applied behind them, to the face frame.
    const int clear = faceFrame ? D - u.T(PartRow::TopRail) : D;
    const int start = backInside ? kOriginY : kOriginY + backStock - 1;
    const int depth = backInside ? clear : clear - backStock + 1;
    const int between = W - leftSide - rightSide + 2;

    Place(at(LeftSide), kOriginX, start, leftSide, depth, inc(IncludeItem::LeftSide));
    Place(at(RightSide), kOriginX + W - rightSide, start, rightSide, depth, inc(IncludeItem::RightSide));
    Place(at(Bottom), kOriginX + leftSide - 1, start, between, depth, inc(IncludeItem::Bottom));

    // Across, the top and the dividers are where the designer has them.
    const ShapeSet face = DrawCabinetFace(model, layout);
    const Shape& faceTop = *face.find("CabinetTop");
    const bool overlay = model.options[O::TopButtJoint];
    Place(at(CabinetTop), faceTop.left, overlay ? kOriginY : start, faceTop.width, overlay ? D : depth,
          inc(IncludeItem::Top));

    const auto frameMember = [&](int partRow) { return kOriginY + D - u.T(partRow) - 1; };
    const int leftStile = u.P(Param::LeftStile);
    const int rightStile = u.P(Param::RightStile);
    Place(at(LeftStile), kOriginX, frameMember(PartRow::LeftStile), leftStile, u.T(PartRow::LeftStile), faceFrame);
    Place(at(RightStile), kOriginX + W - rightStile, frameMember(PartRow::RightStile), rightStile,
          u.T(PartRow::RightStile), faceFrame);
    Place(at(TopRail), kOriginX + leftStile, frameMember(PartRow::TopRail), W - leftStile - rightStile,
          u.T(PartRow::TopRail), faceFrame);

    const int railWidth = u.P(Param::CarcassRail);
    const int frontRail = kOriginY + D - (faceFrame ? u.T(PartRow::TopRail) : 0) - railWidth;
    const bool rails = inc(IncludeItem::CarcassRails);
    Place(at(CarcassRail1), kOriginX + leftSide - 1, frontRail, between, railWidth, rails);
    Place(at(CarcassRail2), kOriginX + leftSide - 1, start, between, railWidth, rails);

    if (backInside)
        Place(at(Back), kOriginX + leftSide, kOriginY, W - leftSide - rightSide, backStock, inc(IncludeItem::Back));
    else
        Place(at(Back), kOriginX, kOriginY, W, backStock, inc(IncludeItem::Back));

    // The dividers stand in front of the back and reach the face frame, or
    // the front edge of a cabinet without one.
    const int dividerDepth = faceFrame ? D - u.T(PartRow::TopRail) - backStock - 1 : D - backStock;
    for (int d = 0; d < 2; ++d) {
        const Shape& faceDivider = *face.find(d == 0 ? "Divider1" : "Divider2");
        Place(at(d == 0 ? Divider1 : Divider2), faceDivider.left, kOriginY + backStock, u.T(PartRow::Partition),
              dividerDepth, DividerShown(model, d));
    }
}

enum Row { Sides, BottomRow, Top, CarcRails, Dividers, TopRailRow, LStile, RStile, BackRow };

std::vector<ViewRow> TopRows(const CabinetModel& model, const LayoutResult& layout)
{
    ViewTable table(model, layout,
                    {"Sides", "Bottom", "Top", "Carc Rails", "Dividers", "Top Rail", "L Stile", "R Stile", "Back"});
    const CalcContext& c = table.context();
    const auto inc = [&](int item) { return model.include(item); };
    if (inc(IncludeItem::LeftSide) || inc(IncludeItem::RightSide))
        table.fill(Sides, CalcSide(c, inc(IncludeItem::LeftSide) ? Side::Left : Side::Right));
    if (inc(IncludeItem::Bottom))
        table.fill(BottomRow, CalcBottom(c));
    if (inc(IncludeItem::Top))
        table.fill(Top, CalcTop(c));
    if (inc(IncludeItem::CarcassRails))
        table.fill(CarcRails, CalcCarcassRail(c));
    if (DividerShown(model, 0) || DividerShown(model, 1))
        table.fill(Dividers, CalcDivider(c));
    if (inc(IncludeItem::FaceFrame)) {
        table.fill(TopRailRow, CalcTopRail(c));
        table.fill(LStile, CalcLeftStile(c));
        table.fill(RStile, CalcRightStile(c));
    }
    if (inc(IncludeItem::Back))
        table.fill(BackRow, CalcBack(c));
    return table.take();
}

constexpr int kTopWideWidth = 450;
constexpr int kTopTallHeight = 336;

} // namespace

ConstructionView DrawTopView(const CabinetModel& model, const LayoutResult& layout, int currentWidth, int currentHeight)
{
    ConstructionView view;
    view.shapes = TopShapes();
    LayOutTop(model, layout, view.shapes);
    DropNegativeSizes(view.shapes);
    view.rows = TopRows(model, layout);
    const Units u(model);
    view.windowWidth = GrowOrLimit(kOriginX + u.P(Param::Width) + kRightMargin, kTopWideWidth, currentWidth);
    view.windowHeight = GrowOrLimit(kOriginY + u.P(Param::Depth) + kBottomMargin, kTopTallHeight, currentHeight);
    view.unitsPerInch = 4 * model.drawScale;
    view.statusTexts = ViewStatusTexts(model);
    return view;
}

} // namespace boxmill
