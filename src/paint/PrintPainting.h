// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "print/PrintPages.h"
#include "print/PrintSettings.h"

#include <QByteArray>
#include <QFont>
#include <QPageSize>

#include <functional>
#include <string_view>

class QPagedPaintDevice;
class QPaintDevice;

namespace boxmill {

// Lays out the pages of one print job for the device it is measured on.
using ComposeJob = std::function<void(PageComposer&)>;

// Printers clip what comes close to the paper's edge: no margin is
// narrower than half an inch, nor than the printer's own least.
inline constexpr double kLeastMarginMillimetres = 12.7;

// The font as it prints: a size given in screen pixels (the listings'
// default) becomes the same size in points on paper.
QFont PrintedFont(const QFont& font);

// The job measured on `device`: its page below the page header, the
// printed line's real height and the gap, which is given in screen pixels,
// in the device's units.
JobSetup MeasureJob(const QPaintDevice& device, const QFont& font, int gap);

// Widens the device's margins to kLeastMarginMillimetres, or to the least
// its printer takes where that is more; wider margins stay as they are.
void KeepOffTheEdges(QPagedPaintDevice& device);

// Composes the job for `device` and paints it there: one document, a new
// page of it wherever the job turns one, each page headed by the cabinet's
// name and "Page N of M". False when nothing could be painted on the
// device.
bool PaintJob(QPagedPaintDevice& device, const QFont& font, const PrintSettings& settings, std::string_view cabinetName,
              const ComposeJob& compose);

// The same job as a PDF document on `pageSize`.
QByteArray PrintJobPdf(const QFont& font, const PrintSettings& settings, std::string_view cabinetName,
                       const ComposeJob& compose, const QPageSize& pageSize, int dotsPerInch = 600);

} // namespace boxmill
