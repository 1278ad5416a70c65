// SPDX-License-Identifier: GPL-3.0-or-later
#include "JustOpenedWindows.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>

namespace boxmill {

namespace {

// Dialogs and menus belong to the action that opened them.
bool PartOfAnAction(const QWidget* window)
{
    return window && (window->isModal() || window->windowType() == Qt::Popup);
}

bool IsPress(QEvent::Type type)
{
    switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::KeyPress:
    // A key that runs a shortcut is not delivered as a key press.
    case QEvent::ShortcutOverride:
    case QEvent::TouchBegin:
    case QEvent::TabletPress: return true;
    default: return false;
    }
}

} // namespace

JustOpenedWindows& JustOpenedWindows::of(QWidget* mainWindow)
{
    auto* found = mainWindow->findChild<JustOpenedWindows*>(QString(), Qt::FindDirectChildrenOnly);
    return found ? *found : *new JustOpenedWindows(mainWindow);
}

JustOpenedWindows::JustOpenedWindows(QWidget* mainWindow)
    : QObject(mainWindow)
    , m_mainWindow(mainWindow)
{
    // Presses anywhere tell where the user is; the tool windows' showing and
    // the main window's activation are seen on the way as well.
    QCoreApplication::instance()->installEventFilter(this);
}

void JustOpenedWindows::watch(QWidget* toolWindow)
{
    m_watched.append(toolWindow);
}

bool JustOpenedWindows::contains(const QWidget* toolWindow) const
{
    return toolWindow && m_opened.contains(toolWindow);
}

void JustOpenedWindows::userLeft()
{
    m_userActing = false;
    m_opened.clear();
}

bool JustOpenedWindows::eventFilter(QObject* watched, QEvent* event)
{
    if (IsPress(event->type()) && watched->isWidgetType()) {
        const QWidget* window = static_cast<QWidget*>(watched)->window();
        if (window == m_mainWindow)
            m_userActing = true;
        else if (!PartOfAnAction(window))
            userLeft();
    } else if (event->type() == QEvent::Show && m_userActing && watched->isWidgetType()) {
        auto* widget = static_cast<QWidget*>(watched);
        if (m_watched.contains(widget) && !m_opened.contains(widget))
            m_opened.append(widget);
    } else if (event->type() == QEvent::ActivationChange && watched == m_mainWindow &&
               !m_mainWindow->isActiveWindow() && !PartOfAnAction(QApplication::activeWindow())) {
        userLeft();
    }
    return QObject::eventFilter(watched, event);
}

} // namespace boxmill
