// SPDX-License-Identifier: GPL-3.0-or-later
#include "PrintDocuments.h"

#include "core/Constants.h"
#include "core/Measure.h"
#include "core/ParameterIndex.h"
#include "cutlist/ListingFields.h"
#include "cutlist/SectionCounts.h"
#include "designer/FaceDrawing.h"
#include "designer/FrontDimensions.h"
#include "geometry/Layout.h"
#include "views/DoorView.h"
#include "views/DrawerView.h"
#include "views/FaceView.h"
#include "views/ShellView.h"
#include "views/SideView.h"
#include "views/TopView.h"

#include <algorithm>
#include <array>

namespace boxmill {

namespace {

constexpr std::size_t kCellWidth = 20;
// The designer's drawing at print scale: a unit a quarter inch.
constexpr int kPrintUnitsPerInch = 4;

std::string Measured(const CabinetModel& model, double inches)
{
    return FormatMeasure(inches, model.units);
}

std::string ValueLine(const CabinetModel& model, std::string_view label, double inches)
{
    return Cells({label, Measured(model, inches)});
}

// The front/shell view shows the carcass without the scribe strips the
// face frame carries beyond it.
double ShellWidth(const CabinetModel& model)
{
    double width = model.param(Param::Width);
    for (const CabinetOption scribe : {CabinetOption::LeftScribe, CabinetOption::RightScribe})
        if (model.options[scribe])
            width -= model.param(Param::Scribe);
    return width;
}

const char* FrontJoint(const CabinetOptionSet& options)
{
    if (options[CabinetOption::FrontDoveTail])
        return "Dovetail Front(s)";
    if (options[CabinetOption::FrontButtJoint])
        return "Butt Joint Front(s)";
    return "Rabbit Front(s)";
}

const char* BackJoint(const CabinetOptionSet& options)
{
    if (options[CabinetOption::BackDoveTail])
        return "Dovetail Back(s)";
    if (options[CabinetOption::BackButtJoint])
        return "Butt Joint Back(s)";
    return "Rabbit Back(s)";
}

int Sections(const CabinetModel& model)
{
    return std::clamp(model.sectionCount, 1, kSections);
}

// The face frame drawing's heading: its height and its width.
std::vector<std::string> FaceFrameHeading(const CabinetModel& model, const ConstructionView& face)
{
    // The face frame is as high as its left stile is long.
    std::string stile;
    for (const ViewRow& row : face.rows)
        if (row.part == "L Stile")
            stile = row.length;
    double faceWidth = model.param(Param::Width);
    if (cutlist::BlindCorner(model))
        faceWidth -= model.param(Param::BlindPanel);
    return {"", "Face Frame View:", Cells({"Face Height", stile}), ValueLine(model, "Face Width", faceWidth)};
}

} // namespace

PrintCabinet AtPrintScale(const CabinetModel& model, const LayoutResult& layout)
{
    PrintCabinet cabinet {model, layout};
    cabinet.model.drawScale = 1;
    cabinet.model.rebuildDrawingUnits();
    RecalculateLayout(cabinet.model, cabinet.layout);
    ApplySectionOffsets(cabinet.model, cabinet.layout);
    return cabinet;
}

std::string Cells(std::initializer_list<std::string_view> cells)
{
    std::string line;
    for (const std::string_view cell : cells)
        line += Field(cell.empty() ? kBlankMark : cell, kCellWidth);
    return line;
}

std::vector<std::string> OpeningSizesLines(const LayoutResult& layout)
{
    std::vector<std::string> lines;
    lines.emplace_back();
    lines.push_back(Cells({"Opening Sizes", "Section 1", "Section 2", "Section 3"}));
    lines.emplace_back();
    for (std::size_t row = 0; row < kLayoutRowTitles.size(); ++row) {
        const auto& cells = layout.grid[row];
        lines.push_back(Cells({kLayoutRowTitles[row], cells[0], cells[1], cells[2]}));
    }
    return lines;
}

void ComposeConstructionViews(PageComposer& pages, const CabinetModel& model, const LayoutResult& layout, int section)
{
    const double height = model.param(Param::Height);
    const double width = model.param(Param::Width);
    const double depth = model.param(Param::Depth);

    pages.lines(OpeningSizesLines(layout));

    const ConstructionView face = FaceFrameView(model, layout, {section, FaceListing::Section}, 0);
    pages.sheet(FaceFrameHeading(model, face),
                MakeShopDrawing(face, model, "Face Frame Construction", "Width", "Height"));

    const std::vector<std::string> shell = {"", "Front/Shell View:", ValueLine(model, "Cabinet Height", height),
                                            ValueLine(model, "Cabinet Width", ShellWidth(model))};
    pages.sheet(shell, MakeShopDrawing(DrawShellView(model, layout, section, 0), model, "Front/Shell Construction View",
                                       "Width", "Height"));

    const std::vector<std::string> top = {"", "Cabinet Top View:", ValueLine(model, "Cabinet Width", width),
                                          ValueLine(model, "Cabinet Depth", depth)};
    pages.sheet(top,
                MakeShopDrawing(DrawTopView(model, layout, 0, 0), model, "Top Construction View", "Width", "Depth"));

    const std::vector<std::string> side = {"", "Cabinet Side View:", ValueLine(model, "Cabinet Height", height),
                                           ValueLine(model, "Cabinet Depth", depth)};
    pages.sheet(side, MakeShopDrawing(DrawSideView(model, layout), model, "Side Construction View", "Depth", "Height"));

    const std::vector<std::string> finished = {"", "Finished Cabinet:", ValueLine(model, "Cabinet Height", height),
                                               ValueLine(model, "Cabinet Width", width),
                                               ValueLine(model, "Cabinet Depth", depth)};
    ShopDrawingContent designer = MakeShopDrawing(DrawCabinetFace(model, layout), kPrintUnitsPerInch, model,
                                                  "Cabinet Designer", "Width", "Height");
    for (const FrontDimensionRow& row : FillFrontDimensions(model, layout, section))
        if (!row.part.empty())
            designer.rows.push_back({row.part, row.width, row.length, row.stock});
    pages.sheet(finished, std::move(designer));
}

void ComposeDoorView(PageComposer& pages, const CabinetModel& model, const LayoutResult& layout,
                     const DoorViewState& state)
{
    const std::vector<std::string> heading = {"", "Door Panel View:"};
    pages.sheet(heading, MakeShopDrawing(DoorView(model, layout, state, 0, 0), model, "Door Construction View", "Width",
                                         "Height"));
}

void ComposeDrawerView(PageComposer& pages, const CabinetModel& model, const LayoutResult& layout,
                       const DrawerViewState& state)
{
    const std::vector<std::string> heading = {"", "Drawer View:", FrontJoint(model.options), BackJoint(model.options)};
    pages.sheet(heading, MakeShopDrawing(DrawerView(model, layout, state, 0, 0), model, "Drawer Construction View",
                                         "Width", "Height"));
}

DoorViewState FirstDoorOpening(const CabinetModel& model)
{
    for (int s = 0; s < Sections(model); ++s) {
        if (model.sectionItem(s, SectionItem::DoorCount) > 0)
            return {s + 1, Opening::Lower, DoorListing::Selected};
        if (model.sectionItem(s, SectionItem::Partition) != 0 && model.sectionItem(s, SectionItem::PartitionDoors) > 0)
            return {s + 1, Opening::Upper, DoorListing::Selected};
    }
    return {};
}

DrawerViewState FirstDrawer(const CabinetModel& model)
{
    for (int s = 0; s < Sections(model); ++s)
        if (model.drawers(s) > 0)
            return {s + 1, 1, DrawerListing::Selected};
    return {};
}

} // namespace boxmill
