// SPDX-License-Identifier: GPL-3.0-or-later
#include "RichTextPrinting.h"

#include <QAbstractTextDocumentLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QTextDocument>

#include <memory>

namespace boxmill {

bool PaintRichText(QPagedPaintDevice& device, const QTextDocument& document)
{
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    const std::unique_ptr<QTextDocument> copy(document.clone());
    // Measured with the device's fonts, so points print as points.
    copy->documentLayout()->setPaintDevice(&device);
    copy->setDocumentMargin(0);
    const QSizeF page(device.width(), device.height());
    copy->setPageSize(page);
    const int pages = copy->pageCount();
    for (int index = 0; index < pages; ++index) {
        if (index > 0 && !device.newPage())
            return false;
        const QRectF visible(0, index * page.height(), page.width(), page.height());
        painter.save();
        painter.translate(0, -visible.top());
        painter.setClipRect(visible);
        QAbstractTextDocumentLayout::PaintContext context;
        context.clip = visible;
        context.palette.setColor(QPalette::Text, Qt::black);
        copy->documentLayout()->draw(&painter, context);
        painter.restore();
    }
    return painter.end();
}

} // namespace boxmill
