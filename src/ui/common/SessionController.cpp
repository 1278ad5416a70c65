// SPDX-License-Identifier: GPL-3.0-or-later
#include "SessionController.h"

namespace boxmill {

SessionController::SessionController(CabinetSession& session, QObject* parent)
    : QObject(parent)
    , m_session(session)
{
    m_session.setListener([this](SessionEvent event) {
        if (event == SessionEvent::Restored)
            emit cabinetReplaced();
        emit layoutChanged();
        emit cabinetFileChanged();
        // The session rebuilt the figures the viewer, the cost and the
        // editor show.
        emit cutListChanged();
    });
}

SessionController::~SessionController()
{
    m_session.setListener({});
}

void SessionController::undo()
{
    m_session.undo();
}

void SessionController::redo()
{
    m_session.redo();
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

void SessionController::showDesignerSection(int section)
{
    m_session.designer.shownSection = section;
    announceDesignerSection();
}

void SessionController::announceDesignerSection()
{
    if (m_session.designer.shownSection == m_announcedSection)
        return;
    m_announcedSection = m_session.designer.shownSection;
    emit designerSectionChanged();
}

} // namespace boxmill
