// SPDX-License-Identifier: GPL-3.0-or-later
#include "CuttingDiagramPages.h"

#include "Page.h"
#include "PdfDocument.h"
#include "QtText.h"
#include "ShapePainting.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>
#include <cmath>

namespace boxmill {

namespace {

// Page proportions, against the page's shorter side.
constexpr double kMargin = 0.04;
constexpr double kListShare = 0.30; // of the width, for the cut sequence
constexpr double kTitlePoints = 14.0;
constexpr double kTextPoints = 9.0;
// On screen the sequence shrinks to fit the window; on paper it never goes
// below a size read at the saw, and goes on over the next page instead.
constexpr double kSmallestPoints = 4.5;
constexpr double kReadablePoints = 8.0;
// The list beside the sheet grows to its longest line up to this share.
constexpr double kWidestListShare = 0.45;
// The list under the sheet takes up to this many columns at this size.
constexpr int kMostColumns = 3;
constexpr double kBelowPoints = 8.0;
constexpr double kLargestLabelPoints = 11.0;
// Below this a label cannot be read at arm's length on the saw.
constexpr double kSmallestLabelPoints = 4.0;

// Font sizes are tried in half points, counted whole so that every size
// tried is exact.
constexpr int HalfPoints(double points)
{
    return static_cast<int>(points * 2.0);
}

QRectF Mapped(const Shape& shape, const ShapeMapping& mapping)
{
    return QRectF(QPointF(mapping.x(shape.left), mapping.y(shape.top)),
                  QPointF(mapping.x(static_cast<long long>(shape.left) + shape.width),
                          mapping.y(static_cast<long long>(shape.top) + shape.height)));
}

// The largest size at which `lines` fit `room`, dropping the size line and
// then the cabinet's when even the smallest is too large: the part's name
// is what the sawyer pencils on it.
void PaintLabel(QPainter& painter, const Page& page, const QRectF& box, const DiagramLabel& label, bool onWhite)
{
    const QSizeF room = label.turned ? QSizeF(box.height(), box.width()) : box.size();
    std::vector<std::string> lines = label.lines;
    double points = 0.0;
    while (!lines.empty()) {
        for (int half = HalfPoints(kLargestLabelPoints); half >= HalfPoints(kSmallestLabelPoints); --half) {
            const QFontMetricsF metrics(page.font(half / 2.0));
            double widest = 0.0;
            for (const auto& line : lines)
                widest = std::max(widest, metrics.horizontalAdvance(ToQt(line)));
            const double tall = metrics.height() * static_cast<double>(lines.size());
            if (widest <= room.width() * 0.92 && tall <= room.height() * 0.92) {
                points = half / 2.0;
                break;
            }
        }
        if (points > 0.0)
            break;
        lines.erase(lines.size() == 3 ? lines.begin() + 2 : lines.size() == 2 ? lines.begin() : lines.end() - 1);
    }
    if (lines.empty())
        return;
    painter.save();
    painter.translate(box.center());
    if (label.turned)
        painter.rotate(-90);
    const QRectF text(-room.width() / 2, -room.height() / 2, room.width(), room.height());
    QStringList shown;
    for (const auto& line : lines)
        shown << ToQt(line);
    painter.setFont(page.font(points));
    const QString joined = shown.join(QLatin1Char('\n'));
    if (onWhite) {
        // Text over hatching is hard to read from the saw.
        const QRectF used = painter.boundingRect(text, Qt::AlignCenter, joined);
        painter.fillRect(used.adjusted(-page(2), 0, page(2), 0), Qt::white);
    }
    painter.setPen(Qt::black);
    painter.drawText(text, Qt::AlignCenter, joined);
    painter.restore();
}

void PaintSheet(QPainter& painter, const Page& page, const QRectF& area, const CuttingDiagram& diagram)
{
    if (diagram.sheetWidth <= 0 || diagram.sheetHeight <= 0)
        return;
    ShapeMapping mapping;
    mapping.snapToPixels = false;
    mapping.scale = std::min(area.width() / diagram.sheetWidth, area.height() / diagram.sheetHeight);
    mapping.origin = area.topLeft();
    const auto& shapes = diagram.shapes.shapes;
    const QRectF sheet = Mapped(shapes.front(), mapping);
    // The kerfs and the trim are waste: grey, so the parts stand out white.
    painter.fillRect(sheet, QColor(210, 210, 210));
    ShapeSet parts;
    parts.shapes.assign(shapes.begin() + 1, shapes.end());
    PaintShapes(painter, parts, mapping, sheet.adjusted(-1, -1, 1, 1), page(0.8));
    for (const auto& offcut : diagram.offcuts) {
        const QRectF box = Mapped(offcut, mapping);
        painter.fillRect(box, Qt::white);
        painter.fillRect(box, QBrush(QColor(120, 120, 120), Qt::BDiagPattern));
        painter.setPen(QPen(QColor(80, 80, 80), page(0.6), Qt::DashLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(box);
        DiagramLabel caption {{offcut.hint}, 0, 0, 0, 0, box.height() > 2 * box.width()};
        PaintLabel(painter, page, box, caption, true);
    }
    painter.setPen(QPen(Qt::black, page(1.5)));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(sheet);
    for (std::size_t i = 0; i < diagram.labels.size() && i + 1 < shapes.size(); ++i)
        PaintLabel(painter, page, Mapped(shapes[i + 1], mapping), diagram.labels[i], false);
    // The step numbers where each cut starts, small enough to leave the
    // labels readable.
    painter.setFont(page.font(5.0, true));
    const double radius = page(4.5);
    for (const auto& mark : diagram.marks) {
        const QPointF at(mark.rip ? sheet.left() - 1.4 * radius : mapping.x(mark.x), mapping.y(mark.y));
        const QRectF disc(at.x() - radius, at.y() - radius, 2 * radius, 2 * radius);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(190, 0, 0));
        painter.drawEllipse(disc);
        painter.setPen(Qt::white);
        painter.drawText(disc, Qt::AlignCenter, QString::number(mark.step));
    }
}

using ListLines = std::vector<std::pair<std::string, bool>>;

ListLines SequenceLines(const CuttingDiagram& diagram)
{
    ListLines lines {{"Cut sequence", true}};
    for (const auto& step : diagram.cutSteps)
        lines.emplace_back(step, false);
    if (!diagram.offcutLines.empty()) {
        lines.emplace_back(std::string(), false);
        lines.emplace_back("Offcuts to keep", true);
        for (const auto& offcut : diagram.offcutLines)
            lines.emplace_back(offcut, false);
    }
    return lines;
}

struct ListFit {
    double points = kSmallestPoints;
    int columns = kMostColumns;
};

// The largest size, then the fewest columns, at which every line fits.
ListFit FitList(const Page& page, const QSizeF& area, const ListLines& lines)
{
    for (int half = HalfPoints(kTextPoints); half > HalfPoints(kSmallestPoints); --half) {
        const double points = half / 2.0;
        const QFontMetricsF metrics(page.font(points, true));
        double widest = 0.0;
        for (const auto& line : lines)
            widest = std::max(widest, metrics.horizontalAdvance(ToQt(line.first)));
        for (int columns = 1; columns <= kMostColumns; ++columns) {
            const auto rows =
                (lines.size() + static_cast<std::size_t>(columns) - 1) / static_cast<std::size_t>(columns);
            if (widest * columns + page(12) * (columns - 1) <= area.width() &&
                metrics.lineSpacing() * static_cast<double>(rows) <= area.height())
                return {points, columns};
        }
    }
    return {};
}

void PaintList(QPainter& painter, const Page& page, const QRectF& area, const ListLines& lines)
{
    const ListFit fit = FitList(page, area.size(), lines);
    const auto rows =
        (lines.size() + static_cast<std::size_t>(fit.columns) - 1) / static_cast<std::size_t>(fit.columns);
    const double columnWidth = (area.width() - page(12) * (fit.columns - 1)) / fit.columns;
    painter.setPen(Qt::black);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        painter.setFont(page.font(fit.points, lines[i].second));
        const QFontMetricsF metrics(painter.font());
        const std::size_t column = i / rows;
        const double x = area.left() + static_cast<double>(column) * (columnWidth + page(12));
        const double y = area.top() + static_cast<double>(i % rows) * metrics.lineSpacing();
        const QString shown = metrics.elidedText(ToQt(lines[i].first), Qt::ElideRight, columnWidth);
        painter.drawText(QPointF(x, y + metrics.ascent()), shown);
    }
}

double SheetScale(const QSizeF& area, const CuttingDiagram& diagram)
{
    return std::min(area.width() / diagram.sheetWidth, area.height() / diagram.sheetHeight);
}

double WidestLine(const Page& page, const ListLines& lines, double points)
{
    const QFontMetricsF metrics(page.font(points, true));
    double widest = 0.0;
    for (const auto& line : lines)
        widest = std::max(widest, metrics.horizontalAdvance(ToQt(line.first)));
    return widest;
}

int ColumnsAcross(const Page& page, double width, double widest)
{
    const double fit = std::floor((width + page(12)) / (widest + page(12)));
    return static_cast<int>(std::clamp(fit, 1.0, static_cast<double>(kMostColumns)));
}

// The lines from `from` on down the columns of `area`, each whole: a line
// wider than its column wraps rather than losing its end, which is the cut's
// length. Returns the first line left for the next page; nothing is painted
// without a painter. `atLeastOne` paints a line even if it overflows, so a
// page of its own always takes the list further.
std::size_t FlowList(QPainter* painter, const Page& page, const QRectF& area, const ListLines& lines, std::size_t from,
                     double points, bool atLeastOne)
{
    const int columns = ColumnsAcross(page, area.width(), WidestLine(page, lines, points));
    const double columnWidth = (area.width() - page(12) * (columns - 1)) / columns;
    std::size_t next = from;
    for (int column = 0; column < columns && next < lines.size(); ++column) {
        const double x = area.left() + column * (columnWidth + page(12));
        double y = area.top();
        for (; next < lines.size(); ++next) {
            const QFont font = page.font(points, lines[next].second);
            const QFontMetricsF metrics(font);
            const QString text = ToQt(lines[next].first);
            const double height =
                std::max(metrics.lineSpacing(),
                         metrics.boundingRect(QRectF(0, 0, columnWidth, 1e6), Qt::TextWordWrap, text).height());
            if (y + height > area.bottom() && !(atLeastOne && next == from))
                break;
            if (painter != nullptr) {
                painter->setFont(font);
                painter->drawText(QRectF(x, y, columnWidth, height), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
                                  text);
            }
            y += height;
        }
    }
    return next;
}

// The title and the summary, if any; the top of what goes under them.
double PaintHeading(QPainter& painter, const Page& units, const QRectF& inner, const std::string& title,
                    const std::string& summary)
{
    painter.setPen(Qt::black);
    painter.setFont(units.font(kTitlePoints, true));
    const double titleHeight = QFontMetricsF(painter.font()).lineSpacing();
    painter.drawText(QRectF(inner.left(), inner.top(), inner.width(), titleHeight), Qt::AlignLeft | Qt::AlignVCenter,
                     ToQt(title));
    double top = inner.top() + titleHeight;
    if (!summary.empty()) {
        painter.setFont(units.font(kTextPoints));
        const double summaryHeight = QFontMetricsF(painter.font()).lineSpacing();
        painter.drawText(QRectF(inner.left(), top, inner.width(), summaryHeight), Qt::AlignLeft | Qt::AlignVCenter,
                         ToQt(summary));
        top += summaryHeight;
    }
    return top + units(10);
}

QRectF InnerPage(const Page& units, const QRectF& page)
{
    const double margin = units(kMargin * Page::kShortSide);
    return page.adjusted(margin, margin, -margin, -margin);
}

struct PageAreas {
    QRectF sheet;
    QRectF list;
};

// The sequence beside the sheet or under it, whichever leaves the sheet
// larger: a long, narrow sheet reads best across the whole page.
PageAreas SplitPage(const Page& units, const QRectF& area, const CuttingDiagram& diagram, double listWidth,
                    double belowHeight)
{
    PageAreas split {QRectF(area.left(), area.top(), area.width() - listWidth - units(12), area.height()),
                     QRectF(area.right() - listWidth, area.top(), listWidth, area.height())};
    const QRectF wide(area.left(), area.top(), area.width(), area.height() - belowHeight);
    if (diagram.sheetWidth > 0 && diagram.sheetHeight > 0 && wide.height() > 0 &&
        SheetScale(wide.size(), diagram) > SheetScale(split.sheet.size(), diagram)) {
        split.sheet =
            QRectF(wide.topLeft(), QSizeF(wide.width(), diagram.sheetHeight * SheetScale(wide.size(), diagram)));
        split.list = QRectF(area.left(), split.sheet.bottom() + units(12), area.width(),
                            area.bottom() - split.sheet.bottom() - units(12));
    }
    return split;
}

// The sheet and its cut sequence at a readable size, the largest at which
// the whole sequence fits the page, or failing that the normal size with
// the rest left for the next pages. Returns the first line left over.
std::size_t PaintPrintedSheet(QPainter& painter, const QRectF& page, const CuttingDiagram& diagram,
                              const ListLines& lines)
{
    const Page units(painter, page);
    const QRectF inner = InnerPage(units, page);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const double top = PaintHeading(painter, units, inner, diagram.title, diagram.summary);
    const QRectF area(inner.left(), top, inner.width(), inner.bottom() - top);
    const auto layOut = [&](double points) {
        const double widest = WidestLine(units, lines, points);
        const double listWidth = std::min(std::max(area.width() * kListShare, widest), area.width() * kWidestListShare);
        const auto rows = std::ceil(static_cast<double>(lines.size()) / ColumnsAcross(units, area.width(), widest));
        const double belowHeight = QFontMetricsF(units.font(points, true)).lineSpacing() * rows + units(12);
        return SplitPage(units, area, diagram, listWidth, belowHeight);
    };
    const auto fits = [&](double points) {
        return FlowList(nullptr, units, layOut(points).list, lines, 0, points, false) == lines.size();
    };
    const double smallest = kReadablePoints / units.printedPoint();
    const double normal = std::max(kTextPoints, smallest);
    double points = normal;
    while (!fits(points) && points > smallest)
        points = std::max(points - 0.5, smallest);
    if (!fits(points))
        points = normal;
    const PageAreas split = layOut(points);
    PaintSheet(painter, units, split.sheet, diagram);
    painter.setPen(Qt::black);
    const std::size_t next = FlowList(&painter, units, split.list, lines, 0, points, false);
    painter.restore();
    return next;
}

// The rest of a sheet's cut sequence on a page of its own.
std::size_t PaintSequenceContinued(QPainter& painter, const QRectF& page, const CuttingDiagram& diagram,
                                   const ListLines& lines, std::size_t from)
{
    const Page units(painter, page);
    const QRectF inner = InnerPage(units, page);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const double top = PaintHeading(painter, units, inner, diagram.title + " (continued)", std::string());
    const double points = std::max(kTextPoints, kReadablePoints / units.printedPoint());
    const std::size_t next = FlowList(&painter, units, QRectF(inner.left(), top, inner.width(), inner.bottom() - top),
                                      lines, from, points, true);
    painter.restore();
    return next;
}

} // namespace

void PaintCuttingDiagram(QPainter& painter, const QRectF& page, const CuttingDiagram& diagram)
{
    const Page units(painter, page);
    const QRectF inner = InnerPage(units, page);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const double top = PaintHeading(painter, units, inner, diagram.title, diagram.summary);
    const ListLines lines = SequenceLines(diagram);
    const QRectF area(inner.left(), top, inner.width(), inner.bottom() - top);
    const QFontMetricsF small(units.font(kBelowPoints, true));
    const double belowHeight =
        small.lineSpacing() * std::ceil(static_cast<double>(lines.size()) / kMostColumns) + units(12);
    const PageAreas split = SplitPage(units, area, diagram, area.width() * kListShare, belowHeight);
    PaintSheet(painter, units, split.sheet, diagram);
    PaintList(painter, units, split.list, lines);
    painter.restore();
}

bool PaintCuttingDiagrams(QPagedPaintDevice& device, const std::vector<CuttingDiagram>& diagrams)
{
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    // The painter's origin is the corner of the printable area, whatever
    // margins the printer keeps.
    const QRectF page(QPointF(), device.pageLayout().paintRectPixels(device.logicalDpiX()).size());
    for (std::size_t i = 0; i < diagrams.size(); ++i) {
        if (i > 0 && !device.newPage())
            return false;
        const ListLines lines = SequenceLines(diagrams[i]);
        for (std::size_t next = PaintPrintedSheet(painter, page, diagrams[i], lines); next < lines.size();) {
            if (!device.newPage())
                return false;
            next = PaintSequenceContinued(painter, page, diagrams[i], lines, next);
        }
    }
    return painter.end();
}

QByteArray CuttingDiagramsPdf(const std::vector<CuttingDiagram>& diagrams, const QPageSize& pageSize,
                              const std::string& title)
{
    return PdfDocument(QPageLayout(pageSize, QPageLayout::Landscape, QMarginsF()), 72, ToQt(title),
                       [&](QPdfWriter& writer) { return PaintCuttingDiagrams(writer, diagrams); });
}

} // namespace boxmill
