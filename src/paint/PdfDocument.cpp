// SPDX-License-Identifier: GPL-3.0-or-later
#include "PdfDocument.h"

#include <QBuffer>
#include <QPdfWriter>

namespace boxmill {

QByteArray PdfDocument(const QPageLayout& layout, int dotsPerInch, const QString& title,
                       const std::function<bool(QPdfWriter&)>& paint)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        // The writer finishes the document when it goes, before the bytes
        // are handed on.
        QPdfWriter writer(&buffer);
        writer.setResolution(dotsPerInch);
        writer.setPageLayout(layout);
        writer.setTitle(title);
        writer.setCreator(QStringLiteral("Boxmill"));
        if (!paint(writer))
            return {};
    }
    buffer.close();
    return bytes;
}

} // namespace boxmill
