// SPDX-License-Identifier: GPL-3.0-or-later
#include "SessionController.h"

#include "core/CabinetSession.h"

namespace boxmill {

SessionController::SessionController(CabinetSession& session, QObject* parent)
    : QObject(parent)
    , m_session(session)
{
}

void SessionController::announceCabinetReplaced()
{
    emit cabinetReplaced();
    emit layoutChanged();
    emit cabinetFileChanged();
    emit cutListChanged();
}

void SessionController::recalculate()
{
    m_session.recalculate();
    emit layoutChanged();
}

void SessionController::recalculateAfterEntry()
{
    m_session.recalculateAfterEntry();
    emit layoutChanged();
}

void SessionController::requestParameter(int index)
{
    emit parameterRequested(index);
}

void SessionController::announceCabinetFileChanged()
{
    emit cabinetFileChanged();
}

void SessionController::announceLayoutChanged()
{
    emit layoutChanged();
}

void SessionController::announceCutListChanged()
{
    emit cutListChanged();
}

} // namespace boxmill
