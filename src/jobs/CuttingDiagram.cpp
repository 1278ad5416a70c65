// SPDX-License-Identifier: GPL-3.0-or-later
#include "CuttingDiagram.h"

#include "JobLists.h"

#include "core/NumberText.h"

#include <cmath>

namespace boxmill {

namespace {

int Units(double inches)
{
    return ToDrawingUnits(inches, kDiagramScale);
}

// Edges converted apart, so that neighbours drawn from the same plan meet
// where the plan has them meet.
Shape Box(std::string name, std::string hint, double x, double y, double length, double width)
{
    Shape shape;
    shape.name = std::move(name);
    shape.hint = std::move(hint);
    shape.left = Units(x);
    shape.top = Units(y);
    shape.width = Units(x + length) - shape.left;
    shape.height = Units(y + width) - shape.top;
    shape.visible = true;
    return shape;
}

// Positions are measured from the sheet's top edge and left end as drawn,
// so that the sawyer can read every step off the one drawing.
std::string CutStep(const Cut& cut, UnitMode units)
{
    const bool along = cut.y0 == cut.y1;
    const std::string where = along ? DiagramLength(cut.y0, units) + " from the top edge"
                                    : DiagramLength(cut.x0, units) + " from the left end";
    return std::to_string(cut.step) + ". " + CutKindName(cut.kind) + " at " + where + ", " +
           DiagramLength(cut.length(), units) + " long";
}

CuttingDiagram SheetDiagram(const WoodGroupPlan& plan, std::size_t index, UnitMode units, bool withCabinet)
{
    const SheetPlan& sheets = *plan.sheets;
    const SheetLayout& sheet = sheets.sheets[index];
    const StockEntry& stock = *plan.stock;
    CuttingDiagram diagram;
    diagram.title = plan.group.wood + ' ' + std::string(TrimBlanks(plan.group.stockText)) + ": sheet " +
                    std::to_string(index + 1) + " of " + std::to_string(sheets.sheets.size());
    diagram.summary = DiagramLength(stock.length, units) + " x " + DiagramLength(stock.width, units) +
                      (stock.grain ? ", grain along" : "") + ", yield " + PercentText(sheet.yield) + ", " +
                      CountText(sheet.cuts.size(), "cut") + ", " + DiagramLength(sheet.cutLength, units) + " of cut";
    diagram.shapes.shapes.push_back(Box("Sheet", "Sheet", 0, 0, stock.length, stock.width));
    diagram.sheetWidth = diagram.shapes.shapes.back().width;
    diagram.sheetHeight = diagram.shapes.shapes.back().height;
    for (std::size_t p = 0; p < sheet.parts.size(); ++p) {
        const PlacedPart& part = sheet.parts[p];
        const PartOwner owner = SplitJobPartName(part.name);
        const std::string cabinet = withCabinet ? owner.cabinet : std::string();
        const std::string size = DiagramLength(part.length, units) + " x " + DiagramLength(part.width, units);
        const std::string named = ShownPartName(part.name, withCabinet);
        Shape box = Box("Part" + std::to_string(p + 1), named, part.x, part.y, part.length, part.width);
        DiagramLabel label {{}, box.left, box.top, box.width, box.height, box.height > 2 * box.width};
        if (!cabinet.empty())
            label.lines.push_back(cabinet);
        label.lines.push_back(owner.part);
        label.lines.push_back(size + (part.rotated ? " (turned)" : ""));
        diagram.labels.push_back(std::move(label));
        diagram.partLines.push_back(named + "  " + size + (part.rotated ? ", turned" : ""));
        diagram.shapes.shapes.push_back(std::move(box));
    }
    for (std::size_t o = 0; o < sheet.offcuts.size(); ++o) {
        const Rect& offcut = sheet.offcuts[o];
        const std::string size = DiagramLength(offcut.length, units) + " x " + DiagramLength(offcut.width, units);
        diagram.offcuts.push_back(
            Box("Offcut" + std::to_string(o + 1), "Offcut " + size, offcut.x, offcut.y, offcut.length, offcut.width));
        diagram.offcutLines.push_back("Offcut " + size);
    }
    for (const Cut& cut : sheet.cuts) {
        diagram.cutSteps.push_back(CutStep(cut, units));
        // Only a rip the whole sheet long starts at its left end; a sheet
        // crosscut first is ripped panel by panel.
        const bool rip = cut.kind == CutKind::Rip && cut.x0 <= 0.0 && cut.x1 >= stock.length;
        diagram.marks.push_back({cut.step, rip ? 0 : Units((cut.x0 + cut.x1) / 2), Units((cut.y0 + cut.y1) / 2), rip});
    }
    return diagram;
}

} // namespace

std::string PercentText(double share)
{
    return FormatDecimal(std::round(share * 1000.0) / 10.0) + " %";
}

std::string CountText(std::size_t count, std::string_view noun)
{
    return std::to_string(count) + ' ' + std::string(noun) + (count == 1 ? "" : "s");
}

const char* CutKindName(CutKind kind)
{
    switch (kind) {
    case CutKind::Rip: return "Rip";
    case CutKind::Crosscut: return "Crosscut";
    case CutKind::Trim: return "Trim";
    }
    return "";
}

std::string ShownPartName(std::string_view name, bool withCabinet)
{
    const PartOwner owner = SplitJobPartName(name);
    return withCabinet && !owner.cabinet.empty() ? owner.cabinet + ": " + owner.part : owner.part;
}

std::string DiagramLength(double inches, UnitMode units)
{
    const std::string text(TrimBlanks(FormatMeasure(inches, units)));
    return text.empty() ? std::string("0") : text;
}

std::vector<CuttingDiagram> MakeCuttingDiagrams(const std::vector<WoodGroupPlan>& plans, UnitMode units,
                                                bool withCabinet)
{
    std::vector<CuttingDiagram> diagrams;
    for (const auto& plan : plans) {
        if (!plan.sheets)
            continue;
        for (std::size_t s = 0; s < plan.sheets->sheets.size(); ++s)
            diagrams.push_back(SheetDiagram(plan, s, units, withCabinet));
    }
    return diagrams;
}

} // namespace boxmill
