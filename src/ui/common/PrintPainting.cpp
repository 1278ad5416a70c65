// SPDX-License-Identifier: GPL-3.0-or-later
#include "PrintPainting.h"

#include "QtText.h"
#include "ShapePainting.h"

#include <QBuffer>
#include <QFontMetrics>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>
#include <cmath>

namespace boxmill {

namespace {

// The drawings' units and the gap are screen pixels of this resolution.
constexpr double kScreenDpi = 96;

double DotsPerScreenPixel(const QPaintDevice& device)
{
    return std::max(device.logicalDpiY(), 1) / kScreenDpi;
}

void PaintPage(QPainter& painter, const QFont& font, const PrintPage& page, double lineWidth)
{
    painter.setFont(font);
    painter.setPen(Qt::black);
    const int ascent = painter.fontMetrics().ascent();
    for (const PrintText& text : page.texts)
        painter.drawText(QPoint(0, text.y + ascent), ToQt(text.text));
    const QRectF whole(0, 0, painter.device()->width(), painter.device()->height());
    for (const PrintDrawing& drawing : page.drawings) {
        ShapeMapping mapping;
        mapping.scale = drawing.scale;
        mapping.origin = QPointF(-drawing.left * drawing.scale, drawing.y - drawing.top * drawing.scale);
        mapping.snapToPixels = false;
        PaintShapes(painter, drawing.shapes, mapping, whole, lineWidth);
    }
}

} // namespace

QFont PrintedFont(const QFont& font)
{
    QFont printed = font;
    if (font.pixelSize() > 0)
        printed.setPointSizeF(font.pixelSize() * 72.0 / kScreenDpi);
    return printed;
}

JobSetup MeasureJob(const QPaintDevice& device, const QFont& font, int gap)
{
    // Measured on the device itself: a printer's line is as many of its
    // dots high as the font needs there, not as many as on the screen.
    const QFontMetrics metrics(PrintedFont(font), &device);
    return SetUpJob(device.height(), metrics.height(), static_cast<int>(std::lround(gap * DotsPerScreenPixel(device))));
}

double DrawingScale(const QPaintDevice& device, double zoom)
{
    return zoom * DotsPerScreenPixel(device);
}

bool PaintJob(QPagedPaintDevice& device, const QFont& font, const PrintSettings& settings, const ComposeJob& compose)
{
    PageComposer composer(MeasureJob(device, font, settings.gap()), device.width(),
                          DrawingScale(device, settings.zoom()));
    compose(composer);
    const std::vector<PrintPage> pages = composer.take();
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    // Outlines as heavy as a screen's one pixel, whatever the printer's dots.
    const double lineWidth = DotsPerScreenPixel(device);
    const QFont printed = PrintedFont(font);
    for (std::size_t i = 0; i < pages.size(); ++i) {
        if (i > 0 && !device.newPage())
            return false;
        PaintPage(painter, printed, pages[i], lineWidth);
    }
    return painter.end();
}

QByteArray PrintJobPdf(const QFont& font, const PrintSettings& settings, const ComposeJob& compose,
                       const QPageSize& pageSize, int dotsPerInch)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setResolution(dotsPerInch);
        writer.setPageLayout(
            QPageLayout(pageSize, QPageLayout::Portrait, QMarginsF(12.7, 12.7, 12.7, 12.7), QPageLayout::Millimeter));
        writer.setCreator(QStringLiteral("Boxmill"));
        if (!PaintJob(writer, font, settings, compose))
            return {};
    }
    buffer.close();
    return bytes;
}

} // namespace boxmill
