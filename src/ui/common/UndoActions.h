// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

class QAction;

namespace boxmill {

class SessionController;

// The Undo and Redo commands of a window: the standard shortcuts, the name
// of the edit they act on ("Undo Cabinet Width"), and enabled only when
// there is something to undo or redo. Every window that offers them uses
// this one pair of behaviours.
class UndoActions : public QObject {
    Q_OBJECT

public:
    UndoActions(SessionController& controller, QObject* parent);

    QAction* undo() const { return m_undo; }
    QAction* redo() const { return m_redo; }

private:
    void update();

    SessionController& m_controller;
    QAction* m_undo;
    QAction* m_redo;
};

} // namespace boxmill
