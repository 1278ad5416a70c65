// SPDX-License-Identifier: GPL-3.0-or-later
#include "FaceView.h"
#include "ViewDrawing.h"

#include "core/CabinetModel.h"
#include "core/IncludeParts.h"
#include "core/ParameterIndex.h"
#include "designer/DesignerWindow.h"
#include "designer/FaceDrawing.h"
#include "designer/FaceShapes.h"
#include "geometry/FaceFrameCalculators.h"
#include "geometry/LayoutResult.h"

#include <algorithm>

namespace boxmill {

using namespace viewparts;

namespace {

// Room right of and below the drawing, and the window's usual size.
constexpr int kRightMargin = 22;
constexpr int kBottomMargin = 43;
constexpr int kUsualWidth = 485;
constexpr int kLeastHeight = 351;

// The face frame is the designer's middle layer, from the stiles to the
// door mullions; the blind panel in it is a carcass board of its own.
ShapeSet FrameShapes(const CabinetModel& model, const LayoutResult& layout)
{
    ShapeSet face = DrawCabinetFace(model, layout);
    ShapeSet frame;
    for (int i = FaceShape::LeftStile; i < FaceShape::FirstDrawerFace; ++i) {
        if (i != FaceShape::BlindPanel)
            frame.shapes.push_back(std::move(face.shapes[static_cast<std::size_t>(i)]));
    }
    return frame;
}

// The rails and door mullions of one section, which a listing of the whole
// cabinet repeats for each.
void SectionRows(RowFiller& rows, const CabinetModel& model, int s)
{
    const CalcContext& c = rows.context();
    // The last drawer of a bank closes on the bottom rail: a section whose
    // one drawer is banked has no mid rail to cut.
    const int midRails = model.drawers(s) - (model.banksInUse(s) > 0 ? 1 : 0);
    if (model.include(IncludeItem::MidRails) && midRails > 0)
        rows.add("Mid Rail(s)", CalcMidRail(c, s, FaceRail::MidRail));
    if (model.include(IncludeItem::PartitionRails) && model.sectionItem(s, SectionItem::Partition) != 0)
        rows.add("Pt Rail(s)", CalcMidRail(c, s, FaceRail::PartitionRail));
    if (model.include(IncludeItem::DoorMullions)) {
        if (model.sectionItem(s, SectionItem::PartitionDoors) == 2)
            rows.add("Dr Mullion", CalcDoorMullion(c, s, Opening::Upper));
        if (model.sectionItem(s, SectionItem::DoorCount) == 2)
            rows.add("Dr Mullion", CalcDoorMullion(c, s, Opening::Lower));
    }
}

std::vector<ViewRow> FrameRows(const CabinetModel& model, const LayoutResult& layout, const FaceViewState& state)
{
    RowFiller rows(model, layout);
    const CalcContext& c = rows.context();
    if (model.include(IncludeItem::FaceFrame)) {
        rows.add("Top Rail", CalcTopRail(c));
        // A frame without a bottom rail stands on the cabinet bottom.
        if (model.param(Param::BottomRail) != 0.0)
            rows.add("Bot Rail", CalcBottomRail(c));
        rows.add("L Stile", CalcLeftStile(c));
        rows.add("R Stile", CalcRightStile(c));
    }
    if (views::Sections(model) >= 2 && model.include(IncludeItem::Mullions))
        rows.add("Mullions", CalcMullion(c));
    if (state.listing == FaceListing::Complete) {
        for (int s = 0; s < views::Sections(model); ++s)
            SectionRows(rows, model, s);
    } else {
        SectionRows(rows, model, SectionIndex(model, state.section));
    }
    return rows.take(kFaceViewMinGridRows);
}

int Held(int units)
{
    return std::clamp(units, -kDrawingUnitLimit, kDrawingUnitLimit);
}

} // namespace

ConstructionView FaceFrameView(const CabinetModel& model, const LayoutResult& layout, const FaceViewState& state,
                               int currentWidth)
{
    ConstructionView view;
    view.shapes = FrameShapes(model, layout);
    views::DropNegativeSizes(view.shapes);
    view.rows = FrameRows(model, layout, state);
    const int W = Held(model.paramUnits[Param::Width]);
    const int H = Held(model.paramUnits[Param::Height]);
    view.windowWidth = views::GrowOrLimit(kFaceOriginX + W + kRightMargin, kUsualWidth, currentWidth);
    view.windowHeight = std::max(kFaceOriginY + H + kBottomMargin, kLeastHeight);
    view.unitsPerInch = 4 * std::clamp(model.drawScale, 1, 2);
    // The same four panels as the designer's status bar.
    const auto status = DesignerStatusTexts(model, layout);
    view.statusTexts.assign(status.begin(), status.end());
    return view;
}

} // namespace boxmill
