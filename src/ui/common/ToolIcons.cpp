// SPDX-License-Identifier: GPL-3.0-or-later
#include "ToolIcons.h"

#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace boxmill {

namespace {

const QColor kInk(40, 48, 60);
const QColor kWood(222, 184, 135);
const QColor kPaper(250, 250, 246);
const QColor kAccent(46, 110, 180);

void Cabinet(QPainter& p, QRectF r)
{
    p.setBrush(kWood);
    p.drawRect(r);
    const qreal mid = r.top() + r.height() * 0.3;
    p.drawLine(QPointF(r.left(), mid), QPointF(r.right(), mid));
    p.drawLine(QPointF(r.center().x(), mid), QPointF(r.center().x(), r.bottom()));
}

void Disk(QPainter& p, QRectF r)
{
    p.setBrush(kAccent);
    p.drawRect(r);
    p.setBrush(kPaper);
    p.drawRect(QRectF(r.left() + r.width() * 0.2, r.top(), r.width() * 0.6, r.height() * 0.4));
}

void Paint(QPainter& p, ToolGlyph glyph)
{
    switch (glyph) {
    case ToolGlyph::NewCabinet:
        p.setBrush(kPaper);
        p.drawPolygon(QPolygonF({{6, 3}, {20, 3}, {26, 9}, {26, 29}, {6, 29}}));
        Cabinet(p, QRectF(10, 13, 12, 12));
        break;
    case ToolGlyph::OpenLibrary:
        p.setBrush(kWood);
        p.drawPolygon(QPolygonF({{3, 9}, {12, 9}, {14, 12}, {29, 12}, {29, 27}, {3, 27}}));
        p.setBrush(kPaper);
        p.drawPolygon(QPolygonF({{6, 16}, {30, 16}, {27, 27}, {3, 27}}));
        break;
    case ToolGlyph::SaveToLibrary:
        Disk(p, QRectF(4, 4, 16, 16));
        p.setBrush(kWood);
        for (int i = 0; i < 3; ++i)
            p.drawRect(QRectF(16 + 4 * i, 14, 4, 15));
        break;
    case ToolGlyph::SaveAs:
        Disk(p, QRectF(5, 5, 22, 22));
        p.drawLine(QPointF(10, 22), QPointF(22, 22));
        break;
    case ToolGlyph::Zoom:
        p.setBrush(kPaper);
        p.drawEllipse(QRectF(4, 4, 17, 17));
        p.setPen(QPen(kInk, 4, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(19, 19), QPointF(28, 28));
        p.setPen(QPen(kInk, 2));
        p.drawLine(QPointF(8, 12.5), QPointF(17, 12.5));
        p.drawLine(QPointF(12.5, 8), QPointF(12.5, 17));
        break;
    case ToolGlyph::SendToCutList:
        p.setBrush(kPaper);
        p.drawRect(QRectF(5, 3, 22, 26));
        for (int i = 0; i < 5; ++i) {
            p.drawLine(QPointF(9, 8 + 4.5 * i), QPointF(12, 8 + 4.5 * i));
            p.drawLine(QPointF(14, 8 + 4.5 * i), QPointF(23, 8 + 4.5 * i));
        }
        break;
    case ToolGlyph::Options:
        p.setBrush(kPaper);
        for (int i = 0; i < 3; ++i) {
            p.drawRect(QRectF(5, 5 + 8 * i, 6, 6));
            p.drawLine(QPointF(14, 8 + 8 * i), QPointF(27, 8 + 8 * i));
        }
        p.setPen(QPen(kAccent, 2));
        p.drawPolyline(QPolygonF({{6, 8}, {8, 10}, {12, 4}}));
        p.drawPolyline(QPolygonF({{6, 24}, {8, 26}, {12, 20}}));
        break;
    case ToolGlyph::Designer:
        Cabinet(p, QRectF(5, 4, 22, 24));
        p.setPen(QPen(kAccent, 2));
        p.drawLine(QPointF(4, 30), QPointF(28, 30));
        break;
    case ToolGlyph::RaisedPanel:
        p.setBrush(kWood);
        p.drawRect(QRectF(7, 3, 18, 26));
        p.setBrush(kWood.lighter(115));
        p.drawRect(QRectF(11, 7, 10, 18));
        p.drawRect(QRectF(13, 9, 6, 14));
        break;
    case ToolGlyph::FrontView:
        p.setBrush(kPaper);
        p.drawRect(QRectF(5, 4, 22, 24));
        p.drawLine(QPointF(5, 16), QPointF(27, 16));
        p.drawLine(QPointF(16, 4), QPointF(16, 28));
        break;
    case ToolGlyph::SideView:
        p.setBrush(kPaper);
        p.drawRect(QRectF(6, 4, 20, 24));
        p.setBrush(kWood);
        p.drawRect(QRectF(6, 22, 16, 6));
        p.drawRect(QRectF(22, 4, 4, 24));
        break;
    case ToolGlyph::TopView:
        p.setBrush(kPaper);
        p.drawRect(QRectF(4, 7, 24, 18));
        p.setBrush(kWood);
        p.drawRect(QRectF(4, 21, 24, 4));
        p.drawRect(QRectF(4, 7, 3, 18));
        p.drawRect(QRectF(25, 7, 3, 18));
        break;
    case ToolGlyph::Exit:
        p.setBrush(kWood);
        p.drawRect(QRectF(5, 3, 14, 26));
        p.setPen(QPen(kAccent, 3, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(14, 16), QPointF(28, 16));
        p.drawPolyline(QPolygonF({{23, 11}, {28, 16}, {23, 21}}));
        break;
    case ToolGlyph::Print:
        p.setBrush(kPaper);
        p.drawRect(QRectF(9, 3, 14, 10));
        p.setBrush(QColor(190, 196, 204));
        p.drawRect(QRectF(4, 12, 24, 11));
        p.setBrush(kPaper);
        p.drawRect(QRectF(9, 19, 14, 10));
        break;
    case ToolGlyph::Export:
        // A sheet with an arrow leaving it.
        p.setBrush(kPaper);
        p.drawRect(QRectF(4, 3, 17, 26));
        p.setPen(QPen(kAccent, 2.5));
        p.drawLine(QPointF(12, 16), QPointF(28, 16));
        p.drawPolyline(QPolygonF({{23, 11}, {28, 16}, {23, 21}}));
        break;
    case ToolGlyph::CenterPartition:
    case ToolGlyph::CenterAllPartitions: {
        const int count = glyph == ToolGlyph::CenterPartition ? 1 : 3;
        const qreal width = 24.0 / count;
        for (int i = 0; i < count; ++i) {
            const QRectF cell(4 + i * width, 4, width - 1, 24);
            p.setBrush(kPaper);
            p.setPen(QPen(kInk, 1.5));
            p.drawRect(cell);
            p.setPen(QPen(kAccent, 3));
            p.drawLine(QPointF(cell.left() + 1, 16), QPointF(cell.right() - 1, 16));
        }
        break;
    }
    case ToolGlyph::Undo:
    case ToolGlyph::Redo: {
        // A curved arrow turning back (undo) or on (redo).
        const bool back = glyph == ToolGlyph::Undo;
        if (!back) {
            p.translate(32, 0);
            p.scale(-1, 1);
        }
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(kAccent, 3, Qt::SolidLine, Qt::RoundCap));
        QPainterPath arc;
        arc.moveTo(8, 13);
        arc.cubicTo(QPointF(16, 5), QPointF(28, 9), QPointF(26, 19));
        arc.cubicTo(QPointF(25, 24), QPointF(20, 27), QPointF(14, 26));
        p.drawPath(arc);
        p.drawPolyline(QPolygonF({{8, 5}, {8, 13}, {16, 13}}));
        break;
    }
    case ToolGlyph::FaceFrame:
        // Stiles and rails round two openings, parted by a mullion.
        p.setBrush(kWood);
        p.drawRect(QRectF(4, 4, 24, 24));
        p.setBrush(kPaper);
        p.drawRect(QRectF(8, 8, 7, 16));
        p.drawRect(QRectF(18, 8, 6, 16));
        break;
    case ToolGlyph::DoorView:
        p.setBrush(kWood);
        p.drawRect(QRectF(7, 3, 18, 26));
        p.setBrush(kPaper);
        p.drawRect(QRectF(11, 7, 10, 18));
        p.setPen(QPen(kAccent, 2));
        p.drawLine(QPointF(21, 14), QPointF(21, 18));
        break;
    case ToolGlyph::DrawerView:
        // A box in plan behind its face.
        p.setBrush(kPaper);
        p.drawRect(QRectF(8, 4, 16, 18));
        p.setBrush(kWood);
        p.drawRect(QRectF(4, 20, 24, 8));
        p.setPen(QPen(kAccent, 2));
        p.drawLine(QPointF(13, 24), QPointF(19, 24));
        break;
    case ToolGlyph::NextSection:
    case ToolGlyph::NextDrawer: {
        // Three cells, the middle one shown, and an arrow to the next.
        const bool drawers = glyph == ToolGlyph::NextDrawer;
        for (int i = 0; i < 3; ++i) {
            p.setBrush(i == 1 ? kWood : kPaper);
            p.drawRect(drawers ? QRectF(4, 4 + 8 * i, 16, 7) : QRectF(3 + 8 * i, 4, 7, 16));
        }
        p.setPen(QPen(kAccent, 3, Qt::SolidLine, Qt::RoundCap));
        if (drawers) {
            p.drawLine(QPointF(25, 6), QPointF(25, 27));
            p.drawPolyline(QPolygonF({{21, 23}, {25, 27}, {29, 23}}));
        } else {
            p.drawLine(QPointF(5, 26), QPointF(27, 26));
            p.drawPolyline(QPolygonF({{23, 22}, {27, 26}, {23, 30}}));
        }
        break;
    }
    case ToolGlyph::UpperLower:
        // The two openings a partition makes, with arrows between them.
        p.setBrush(kPaper);
        p.drawRect(QRectF(4, 3, 16, 12));
        p.drawRect(QRectF(4, 17, 16, 12));
        p.setPen(QPen(kAccent, 2.5, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(26, 5), QPointF(26, 27));
        p.drawPolyline(QPolygonF({{22.5, 9}, {26, 5}, {29.5, 9}}));
        p.drawPolyline(QPolygonF({{22.5, 23}, {26, 27}, {29.5, 23}}));
        break;
    case ToolGlyph::CuttingDiagram:
        // A sheet with its parts and a saw cut across it.
        p.setBrush(QColor(210, 210, 210));
        p.drawRect(QRectF(3, 6, 26, 20));
        p.setBrush(kWood);
        p.drawRect(QRectF(5, 8, 12, 16));
        p.drawRect(QRectF(19, 8, 8, 7));
        p.setPen(QPen(kAccent, 2, Qt::DashLine));
        p.drawLine(QPointF(18, 3), QPointF(18, 29));
        break;
    case ToolGlyph::Close:
        p.setPen(QPen(kAccent, 4, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(8, 8), QPointF(24, 24));
        p.drawLine(QPointF(24, 8), QPointF(8, 24));
        break;
    }
}

// Paints a glyph at the size and state asked for, when asked: a window's
// tool bar costs nothing until it shows, and every size stays sharp.
class GlyphIconEngine : public QIconEngine {
public:
    explicit GlyphIconEngine(ToolGlyph glyph)
        : m_glyph(glyph)
    {
    }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State) override
    {
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        if (mode == QIcon::Disabled)
            painter->setOpacity(0.35);
        painter->translate(rect.topLeft());
        painter->scale(rect.width() / 32.0, rect.height() / 32.0);
        painter->setPen(QPen(kInk, 1.5));
        Paint(*painter, m_glyph);
        painter->restore();
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        QPixmap pixmap(size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        paint(&painter, QRect(QPoint(0, 0), size), mode, state);
        return pixmap;
    }

    QIconEngine* clone() const override { return new GlyphIconEngine(m_glyph); }

private:
    ToolGlyph m_glyph;
};

} // namespace

QIcon ToolIcon(ToolGlyph glyph)
{
    return QIcon(new GlyphIconEngine(glyph));
}

} // namespace boxmill
