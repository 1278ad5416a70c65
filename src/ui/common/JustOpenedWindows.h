// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QObject>
#include <QPointer>

class QWidget;

namespace boxmill {

// The tool windows a user has just opened from a main window, which the
// main window's next activation must leave open even though that
// activation closes the others.
//
// The window system may activate the main window only after a command
// there has opened a tool window: the activation that follows a dialog's
// closing, or the click itself, arrives late. That activation is not the
// user coming back to the main window. So a tool window shown while the
// user acts in the main window (its last press of a key or button went
// there, or to a dialog or menu of that action) counts as just opened until
// the main window loses the focus to a window that is not such a dialog or
// menu, or the user presses a key or button in such a window.
class JustOpenedWindows : public QObject {
    Q_OBJECT

public:
    // The one watching `mainWindow`, made at the first call.
    static JustOpenedWindows& of(QWidget* mainWindow);

    void watch(QWidget* toolWindow);
    bool contains(const QWidget* toolWindow) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit JustOpenedWindows(QWidget* mainWindow);
    void userLeft();

    QWidget* m_mainWindow;
    bool m_userActing = false;
    QList<QPointer<QWidget>> m_watched;
    QList<QPointer<QWidget>> m_opened;
};

} // namespace boxmill
