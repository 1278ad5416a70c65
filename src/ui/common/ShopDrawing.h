// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "designer/Shape.h"

#include <QByteArray>
#include <QPageSize>
#include <QRectF>

#include <array>
#include <functional>
#include <string>
#include <vector>

class QPainter;

namespace boxmill {

class CabinetModel;
class CabinetSession;

// A drawing as it goes on paper: the shapes, the table of finished sizes
// beside them, the overall lengths and the title block. Every text is ready
// to print, in the cabinet's units.
struct ShopDrawingContent {
    ShapeSet shapes;
    std::array<std::string, 4> columnTitles {"Part", "Width", "Length", "Stock"};
    std::vector<std::array<std::string, 4>> rows;
    std::string viewName;
    std::string cabinetStyle;
    std::string unitsText;
    std::string dateText;
    // The overall lengths along the drawing's two axes ("Width 36\""), empty
    // for an empty drawing.
    std::string across;
    std::string down;
};

// The drawn extent of `shapes` named and measured along each axis
// ("Width"/"Height" for a front, "Depth"/"Height" for a side) in the
// model's units, with the title block's texts from the model and today's
// date.
ShopDrawingContent MakeShopDrawing(const ShapeSet& shapes, int unitsPerInch, const CabinetModel& model,
                                   std::string viewName, const char* acrossName, const char* downName);

// Paints the drawing onto `page` (in the painter's coordinates) of any paint
// device: a window, a printer or a file all show the same picture.
void PaintShopDrawing(QPainter& painter, const QRectF& page, const ShopDrawingContent& content);

// The drawing as a one-page PDF document, landscape.
QByteArray ShopDrawingPdf(const ShopDrawingContent& content, const QPageSize& pageSize);

// Letter where the locale measures in US units, A4 elsewhere.
QPageSize LocalePageSize();

// Asks for a file and writes the drawing there: SVG of the shapes alone, or
// the PDF shop drawing. A failed write is reported through the prompter.
void ExportShopDrawing(CabinetSession& session, const ShopDrawingContent& content);
// Asks where to export, as a PDF or an SVG file, and writes there the bytes
// `make` gives for the kind chosen (`svg` true for SVG); a failed write is
// reported and leaves any file there whole.
void ExportPdfOrSvg(CabinetSession& session, const char* title, const std::function<std::string(bool svg)>& make);

} // namespace boxmill
