// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

namespace boxmill {

// The cabinets last opened or saved, newest first, kept in the user's
// settings so that the Files menu offers them in the next run too.
class RecentCabinets {
public:
    static constexpr int kLimit = 8;

    QStringList files() const;
    void add(const QString& file);
    void remove(const QString& file);
};

} // namespace boxmill
