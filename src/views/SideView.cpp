// SPDX-License-Identifier: GPL-3.0-or-later
#include "SideView.h"

#include "ViewDrawing.h"
#include "ViewRows.h"

#include "core/IncludeParts.h"
#include "core/ParameterIndex.h"
#include "core/PartRows.h"
#include "geometry/PartCalculators.h"

namespace boxmill {

namespace {

using namespace views;
using O = CabinetOption;

enum Shapes { CabinetTop, RightStile, Side1, Side2, Blank, ToeKick };

constexpr const char* kSideHint = "Cabinet Side";
constexpr const char* kSleeperHint = "Sleeper";

const ShapeSet& SideShapes()
{
    static const ShapeSet shapes = MakeShapeSet({
        {"CabinetTop", "Cabinet Top"},
        {"RightStile", "Right Stile", Param::RightStile},
        {"Side1", kSideHint},
        {"Side2", kSideHint},
        // Hides the line between the side and the part of it beside the toe
        // kick, which are one board.
        {"Blank", kSideHint, std::nullopt, true},
        {"ToeKick", "ToeKick", Param::ToeKickDepth},
    });
    return shapes;
}

void LayOutSide(const CabinetModel& model, ShapeSet& shapes)
{
    const Units u(model);
    const auto inc = [&](int item) { return model.include(item); };
    const auto at = [&](int index) -> Shape& { return shapes.shapes[static_cast<std::size_t>(index)]; };
    const int H = u.P(Param::Height);
    const int D = u.P(Param::Depth);
    const int kickDepth = u.P(Param::ToeKickDepth);
    const int kickHeight = u.P(Param::ToeKickHeight);
    const bool overlayTop = inc(IncludeItem::Top) && model.options[O::TopButtJoint];
    const bool toeKick = inc(IncludeItem::ToeKick);
    const bool detached = model.record.flag(RecordOffset::DetachedBase);

    // What the side stands clear of: an overlaid top above it, the face
    // frame in front of it and the toe kick below it, each overlapped by a
    // unit so that no seam shows.
    const int a = overlayTop ? u.T(PartRow::Top) - 1 : 0;
    const int b = inc(IncludeItem::FaceFrame) ? u.T(PartRow::RightStile) - 1 : 0;
    const int c = toeKick ? kickHeight : 0;
    const int d = toeKick ? u.T(PartRow::Toekick) - 1 : 0;

    Place(at(CabinetTop), kOriginX, kOriginY, D, u.T(PartRow::Top), overlayTop);
    Place(at(RightStile), kOriginX, kOriginY + a, u.T(PartRow::RightStile), H - a - c, inc(IncludeItem::FaceFrame));
    Shape& side = at(Side1);
    Place(side, kOriginX + b, kOriginY + a, D - b, H - a - c, inc(IncludeItem::RightSide));
    Shape& foot = at(Side2);
    Place(foot, kOriginX + kickDepth + d, side.top + side.height - 1, D - kickDepth - d, kickHeight + 1, toeKick);
    foot.hint = detached ? kSleeperHint : kSideHint;
    at(Blank).hint = foot.hint;
    Place(at(Blank), foot.left + 1, foot.top - 3, foot.width - 2, 4, toeKick && !detached);
    Place(at(ToeKick), kOriginX + kickDepth, foot.top, u.T(PartRow::Toekick), kickHeight + 1, toeKick);
}

enum Row { SideRow, ToekickRow, Stile, Notch, Top };

std::vector<ViewRow> SideRows(const CabinetModel& model, const LayoutResult& layout)
{
    ViewTable table(model, layout, {"Side", "Toekick", "Stile", "Side Cut", "Top"});
    const CalcContext& c = table.context();
    const auto inc = [&](int item) { return model.include(item); };
    if (inc(IncludeItem::LeftSide) || inc(IncludeItem::RightSide))
        table.fill(SideRow, CalcSide(c, inc(IncludeItem::RightSide) ? Side::Right : Side::Left));
    if (inc(IncludeItem::ToeKick))
        table.fill(ToekickRow, CalcToekick(c));
    if (inc(IncludeItem::FaceFrame))
        table.fill(Stile, CalcRightStile(c));

    const bool detached = model.record.flag(RecordOffset::DetachedBase);
    table.rename(Notch, detached ? "Sleepers" : "Side Cut");
    if (inc(IncludeItem::ToeKick) && detached) {
        table.fill(Notch, CalcSleeper(c, Side::Right));
    } else if (inc(IncludeItem::ToeKick)) {
        // The notch cut out of the side for the toe kick: a rabbeted toe
        // kick reaches into the side, so the notch is that much shallower.
        const auto P = [&](int param) { return model.param(param); };
        const auto T = [&](int row) { return model.partStock.at(static_cast<std::size_t>(row)); };
        const bool rabbeted = model.options[O::ToeKickRight];
        const double length =
            rabbeted ? P(Param::ToeKickHeight)
                     : P(Param::ToeKickHeight) + P(Param::BottomRail) - P(Param::BottomOffset) - T(PartRow::Bottom);
        double width = P(Param::ToeKickDepth) - T(PartRow::TopRail) + T(PartRow::Toekick);
        if (rabbeted)
            width -= P(Param::ToeKickRabbit);
        table.fill(Notch, FormatMeasure(width, model.units), FormatMeasure(length, model.units),
                   FormatMeasure(T(PartRow::RightSide), model.units));
    }
    if (inc(IncludeItem::Top))
        table.fill(Top, CalcTop(c));
    return table.take();
}

constexpr int kSideMinWidth = 405;
constexpr int kSideMinHeight = 258;

} // namespace

ConstructionView DrawSideView(const CabinetModel& model, const LayoutResult& layout)
{
    ConstructionView view;
    view.shapes = SideShapes();
    LayOutSide(model, view.shapes);
    DropNegativeSizes(view.shapes);
    view.rows = SideRows(model, layout);
    const Units u(model);
    view.windowWidth = AtLeast(kOriginX, u.P(Param::Depth), kRightMargin, kSideMinWidth);
    view.windowHeight = AtLeast(kOriginY, u.P(Param::Height), kBottomMargin, kSideMinHeight);
    view.unitsPerInch = 4 * model.drawScale;
    view.statusTexts = ViewStatusTexts(model);
    return view;
}

} // namespace boxmill
