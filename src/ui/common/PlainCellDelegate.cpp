// SPDX-License-Identifier: GPL-3.0-or-later
#include "PlainCellDelegate.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QPainter>

#include <cmath>

namespace boxmill {

namespace {

// Enough for every entry of every grid of a cabinet many times over; a
// cache that outgrows it starts again.
constexpr qsizetype kMostTexts = 4096;

// Text, perhaps after a check box; wrapping does not matter to an entry
// that fits its cell.
bool Plain(const QStyleOptionViewItem& option)
{
    return (option.features & QStyleOptionViewItem::HasDisplay) &&
           !(option.features & QStyleOptionViewItem::HasDecoration);
}

bool Checkable(const QStyleOptionViewItem& option)
{
    return option.features & QStyleOptionViewItem::HasCheckIndicator;
}

const QStyle* StyleOf(const QStyleOptionViewItem& option)
{
    return option.widget ? option.widget->style() : QApplication::style();
}

// The room the style leaves either side of an entry.
int TextMargin(const QStyleOptionViewItem& option)
{
    return StyleOf(option)->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, option.widget) + 1;
}

} // namespace

PlainCellDelegate::PlainCellDelegate(QObject* parent)
    : QStyledItemDelegate(parent)
{
}

const QStaticText* PlainCellDelegate::laidOut(const QStyleOptionViewItem& option) const
{
    if (!Plain(option) || option.text.contains(QLatin1Char('\n')))
        return nullptr;
    if (option.font != m_font || m_texts.size() > kMostTexts) {
        m_texts.clear();
        m_checkSizes.clear();
        m_font = option.font;
    }
    auto found = m_texts.find(option.text);
    if (found == m_texts.end()) {
        QStaticText text(option.text);
        text.setTextFormat(Qt::PlainText);
        text.prepare(QTransform(), option.font);
        found = m_texts.insert(option.text, text);
    }
    return &found.value();
}

void PlainCellDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    QStyleOptionViewItem cell = option;
    initStyleOption(&cell, index);
    const QStaticText* text = laidOut(cell);
    const int margin = TextMargin(cell);
    QRect room = cell.rect.adjusted(margin, 0, -margin, 0);
    if (text && Checkable(cell)) {
        placeCheck(cell);
        room.setLeft(cell.rect.left() + m_checkTextLeft + margin);
    }
    if (!text || std::ceil(text->size().width()) > room.width()) {
        QStyledItemDelegate::paint(painter, option, index);
        return;
    }
    // The style draws a cell's selection, hover, focus or own background;
    // a plain cell is the view's base, which is painted already. The entry
    // goes on top in the colour the style would have given it.
    constexpr auto kMarked = QStyle::State_Selected | QStyle::State_MouseOver | QStyle::State_HasFocus;
    if ((cell.state & kMarked) || cell.backgroundBrush.style() != Qt::NoBrush) {
        cell.text.clear();
        StyleOf(cell)->drawControl(QStyle::CE_ItemViewItem, &cell, painter, cell.widget);
    } else if (Checkable(cell)) {
        QStyleOptionViewItem check = cell;
        check.rect = m_checkPlace.translated(cell.rect.topLeft());
        check.state &= ~QStyle::State_HasFocus;
        check.state |= cell.checkState == Qt::Checked     ? QStyle::State_On
                       : cell.checkState == Qt::Unchecked ? QStyle::State_Off
                                                          : QStyle::State_NoChange;
        StyleOf(cell)->drawPrimitive(QStyle::PE_IndicatorItemViewItemCheck, &check, painter, cell.widget);
    }

    const QSizeF size = text->size();
    const Qt::Alignment align = QStyle::visualAlignment(cell.direction, cell.displayAlignment);
    double x = room.left();
    if (align & Qt::AlignRight)
        x = room.right() + 1 - size.width();
    else if (align & Qt::AlignHCenter)
        x = room.left() + (room.width() - size.width()) / 2;
    double y = room.top() + (room.height() - size.height()) / 2;
    if (align & Qt::AlignTop)
        y = room.top();
    else if (align & Qt::AlignBottom)
        y = room.bottom() + 1 - size.height();

    const QPalette::ColorGroup group = !(cell.state & QStyle::State_Enabled) ? QPalette::Disabled
                                       : (cell.state & QStyle::State_Active) ? QPalette::Normal
                                                                             : QPalette::Inactive;
    const QPalette::ColorRole role = (cell.state & QStyle::State_Selected) ? QPalette::HighlightedText : QPalette::Text;
    painter->save();
    painter->setFont(cell.font);
    painter->setPen(cell.palette.color(group, role));
    painter->setClipRect(cell.rect, Qt::IntersectClip);
    painter->drawStaticText(QPointF(std::round(x), std::round(y)), *text);
    painter->restore();
}

void PlainCellDelegate::placeCheck(const QStyleOptionViewItem& cell) const
{
    // Where the style puts the check box and the entry depends on the row's
    // height, not on the entry: asked once, not for every row painted.
    if (m_checkHeight == cell.rect.height() && m_checkFont == cell.font)
        return;
    QStyleOptionViewItem atOrigin = cell;
    atOrigin.rect.moveTo(0, 0);
    const QStyle* style = StyleOf(cell);
    m_checkPlace = style->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &atOrigin, cell.widget);
    m_checkTextLeft = style->subElementRect(QStyle::SE_ItemViewItemText, &atOrigin, cell.widget).left();
    m_checkHeight = cell.rect.height();
    m_checkFont = cell.font;
}

QSize PlainCellDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    QStyleOptionViewItem cell = option;
    initStyleOption(&cell, index);
    const QStaticText* text = laidOut(cell);
    if (!text)
        return QStyledItemDelegate::sizeHint(option, index);
    // A check list lays all its rows out again whenever a check changes;
    // the style's answer for an entry does not change with the check.
    if (Checkable(cell)) {
        auto found = m_checkSizes.find(cell.text);
        if (found == m_checkSizes.end())
            found = m_checkSizes.insert(cell.text, QStyledItemDelegate::sizeHint(option, index));
        return found.value();
    }
    const QSizeF size = text->size();
    return {static_cast<int>(std::ceil(size.width())) + 2 * TextMargin(cell),
            std::max(static_cast<int>(std::ceil(size.height())), cell.fontMetrics.height())};
}

void UsePlainCells(QAbstractItemView* view)
{
    view->setItemDelegate(new PlainCellDelegate(view));
}

} // namespace boxmill
