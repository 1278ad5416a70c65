// SPDX-License-Identifier: GPL-3.0-or-later
#include "SessionController.h"

namespace boxmill {

SessionController::SessionController(CabinetSession& session, QObject* parent)
    : QObject(parent)
    , m_session(session)
{
    m_session.setListener([this](SessionChanges changes) { follow(changes); });
}

void SessionController::follow(SessionChanges changes)
{
    if (changes.has(SessionChange::Replaced))
        emit cabinetReplaced();
    if (changes.has(SessionChange::Layout))
        emit layoutChanged();
    if (changes.has(SessionChange::History))
        emit cabinetFileChanged();
    if (changes.has(SessionChange::CutLists))
        emit cutListChanged();
    if (changes.has(SessionChange::DesignerSection))
        announceDesignerSection();
    emit changed(changes);
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
    follow(SessionChanges::all());
}

void SessionController::recalculate()
{
    m_session.recalculate();
    follow(SessionChange::Layout);
}

void SessionController::requestParameter(int index)
{
    emit parameterRequested(index);
}

void SessionController::announceCabinetFileChanged()
{
    follow(SessionChange::History);
}

void SessionController::announceLayoutChanged()
{
    follow(SessionChange::Layout);
}

void SessionController::announceCutListChanged()
{
    follow(SessionChange::CutLists);
}

void SessionController::showDesignerSection(int section)
{
    m_session.showDesignerSection(section);
}

void SessionController::announceDesignerSection()
{
    if (m_session.designer().shownSection == m_announcedSection)
        return;
    m_announcedSection = m_session.designer().shownSection;
    emit designerSectionChanged();
}

} // namespace boxmill
