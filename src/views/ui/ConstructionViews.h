// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ViewWindow.h"

#include <QObject>
#include <QPoint>

#include <array>
#include <functional>
#include <optional>

class QWidget;

namespace boxmill {

class SessionController;

enum class ViewKind { Shell, Side, Top, Face, Door, Drawer };

// The six construction view windows of a main window. Each is made the
// first time it is opened, which keeps them out of the program's start,
// and then lives as long as the main window, shown and hidden.
class ConstructionViews : public QObject {
    Q_OBJECT

public:
    ConstructionViews(SessionController& controller, ViewCommands commands, QWidget* mainWindow);

    // Where a view opens: the designer's top-left corner while it is on
    // screen; elsewhere a view keeps its own place.
    void setCorner(std::function<std::optional<QPoint>()> corner) { m_corner = std::move(corner); }
    // Told of every window made, so that the main window can keep it within
    // the screen.
    void setWindowMade(std::function<void(QWidget*)> made) { m_made = std::move(made); }

    ViewWindow* open(ViewKind kind);
    // The window, or null while it was never opened.
    ViewWindow* window(ViewKind kind) const { return m_windows[static_cast<std::size_t>(kind)]; }

private:
    ViewWindow* make(ViewKind kind);

    SessionController& m_controller;
    ViewCommands m_commands;
    QWidget* m_mainWindow;
    std::function<std::optional<QPoint>()> m_corner;
    std::function<void(QWidget*)> m_made;
    std::array<ViewWindow*, 6> m_windows {};
};

} // namespace boxmill
