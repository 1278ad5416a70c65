// SPDX-License-Identifier: GPL-3.0-or-later
#include "ShopDrawing.h"

#include "Page.h"
#include "PdfDocument.h"
#include "QtText.h"
#include "ShapePainting.h"

#include <QDate>
#include <QFontMetricsF>
#include <QLineF>
#include <QLocale>
#include <QPageLayout>
#include <QPainter>
#include <QPainterPath>
#include <QPdfWriter>

#include <algorithm>
#include <cmath>

namespace boxmill {

namespace {

// Lengths in points of the reference page.
constexpr double kMargin = 28;
constexpr double kGap = 14;
constexpr double kTableWidth = 250;
constexpr double kTitleHeight = 78;
// Room beside the drawing for a dimension line and its text.
constexpr double kDimensionRoom = 34;
constexpr double kCaptionHeight = 18;
// A sheet at least this tall for its width keeps its table under the
// drawing; landscape paper, Letter's included, keeps it beside.
constexpr double kTallSheet = 0.85;
constexpr double kBandRowHeight = 13;
constexpr double kBandShare = 0.45;
constexpr double kTitleWidth = 200;

// The text elided to the width, so a long name never runs into its
// neighbour.
void DrawText(QPainter& painter, const QRectF& box, int flags, const QString& text)
{
    const QString shown = QFontMetricsF(painter.font()).elidedText(text, Qt::ElideRight, box.width());
    painter.drawText(box, flags | Qt::TextSingleLine, shown);
}

void Arrowhead(QPainter& painter, const Page& pt, QPointF tip, QPointF direction)
{
    const QPointF side(-direction.y(), direction.x());
    const double length = pt(7);
    const double half = pt(2.2);
    QPainterPath head;
    head.moveTo(tip);
    head.lineTo(tip - direction * length + side * half);
    head.lineTo(tip - direction * length - side * half);
    head.closeSubpath();
    painter.fillPath(head, Qt::black);
}

// A dimension line from `from` to `to` (horizontal or vertical) with
// arrowheads on extension lines and its text centred on the outside.
void DimensionLine(QPainter& painter, const Page& pt, QPointF from, QPointF to, const QString& text, bool vertical)
{
    painter.setPen(pt.pen(0.6));
    painter.drawLine(from, to);
    const QPointF along = vertical ? QPointF(0, 1) : QPointF(1, 0);
    Arrowhead(painter, pt, from, -along);
    Arrowhead(painter, pt, to, along);
    painter.setFont(pt.font(9, true));
    const QFontMetricsF metrics(painter.font());
    const double length = vertical ? to.y() - from.y() : to.x() - from.x();
    const QString shown = metrics.elidedText(text, Qt::ElideRight, std::max(length, pt(80)));
    const double textWidth = metrics.horizontalAdvance(shown) + pt(8);
    painter.save();
    if (vertical) {
        painter.translate((from + to) / 2);
        painter.rotate(-90);
    } else {
        painter.translate((from + to) / 2);
    }
    // The text sits in a white break in the line.
    const QRectF box(-textWidth / 2, -metrics.height() / 2, textWidth, metrics.height());
    painter.fillRect(box, Qt::white);
    painter.drawText(box, Qt::AlignCenter, shown);
    painter.restore();
}

void PaintTable(QPainter& painter, const Page& pt, const QRectF& area, const ShopDrawingContent& content)
{
    const int count = static_cast<int>(content.rows.size());
    painter.setFont(pt.font(10, true));
    const double captionHeight = pt(kCaptionHeight);
    DrawText(painter, QRectF(area.left(), area.top(), area.width(), captionHeight), Qt::AlignLeft | Qt::AlignVCenter,
             QStringLiteral("Finished Sizes"));
    // Rows shrink to fit a long list onto the page.
    const double rowHeight = std::clamp((area.height() - captionHeight) / (count + 1), pt(6), pt(15));
    const double fontSize = std::clamp(rowHeight / pt(1) * 0.6, 4.0, 8.5);
    const double widths[] = {0.34, 0.22, 0.22, 0.22};
    const double padding = pt(3);
    double top = area.top() + captionHeight;
    const auto drawRow = [&](const std::array<std::string, 4>& cells) {
        double left = area.left();
        for (std::size_t c = 0; c < cells.size(); ++c) {
            const double width = area.width() * widths[c];
            const QRectF cell(left + padding, top, width - 2 * padding, rowHeight);
            DrawText(painter, cell, (c == 0 ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignVCenter, ToQt(cells[c]));
            left += width;
        }
        top += rowHeight;
    };
    painter.fillRect(QRectF(area.left(), top, area.width(), rowHeight), QColor(220, 220, 220));
    painter.setPen(Qt::black);
    painter.setFont(pt.font(fontSize, true));
    drawRow(content.columnTitles);
    painter.setFont(pt.font(fontSize));
    for (int r = 0; r < count; ++r) {
        if (top + rowHeight > area.bottom() + 0.5)
            break;
        // Every other row shaded, so a row reads across on paper.
        if (r % 2 == 1)
            painter.fillRect(QRectF(area.left(), top, area.width(), rowHeight), QColor(242, 242, 242));
        drawRow(content.rows[static_cast<std::size_t>(r)]);
    }
    painter.setBrush(Qt::NoBrush);
    painter.setPen(pt.pen(0.8));
    const QRectF frame(area.left(), area.top() + captionHeight, area.width(), top - area.top() - captionHeight);
    painter.drawRect(frame);
    painter.setPen(pt.pen(0.4));
    painter.drawLine(QPointF(frame.left(), frame.top() + rowHeight), QPointF(frame.right(), frame.top() + rowHeight));
    double left = area.left();
    for (int c = 0; c < 3; ++c) {
        left += area.width() * widths[c];
        painter.drawLine(QPointF(left, frame.top()), QPointF(left, frame.bottom()));
    }
}

void PaintTitleBlock(QPainter& painter, const Page& pt, const QRectF& box, const ShopDrawingContent& content)
{
    painter.setBrush(Qt::NoBrush);
    painter.setPen(pt.pen(1.2));
    painter.drawRect(box);
    const double nameHeight = box.height() * 0.45;
    const double rowHeight = (box.height() - nameHeight) / 2;
    painter.setPen(pt.pen(0.5));
    painter.drawLine(QPointF(box.left(), box.top() + nameHeight), QPointF(box.right(), box.top() + nameHeight));
    painter.drawLine(QPointF(box.left(), box.top() + nameHeight + rowHeight),
                     QPointF(box.right(), box.top() + nameHeight + rowHeight));
    const double middle = box.left() + box.width() / 2;
    painter.drawLine(QPointF(middle, box.top() + nameHeight + rowHeight), QPointF(middle, box.bottom()));

    const double pad = pt(5);
    const auto field = [&](const QRectF& cell, const QString& caption, const QString& value, double size) {
        painter.setFont(pt.font(6));
        DrawText(painter, QRectF(cell.left() + pad, cell.top() + pt(1.5), cell.width() - 2 * pad, pt(8)),
                 Qt::AlignLeft | Qt::AlignTop, caption);
        painter.setFont(pt.font(size, true));
        DrawText(painter, QRectF(cell.left() + pad, cell.top() + pt(8), cell.width() - 2 * pad, cell.height() - pt(8)),
                 Qt::AlignLeft | Qt::AlignVCenter, value);
    };
    painter.setPen(Qt::black);
    field(QRectF(box.left(), box.top(), box.width(), nameHeight), QStringLiteral("CABINET"), ToQt(content.cabinetStyle),
          13);
    field(QRectF(box.left(), box.top() + nameHeight, box.width(), rowHeight), QStringLiteral("VIEW"),
          ToQt(content.viewName), 9);
    const double lastTop = box.top() + nameHeight + rowHeight;
    field(QRectF(box.left(), lastTop, box.width() / 2, rowHeight), QStringLiteral("UNITS"), ToQt(content.unitsText), 8);
    const QString date = content.dateText.empty() ? QLocale().toString(QDate::currentDate(), QLocale::ShortFormat)
                                                  : ToQt(content.dateText);
    field(QRectF(middle, lastTop, box.width() / 2, rowHeight), QStringLiteral("DATE"), date, 8);
}

struct SheetAreas {
    QRectF drawing;
    QRectF table;
    QRectF title;
    // The rule between the drawing and the rest, edge to edge of the sheet.
    QLineF rule;
};

// The table and the title block share a column on the right; the drawing
// takes the rest of the sheet.
SheetAreas ColumnBeside(const Page& pt, const QRectF& inner)
{
    const QRectF column(inner.right() - pt(kTableWidth), inner.top(), pt(kTableWidth), inner.height());
    SheetAreas areas;
    areas.title = QRectF(column.left(), column.bottom() - pt(kTitleHeight), column.width(), pt(kTitleHeight));
    areas.table = QRectF(column.left(), column.top(), column.width(), areas.title.top() - pt(kGap) - column.top());
    areas.drawing = QRectF(inner.left(), inner.top(), column.left() - pt(kGap) - inner.left(), inner.height());
    const double x = column.left() - pt(kGap);
    areas.rule = QLineF(x, inner.top() - pt(kGap), x, inner.bottom() + pt(kGap));
    return areas;
}

// On an upright sheet a column would leave the drawing a narrow strip: the
// table and the title block sit side by side in a band along the foot, as
// high as the table needs up to a share of the sheet.
SheetAreas BandBelow(const Page& pt, const QRectF& inner, std::size_t rows)
{
    const double wanted = pt(kCaptionHeight) + double(rows + 1) * pt(kBandRowHeight);
    const double height = std::clamp(wanted, pt(kTitleHeight), std::max(inner.height() * kBandShare, pt(kTitleHeight)));
    const QRectF band(inner.left(), inner.bottom() - height, inner.width(), height);
    const double titleWidth = std::min(pt(kTitleWidth), band.width() * 0.4);
    SheetAreas areas;
    areas.title = QRectF(band.right() - titleWidth, band.bottom() - pt(kTitleHeight), titleWidth, pt(kTitleHeight));
    areas.table = QRectF(band.left(), band.top(), band.width() - titleWidth - pt(kGap), band.height());
    areas.drawing = QRectF(inner.left(), inner.top(), inner.width(), band.top() - pt(kGap) - inner.top());
    const double y = band.top() - pt(kGap);
    areas.rule = QLineF(inner.left() - pt(kGap), y, inner.right() + pt(kGap), y);
    return areas;
}

} // namespace

void PaintShopDrawing(QPainter& painter, const QRectF& page, const ShopDrawingContent& content)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(page, Qt::white);
    const Page pt(painter, page);

