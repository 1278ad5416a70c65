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
// numbered cuts, and the cut sequence beside it, made as small as it takes
// to fit: a window can be made larger, a page cannot.
void PaintCuttingDiagram(QPainter& painter, const QRectF& page, const CuttingDiagram& diagram);

// Every diagram, each sheet on a page of its own, on the device's page as
// it is set up (a PDF writer, a printer). The cut sequence keeps a size
// read at the saw; a sequence too long for the sheet's page goes on over
// the pages after it. False when the device could not be painted on.
bool PaintCuttingDiagrams(QPagedPaintDevice& device, const std::vector<CuttingDiagram>& diagrams);

// Every diagram as PaintCuttingDiagrams paints it, on landscape pages.
QByteArray CuttingDiagramsPdf(const std::vector<CuttingDiagram>& diagrams, const QPageSize& pageSize,
                              const std::string& title);

} // namespace boxmill
