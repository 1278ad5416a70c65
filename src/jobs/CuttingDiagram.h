// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/Measure.h"
#include "designer/Shape.h"
#include "sheets/CutListSheets.h"

#include <string>
#include <vector>

namespace boxmill {

// Drawing units per inch of a cutting diagram: quarter inches at the
// finest, as every drawing of the program.
inline constexpr int kDiagramScale = 8;
inline constexpr int kDiagramUnitsPerInch = 4 * kDiagramScale;

// The text written on a part, in the part's rectangle (drawing units). A
// part much narrower than it is long across the sheet is labelled along
// its width, turned a quarter.
struct DiagramLabel {
    std::vector<std::string> lines; // cabinet, part, size
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool turned = false;
};

// A cut's step number on the drawing, at the middle of the cut, so that
// the sequence can be followed on the sheet itself. Rips all start at the
// sheet's left end, where their numbers go, outside the sheet.
struct CutMark {
    int step = 0;
    int x = 0;
    int y = 0;
    bool rip = false;
};

// One sheet ready to draw: x runs along the sheet's length (to the right),
// y along its width (down), from the sheet's corner. Everything a painter
// or an SVG writer needs, every text in the cabinet's units.
struct CuttingDiagram {
    std::string title;   // "Birch Plywood 3/4: sheet 2 of 5"
    std::string summary; // "96 x 48, yield 81.2 %, 14 cuts, 612 1/4 long"
    ShapeSet shapes;     // the sheet first, then its parts
    std::vector<Shape> offcuts;
    std::vector<DiagramLabel> labels;
    std::vector<CutMark> marks;
    std::vector<std::string> cutSteps;  // "1. Rip at 23 3/4 from the top edge, 96 long"
    std::vector<std::string> partLines; // "Sink: Side(s) 34 1/2 x 23"
    std::vector<std::string> offcutLines;
    int sheetWidth = 0; // drawing units along the sheet's length
    int sheetHeight = 0;
};

// A length as a sentence shows it: no trailing blank, zero as "0".
std::string DiagramLength(double inches, UnitMode units);
// A share of 0..1 as "81.2 %".
std::string PercentText(double share);
// "1 sheet", "2 sheets": `noun` is singular and takes an "s".
std::string CountText(std::size_t count, std::string_view noun);
// "Rip", "Crosscut" or "Trim".
const char* CutKindName(CutKind kind);
// A part of a plan as the diagrams and the summary name it: with its
// cabinet's label ("Sink: Side(s)") when `withCabinet` and it has one.
std::string ShownPartName(std::string_view name, bool withCabinet);

// The diagrams of every sheet of every plan, in plan order. Parts named by
// JobPartName show their cabinet's label when `withCabinet` is set.
std::vector<CuttingDiagram> MakeCuttingDiagrams(const std::vector<WoodGroupPlan>& plans, UnitMode units,
                                                bool withCabinet);

} // namespace boxmill
