// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "print/PrintPages.h"
#include "print/PrintSettings.h"

#include <QByteArray>
#include <QFont>
#include <QPageSize>

#include <functional>

class QPagedPaintDevice;
class QPaintDevice;

namespace boxmill {

// Lays out the pages of one print command for the device it is measured on.
using ComposeJob = std::function<void(PageComposer&)>;

// The font as it prints: a size given in screen pixels (the listings'
// default) becomes the same size in points on paper.
QFont PrintedFont(const QFont& font);

// The job measured on `device`: its page, the printed line's real height
// and the gap, which is given in screen pixels, in the device's units.
JobSetup MeasureJob(const QPaintDevice& device, const QFont& font, int gap);

// Device units for one drawing unit at `zoom`, which is relative to a
// screen of 96 pixels per inch.
double DrawingScale(const QPaintDevice& device, double zoom);

// Composes the job for `device` and paints it there: one document, a new
// page of it wherever the job turns one. False when nothing could be
// painted on the device.
bool PaintJob(QPagedPaintDevice& device, const QFont& font, const PrintSettings& settings, const ComposeJob& compose);

// The same job as a PDF document on `pageSize` with half-inch margins.
QByteArray PrintJobPdf(const QFont& font, const PrintSettings& settings, const ComposeJob& compose,
                       const QPageSize& pageSize, int dotsPerInch = 600);

} // namespace boxmill
