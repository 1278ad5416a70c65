// SPDX-License-Identifier: GPL-3.0-or-later
#include "PrintPainting.h"

#include "PdfDocument.h"
#include "QtText.h"
#include "ShopDrawing.h"

#include <QFontMetrics>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>
#include <cmath>

namespace boxmill {

namespace {

// The gap is given in screen pixels of this resolution.
constexpr double kScreenDpi = 96;
// Room for the rounding of a font size.
constexpr double kFitMargin = 0.98;
// No smaller: a line typed far longer than any listing's into the cutlist
// editor does not shrink every other line past reading.
constexpr double kLeastFittedPoints = 6;

double DotsPerScreenPixel(const QPaintDevice& device)
{
    return std::max(device.logicalDpiY(), 1) / kScreenDpi;
}

// The header's line of text and, under it, a rule and as much room again.
int HeaderHeight(const QFontMetrics& metrics)
{
    return 2 * metrics.height();
}

void PaintHeader(QPainter& painter, const QString& cabinetName, std::size_t page, std::size_t pages)
{
    const QFontMetrics metrics = painter.fontMetrics();
    const int width = painter.device()->width();
    const QString number = QStringLiteral("Page %1 of %2").arg(page).arg(pages);
    const int numberWidth = metrics.horizontalAdvance(number);
    // A long name gives way to the page number.
    const QString name = metrics.elidedText(cabinetName, Qt::ElideMiddle, width - numberWidth - metrics.height());
    painter.drawText(QPoint(0, metrics.ascent()), name);
    painter.drawText(QPoint(width - numberWidth, metrics.ascent()), number);
    const int rule = metrics.height() + metrics.height() / 4;
    painter.drawLine(0, rule, width, rule);
}

// The printed font, made smaller where its widest line would run past the
// right margin, which the printer would cut off.
QFont FittedFont(const QFont& font, const QPaintDevice& device, const std::vector<PrintPage>& pages)
{
    const QFontMetricsF metrics(font, &device);
    double widest = 0;
    for (const PrintPage& page : pages)
        for (const PrintText& text : page.texts)
            widest = std::max(widest, metrics.horizontalAdvance(ToQt(text.text)));
    if (widest <= device.width())
        return font;
    QFont fitted = font;
    fitted.setPointSizeF(std::max(font.pointSizeF() * device.width() / widest * kFitMargin,
                                  std::min(font.pointSizeF(), kLeastFittedPoints)));
    return fitted;
}

void PaintPage(QPainter& painter, const PrintPage& page)
{
    const int ascent = painter.fontMetrics().ascent();
    for (const PrintText& text : page.texts)
        painter.drawText(QPoint(0, text.y + ascent), ToQt(text.text));
    const int width = painter.device()->width();
    for (const PrintSheet& sheet : page.sheets)
        PaintShopDrawing(painter, QRectF(0, sheet.y, width, sheet.height), sheet.content);
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
    return SetUpJob(device.height() - HeaderHeight(metrics), metrics.height(),
                    static_cast<int>(std::lround(gap * DotsPerScreenPixel(device))));
}

void KeepOffTheEdges(QPagedPaintDevice& device)
{
    QPageLayout layout = device.pageLayout();
    layout.setUnits(QPageLayout::Millimeter);
    const QMarginsF now = layout.margins();
    const QMarginsF least = layout.minimumMargins();
    const auto side = [](double chosen, double printer) {
        return std::max({chosen, printer, kLeastMarginMillimetres});
    };
    device.setPageMargins(QMarginsF(side(now.left(), least.left()), side(now.top(), least.top()),
                                    side(now.right(), least.right()), side(now.bottom(), least.bottom())),
                          QPageLayout::Millimeter);
}

bool PaintJob(QPagedPaintDevice& device, const QFont& font, const PrintSettings& settings, std::string_view cabinetName,
              const ComposeJob& compose)
{
    KeepOffTheEdges(device);
    const JobSetup job = MeasureJob(device, font, settings.gap());
    PageComposer composer(job);
    compose(composer);
    const std::vector<PrintPage> pages = composer.take();
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    painter.setFont(FittedFont(PrintedFont(font), device, pages));
    painter.setPen(Qt::black);
    const QString name = ToQt(cabinetName);
    const int header = device.height() - job.pageHeight;
    for (std::size_t i = 0; i < pages.size(); ++i) {
        if (i > 0 && !device.newPage())
            return false;
        PaintHeader(painter, name, i + 1, pages.size());
        painter.save();
        painter.translate(0, header);
        PaintPage(painter, pages[i]);
        painter.restore();
    }
    return painter.end();
}

QByteArray PrintJobPdf(const QFont& font, const PrintSettings& settings, std::string_view cabinetName,
                       const ComposeJob& compose, const QPageSize& pageSize, int dotsPerInch)
{
    return PdfDocument(QPageLayout(pageSize, QPageLayout::Portrait, QMarginsF(), QPageLayout::Millimeter), dotsPerInch,
                       ToQt(cabinetName),
                       [&](QPdfWriter& writer) { return PaintJob(writer, font, settings, cabinetName, compose); });
}

} // namespace boxmill
