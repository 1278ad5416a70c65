// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "print/ShopDrawingContent.h"

#include <functional>
#include <string>

namespace boxmill {

class CabinetSession;

// Asks for a file and writes the drawing there: SVG of the shapes alone, or
// the PDF shop drawing. A failed write is reported through the prompter.
void ExportShopDrawing(const CabinetSession& session, const ShopDrawingContent& content);
// Asks where to export, as a PDF or an SVG file, and writes there the bytes
// `make` gives for the kind chosen (`svg` true for SVG); a failed write is
// reported and leaves any file there whole.
void ExportPdfOrSvg(const CabinetSession& session, const char* title, const std::function<std::string(bool svg)>& make);

} // namespace boxmill
