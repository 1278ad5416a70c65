// SPDX-License-Identifier: GPL-3.0-or-later
#include "RecentCabinets.h"

#include <QSettings>

namespace boxmill {

namespace {
const QString kKey = QStringLiteral("recentCabinets");
} // namespace

QStringList RecentCabinets::files() const
{
    return QSettings().value(kKey).toStringList();
}

void RecentCabinets::add(const QString& file)
{
    const QStringList before = files();
    QStringList list = before;
    list.removeAll(file);
    list.prepend(file);
    while (list.size() > kLimit)
        list.removeLast();
    // Opening the cabinet already at the top writes nothing: the settings
    // file is written to disk, which costs more than reading the cabinet.
    if (list != before)
        QSettings().setValue(kKey, list);
}

void RecentCabinets::remove(const QString& file)
{
    QStringList list = files();
    list.removeAll(file);
    QSettings().setValue(kKey, list);
}

} // namespace boxmill
