// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "print/ShopDrawingContent.h"

#include <QByteArray>
#include <QPageSize>
#include <QRectF>

#include <functional>
#include <string>

class QPainter;

namespace boxmill {

class CabinetSession;

// Paints the drawing onto `page` (in the painter's coordinates) of any paint
// device: a window, a printer or a file all show the same picture. A page
// taller than wide takes the table and the title block under the drawing
// instead of beside it.
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
