// SPDX-License-Identifier: GPL-3.0-or-later
#include "DoorView.h"
#include "ViewDrawing.h"

#include "core/CabinetModel.h"
#include "core/IncludeParts.h"
#include "core/ParameterIndex.h"
#include "geometry/DoorCalculators.h"
#include "geometry/DoorSizing.h"
#include "geometry/LayoutResult.h"
#include "geometry/OpeningFit.h"

#include <algorithm>
#include <array>

namespace boxmill {

using namespace viewparts;

namespace {

constexpr int kRightMargin = 20;
constexpr int kBottomMargin = 70;
constexpr int kUsualWidth = 485;
constexpr int kUsualHeight = 384;
// Larger openings are drawn in quarter inches to fit the screen.
constexpr double kFineHeightLimit = 42.0;
constexpr double kFineWidthLimit = 44.0;

enum DoorPart : int { Panel, LeftStile, RightStile, TopRail, BottomRail, MidRail, kDoorParts };

ShapeSet DoorShapes()
{
    ShapeSet set;
    for (const char* n : {"1", "2"}) {
        const std::string number = n;
        const auto add = [&](const char* stem, const char* hint, int parameter) {
            set.shapes.push_back(MakeShape((stem + number).c_str(), hint, parameter));
        };
        add("Panel", "Door Panel", Param::DoorOverlay);
        add("LeftStile", "Door Left Stile", Param::DoorLeftStile);
        add("RightStile", "Door Right Stile", Param::DoorRightStile);
        add("TopRail", "Door Top Rail", Param::DoorTopRail);
        add("BottomRail", "Door Bottom Rail", Param::DoorBottomRail);
        add("DoorRail", "Door Mid Rail", Param::DoorMidRail);
    }
    return set;
}

Shape& Part(ShapeSet& set, int door, DoorPart part)
{
    const int index = door * kDoorParts + part;
    return set.shapes[static_cast<std::size_t>(index)];
}

bool HasPartition(const CabinetModel& model, int s)
{
    return model.sectionItem(s, SectionItem::Partition) != 0;
}

// The opening above is the one a partition makes; a section without one
// has no doors there, whatever count an old file still holds. Doors that
// have no room in their opening are not cut, and not shown here either.
int Doors(const CabinetModel& model, const LayoutResult& layout, int s, Opening opening)
{
    if ((opening == Opening::Upper && !HasPartition(model, s)) || !DoorsFit(model, layout, s, opening))
        return 0;
    const auto item = opening == Opening::Upper ? SectionItem::PartitionDoors : SectionItem::DoorCount;
    return std::clamp(model.sectionItem(s, item), 0, kMaxDoors);
}

bool PanelsShow(const CabinetModel& model, int s, Opening opening)
{
    return model.include(IncludeItem::DoorPanels) &&
           model.record.flag(RecordOffset::PanelEnabled + 2 * s + (opening == Opening::Upper ? 1 : 0));
}

// The stiles along the door's edges, the rails between them overlapping
// each by a unit, and a double panel's mid rail midway between the members
// it joins, moved by the style's offset.
void PlaceFrame(ShapeSet& set, int n, const ViewUnits& u, const OpeningPanelStyle& style)
{
    const Shape& door = Part(set, n, Panel);
    const int leftStile = u.P(Param::DoorLeftStile);
    const int rightStile = u.P(Param::DoorRightStile);
    const int topRail = u.P(Param::DoorTopRail);
    const int bottomRail = u.P(Param::DoorBottomRail);
    const int betweenStiles = door.width - leftStile - rightStile + 2;
    Place(Part(set, n, LeftStile), door.left, door.top, leftStile, door.height);
    Place(Part(set, n, RightStile), door.left + door.width - rightStile, door.top, rightStile, door.height);
    Place(Part(set, n, TopRail), door.left + leftStile - 1, door.top, betweenStiles, topRail);
    Place(Part(set, n, BottomRail), door.left + leftStile - 1, door.top + door.height - bottomRail, betweenStiles,
          bottomRail);
    if (!style.doublePanel)
        return;
    const int width = u.P(Param::DoorMidRail);
    const int shift = style.offsetSign() * u.P(style.offsetParam);
    Shape& rail = Part(set, n, MidRail);
    if (style.horizontal) {
        // Drawing units grow downwards, and an offset raises the rail.
        const int inner = door.height - topRail - bottomRail;
        const int top = door.top + topRail + inner / 2 - width / 2 - shift;
        Place(rail, door.left + leftStile - 1, top, betweenStiles, width);
    } else {
        const int inner = door.width - leftStile - rightStile;
        const int left = door.left + leftStile + inner / 2 - width / 2 + shift;
        Place(rail, left, door.top + topRail - 1, width, door.height - topRail - bottomRail + 2);
    }
}

void DoorRows(RowFiller& rows, const CabinetModel& model, int s, Opening opening)
{
    const CalcContext& c = rows.context();
    const bool frames = model.include(IncludeItem::DoorFrames);
    const bool doublePanel = SectionPanelStyle(model.record, s, opening).doublePanel;
    for (int n = 0, doors = Doors(model, c.layout, s, opening); n < doors; ++n) {
        if (frames) {
            rows.add("Top Rail", CalcDoorRail(c, s, opening, RailEnd::Top));
            rows.add("Bot Rail", CalcDoorRail(c, s, opening, RailEnd::Bottom));
            rows.add("L Stile", CalcDoorStile(c, s, opening, Side::Left));
            rows.add("R Stile", CalcDoorStile(c, s, opening, Side::Right));
        }
        if (PanelsShow(model, s, opening)) {
            rows.add("Panel", CalcDoorPanel(c, s, opening, PanelOrder::First));
            // The two panels of an offset style differ; both are cut.
            if (doublePanel)
                rows.add("Panel", CalcDoorPanel(c, s, opening, PanelOrder::Second));
        }
        if (frames)
            rows.add("Mid Rail", CalcDoorMidRail(c, s, opening));
    }
}

} // namespace

ConstructionView DoorView(const CabinetModel& model, const LayoutResult& layout, const DoorViewState& state,
                          int currentWidth, int currentHeight)
{
    const int s = SectionIndex(model, state.section);
    // Listing both openings leaves the lower one drawn; the upper one is
    // only there with a partition.
    const Opening opening =
        state.listing == DoorListing::Selected && HasPartition(model, s) ? state.opening : Opening::Lower;
    const int doors = Doors(model, layout, s, opening);
    const double openingWidth = layout.SectionFaceWidth[static_cast<std::size_t>(s)];
    const double openingHeight = DoorOpeningHeight(layout, s, opening);
    const bool fine = doors > 0 && openingHeight <= kFineHeightLimit && openingWidth <= kFineWidthLimit;
    const ViewUnits u(model, fine);
    const int OW = u(openingWidth);
    const int OH = u(openingHeight);

    ConstructionView view;
    view.unitsPerInch = u.perInch();
    const DoorSizing<int> sizing = SizeDoors(model, [&](int param) { return u.P(param); });
    const int E = sizing.growth;
    view.windowWidth = views::GrowOrLimit(OW + kDoorViewOriginX + E + kRightMargin, kUsualWidth, currentWidth);
    view.windowHeight = views::GrowOrLimit(OH + kDoorViewOriginY + kBottomMargin, kUsualHeight, currentHeight);

    view.shapes = DoorShapes();
    const int doorWidth = sizing.doorWidth(OW, doors);
    const std::array<int, kMaxDoors> lefts {kDoorViewOriginX - E / 2,
                                            kDoorViewOriginX + OW / 2 + sizing.between / 2 - E / 2};
    const bool panels = PanelsShow(model, s, opening);
    const bool frames = model.include(IncludeItem::DoorFrames);
    const OpeningPanelStyle style = SectionPanelStyle(model.record, s, opening);
    for (int n = 0; n < doors; ++n) {
        Shape& door = Part(view.shapes, n, Panel);
        Place(door, lefts[static_cast<std::size_t>(n)], kDoorViewOriginY, doorWidth, sizing.doorHeight(OH));
        door.visible = panels;
        PlaceFrame(view.shapes, n, u, style);
        for (const DoorPart part : {LeftStile, RightStile, TopRail, BottomRail})
            Part(view.shapes, n, part).visible = frames;
        Part(view.shapes, n, MidRail).visible = frames && style.doublePanel;
    }
    views::DropNegativeSizes(view.shapes);

    RowFiller rows(model, layout);
    DoorRows(rows, model, s, opening);
    if (state.listing == DoorListing::Section)
        DoorRows(rows, model, s, Opening::Upper);
    view.rows = rows.take(kDoorViewMinGridRows);

    const LayoutRow heightRow = opening == Opening::Upper ? LayoutRow::Upper : LayoutRow::Lower;
    view.statusTexts = {
        "Opening Height: " + layout.cell(heightRow, s),
        "Opening Width: " + layout.cell(LayoutRow::Width, s),
        "Mortise Depth: " + FormatMeasure(model.param(Param::DoorMortise), model.units),
        std::string("Zoom x") + (fine ? "2" : "1"),
    };
    return view;
}

} // namespace boxmill