    const QRectF sheet = page.adjusted(pt(kMargin), pt(kMargin), -pt(kMargin), -pt(kMargin));
    painter.setBrush(Qt::NoBrush);
    painter.setPen(pt.pen(1.5));
    painter.drawRect(sheet);
    const QRectF inner = sheet.adjusted(pt(kGap), pt(kGap), -pt(kGap), -pt(kGap));
    const SheetAreas areas = inner.height() > inner.width() * kTallSheet ? BandBelow(pt, inner, content.rows.size())
                                                                         : ColumnBeside(pt, inner);
    painter.setPen(pt.pen(0.6));
    painter.drawLine(areas.rule);

    const DrawnExtent extent = ExtentOf(content.shapes);
    if (!extent.empty) {
        // Room on the left and below for the dimension lines.
        const QRectF room = areas.drawing.adjusted(pt(kDimensionRoom), pt(kGap), -pt(kGap), -pt(kDimensionRoom));
        const double width = std::max<double>(double(extent.right - extent.left), 1);
        const double height = std::max<double>(double(extent.bottom - extent.top), 1);
        const double scale = std::min(room.width() / width, room.height() / height);
        const QPointF corner(room.left() + (room.width() - width * scale) / 2,
                             room.top() + (room.height() - height * scale) / 2);
        const ShapeMapping mapping {scale, corner - QPointF(double(extent.left), double(extent.top)) * scale, false};
        PaintShapes(painter, content.shapes, mapping, page, pt(0.8));

        const double left = mapping.x(extent.left);
        const double right = mapping.x(extent.right - 1);
        const double top = mapping.y(extent.top);
        const double bottom = mapping.y(extent.bottom - 1);
        painter.setPen(pt.pen(0.4));
        const double below = bottom + pt(kDimensionRoom * 0.6);
        const double beside = left - pt(kDimensionRoom * 0.6);
        // Extension lines leave a small gap at the drawing.
        for (double x : {left, right})
            painter.drawLine(QPointF(x, bottom + pt(3)), QPointF(x, below + pt(4)));
        for (double y : {top, bottom})
            painter.drawLine(QPointF(left - pt(3), y), QPointF(beside - pt(4), y));
        if (!content.across.empty())
            DimensionLine(painter, pt, QPointF(left, below), QPointF(right, below), ToQt(content.across), false);
        if (!content.down.empty())
            DimensionLine(painter, pt, QPointF(beside, top), QPointF(beside, bottom), ToQt(content.down), true);
    }

    PaintTable(painter, pt, areas.table, content);
    PaintTitleBlock(painter, pt, areas.title, content);
    painter.restore();
}

QByteArray ShopDrawingPdf(const ShopDrawingContent& content, const QPageSize& pageSize)
{
    const QString title = ToQt(content.cabinetStyle) + QStringLiteral(" - ") + ToQt(content.viewName);
    return PdfDocument(QPageLayout(pageSize, QPageLayout::Landscape, QMarginsF()), 72, title, [&](QPdfWriter& writer) {
        QPainter painter(&writer);
        if (!painter.isActive())
            return false;
        PaintShopDrawing(painter, QRectF(writer.pageLayout().paintRectPixels(writer.resolution())), content);
        return painter.end();
    });
}

QPageSize LocalePageSize()
{
    return QPageSize(QLocale().measurementSystem() == QLocale::ImperialUSSystem ? QPageSize::Letter : QPageSize::A4);
}

} // namespace boxmill
