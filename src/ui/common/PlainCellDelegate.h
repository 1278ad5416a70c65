// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QHash>
#include <QStaticText>
#include <QStyledItemDelegate>

class QAbstractItemView;

namespace boxmill {

// Paints a cell of plain text as the style would, but keeps the laid-out
// text of every entry it has drawn. The figure grids show the same few
// hundred entries edit after edit, and shaping their text again was most of
// the time an edit took to reach the screen. Cells with more than one line
// of plain text or an icon, or too narrow for their entry, are left to the
// style.
class PlainCellDelegate : public QStyledItemDelegate {
public:
    explicit PlainCellDelegate(QObject* parent = nullptr);

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    const QStaticText* laidOut(const QStyleOptionViewItem& option) const;
    void placeCheck(const QStyleOptionViewItem& cell) const;

    mutable QHash<QString, QStaticText> m_texts;
    mutable QHash<QString, QSize> m_checkSizes;
    mutable QFont m_font;
    mutable int m_checkHeight = -1;
    mutable QFont m_checkFont;
    mutable QRect m_checkPlace;
    mutable int m_checkTextLeft = 0;
};

// Gives `view` a plain-cell delegate of its own.
void UsePlainCells(QAbstractItemView* view);

} // namespace boxmill
