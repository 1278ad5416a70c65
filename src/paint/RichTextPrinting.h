// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QPagedPaintDevice;
class QTextDocument;

namespace boxmill {

// Lays `document` out anew for the device's page and resolution and paints
// it page after page; a line never straddles two pages. The document itself
// is left as the window shows it. False when the device could not be
// painted on.
bool PaintRichText(QPagedPaintDevice& device, const QTextDocument& document);

} // namespace boxmill
