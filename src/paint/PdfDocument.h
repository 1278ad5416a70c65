// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QPageLayout>
#include <QString>

#include <functional>

class QPdfWriter;

namespace boxmill {

// A PDF document made in memory: `paint` paints its pages on a writer set
// up with `layout` at `dotsPerInch`. Empty when `paint` could not paint.
QByteArray PdfDocument(const QPageLayout& layout, int dotsPerInch, const QString& title,
                       const std::function<bool(QPdfWriter&)>& paint);

} // namespace boxmill
