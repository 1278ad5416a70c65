// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "jobs/CuttingDiagram.h"

#include <QByteArray>
#include <QPageSize>
#include <QRectF>

#include <vector>

class QPagedPaintDevice;
class QPainter;

namespace boxmill {

// One sheet on `page` (in the painter's coordinates): the title and
// summary above, the sheet with its labelled parts, hatched offcuts and
// numbered cuts, and the cut sequence beside it.
void PaintCuttingDiagram(QPainter& painter, const QRectF& page, const CuttingDiagram& diagram);

// Every diagram, one sheet a page, on the device's page as it is set up (a
// PDF writer, a printer). False when the device could not be painted on.
bool PaintCuttingDiagrams(QPagedPaintDevice& device, const std::vector<CuttingDiagram>& diagrams);

// Every diagram, one sheet a landscape page.
QByteArray CuttingDiagramsPdf(const std::vector<CuttingDiagram>& diagrams, const QPageSize& pageSize,
                              const std::string& title);

} // namespace boxmill
