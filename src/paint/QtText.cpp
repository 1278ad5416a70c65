// SPDX-License-Identifier: GPL-3.0-or-later
#include "QtText.h"

#include "core/MessageText.h"

#include <QStringDecoder>

namespace boxmill {

QString ToQt(std::string_view text)
{
    // File names come from the file system as UTF-8; texts typed into old
    // cabinet files are single bytes. Valid UTF-8 is read as such, anything
    // else as Latin-1, so both show as they were written.
    const auto size = static_cast<qsizetype>(text.size());
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString decoded = utf8.decode(QByteArrayView(text.data(), size));
    if (!utf8.hasError())
        return decoded;
    return QString::fromLatin1(text.data(), size);
}

QString MessageToQt(std::string_view text)
{
    return ToQt(TextForDisplay(text, TabsShown::AsBlanks));
}

std::string FromQt(const QString& text)
{
    // Single bytes where the text allows, so that the record's short fields
    // hold as many characters as they can; UTF-8 otherwise.
    for (const QChar c : text)
        if (c.unicode() > 0xFF)
            return text.toStdString();
    return text.toLatin1().toStdString();
}

} // namespace boxmill
