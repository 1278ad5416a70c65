// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "print/ShopDrawingContent.h"

#include <QByteArray>
#include <QPageSize>
#include <QRectF>

class QPainter;

namespace boxmill {

// Paints the drawing onto `page` (in the painter's coordinates) of any paint
// device: a window, a printer or a file all show the same picture. A page
// taller than wide takes the table and the title block under the drawing
// instead of beside it.
void PaintShopDrawing(QPainter& painter, const QRectF& page, const ShopDrawingContent& content);

// The drawing as a one-page PDF document, landscape.
QByteArray ShopDrawingPdf(const ShopDrawingContent& content, const QPageSize& pageSize);

// Letter where the locale measures in US units, A4 elsewhere.
QPageSize LocalePageSize();

} // namespace boxmill
