// SPDX-License-Identifier: GPL-3.0-or-later
#include "ListingFont.h"

#include <QFontDatabase>
#include <QStringList>

namespace boxmill {

QFont ListingFont()
{
    // What matters is that every character is equally wide.
    QFont font;
    const QStringList candidates = {QStringLiteral("Courier New"), QStringLiteral("DejaVu Sans Mono"),
                                    QStringLiteral("Liberation Mono"), QStringLiteral("Noto Mono")};
    const QStringList installed = QFontDatabase::families();
    for (const QString& family : candidates)
        if (installed.contains(family) && QFontDatabase::isFixedPitch(family)) {
            font.setFamily(family);
            break;
        }
    if (font.family().isEmpty() || !QFontDatabase::isFixedPitch(font.family()))
        font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setStyleHint(QFont::Monospace);
    font.setFixedPitch(true);
    font.setBold(true);
    font.setPixelSize(13);
    return font;
}

} // namespace boxmill
