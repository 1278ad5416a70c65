// SPDX-License-Identifier: GPL-3.0-or-later
#include "HelpRequests.h"

#include "paint/QtText.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QMouseEvent>
#include <QStringList>

namespace boxmill {

namespace {

constexpr const char* kHelpKey = "boxmillHelpKey";
constexpr const char* kGridKeys = "boxmillGridHelpKeys";
constexpr const char* kGridByRow = "boxmillGridHelpByRow";

} // namespace

void SetHelpKey(QWidget* control, std::string_view key)
{
    control->setProperty(kHelpKey, ToQt(key));
}

void SetGridHelpKeys(QAbstractItemView* grid, HelpBy by, std::span<const std::string_view> keys)
{
    QStringList list;
    for (const std::string_view key : keys)
        list.append(ToQt(key));
    grid->setProperty(kGridKeys, list);
    grid->setProperty(kGridByRow, by == HelpBy::Row);
}

void SetGridHelpKeys(QAbstractItemView* grid, HelpBy by, std::initializer_list<std::string_view> keys)
{
    SetGridHelpKeys(grid, by, std::span(keys.begin(), keys.size()));
}

std::optional<QString> HelpKeyForDoubleClick(const QObject* receiver)
{
    if (receiver == nullptr)
        return std::nullopt;
    const QVariant key = receiver->property(kHelpKey);
    if (key.isValid())
        return key.toString();
    // A grid's cells are drawn on its viewport, which gets the clicks.
    const auto* grid = qobject_cast<const QAbstractItemView*>(receiver->parent());
    if (grid == nullptr || grid->viewport() != receiver || !grid->property(kGridKeys).isValid())
        return std::nullopt;
    const QStringList keys = grid->property(kGridKeys).toStringList();
    const QModelIndex cell = grid->currentIndex();
    const int position = grid->property(kGridByRow).toBool() ? cell.row() : cell.column();
    if (!cell.isValid() || position < 0 || position >= keys.size())
        return QString();
    return keys.at(position);
}

HelpRequests::HelpRequests(QObject* parent)
    : QObject(parent)
{
    qApp->installEventFilter(this);
}

bool HelpRequests::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::MouseButtonDblClick)
        return false;
    const auto* click = static_cast<const QMouseEvent*>(event);
    if (click->button() != Qt::LeftButton)
        return false;
    const bool passedUp = click->timestamp() == m_handledTime && m_handled && watched->isWidgetType() &&
                          static_cast<QWidget*>(watched)->isAncestorOf(qobject_cast<QWidget*>(m_handled.data()));
    if (passedUp)
        return false;
    if (const auto key = HelpKeyForDoubleClick(watched)) {
        m_handled = watched;
        m_handledTime = click->timestamp();
        emit requested(*key);
    }
    return false;
}

} // namespace boxmill
