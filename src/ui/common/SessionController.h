// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "session/CabinetSession.h"

#include <QObject>

namespace boxmill {

// The windows' view of the one cabinet session. Windows hand every edit to
// the session's edit commands (session/EditCommands.h); the session applies
// it, records it for Undo and announces it here, and every window redraws from the model, so no
// window keeps cabinet state of its own.
class SessionController : public QObject {
    Q_OBJECT

public:
    explicit SessionController(CabinetSession& session, QObject* parent = nullptr);
    ~SessionController() override;

    // What windows read.
    const CabinetSession& session() const { return m_session; }
    const CabinetModel& model() const { return m_session.model(); }
    // The session handed to a command (session/EditCommands.h and the
    // session's own): its state is private, so a command is the only way
    // to change it.
    CabinetSession& commands() { return m_session; }
    // The designer's view state, which its window changes freely.
    DesignerState& designerView() { return m_session.designerView(); }

    void undo();
    void redo();

    // A cabinet was loaded or the program data read again: refill everything.
    void announceCabinetReplaced();
    // The drawing scale changed: the layout is recalculated, not edited.
    void recalculate();
    // Asks the main window to select and show a parameter.
    void requestParameter(int index);
    // The file name, the saved state or the history changed.
    void announceCabinetFileChanged();
    // The designer's edit state changed what it shows, not the cabinet.
    void announceLayoutChanged();
    // A cut list was built: the viewer grid and the cost listing follow.
    void announceCutListChanged();
    // Makes `section` the designer's, which the construction views show,
    // whether or not the designer's window was ever opened.
    void showDesignerSection(int section);
    // Tells the windows when the designer's section is another than last
    // told, however it was changed.
    void announceDesignerSection();

signals:
    // Every change of the session, with what it touched; the signals below
    // follow from it, for windows that follow one kind of change.
    void changed(SessionChanges changes);
    // Every control reloads from the model (a new cabinet, Undo, Redo).
    void cabinetReplaced();
    void layoutChanged();
    void parameterRequested(int index);
    // The file name, the modified mark, or what Undo and Redo would do.
    void cabinetFileChanged();
    void cutListChanged();
    void designerSectionChanged();

private:
    void follow(SessionChanges changes);

    CabinetSession& m_session;
    int m_announcedSection = 1;
};

} // namespace boxmill
