// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

namespace boxmill {

class CabinetSession;

// The windows' view of the one cabinet session. Commands change the model
// through the session and then announce what changed; every window listens
// and redraws from the model, so no window keeps cabinet state of its own.
class SessionController : public QObject {
    Q_OBJECT

public:
    explicit SessionController(CabinetSession& session, QObject* parent = nullptr);

    CabinetSession& session() { return m_session; }

    // A cabinet was loaded or the program data read again: refill everything.
    void announceCabinetReplaced();
    // Recalculates the layout and lets every drawing and grid follow.
    void recalculate();
    // After a size was entered: offsets are measured again first.
    void recalculateAfterEntry();
    // Asks the main window to select and show a parameter.
    void requestParameter(int index);
    void announceCabinetFileChanged();
    // The layout was recalculated elsewhere (by a designer command).
    void announceLayoutChanged();
    // A cut list was built: the viewer grid and the cost listing follow.
    void announceCutListChanged();

signals:
    void cabinetReplaced();
    void layoutChanged();
    void parameterRequested(int index);
    void cabinetFileChanged();
    void cutListChanged();

private:
    CabinetSession& m_session;
};

} // namespace boxmill
