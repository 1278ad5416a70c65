// SPDX-License-Identifier: GPL-3.0-or-later
#include "QtText.h"

namespace boxmill {

QString ToQt(std::string_view text)
{
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

std::string FromQt(const QString& text)
{
    return text.toLatin1().toStdString();
}

} // namespace boxmill
