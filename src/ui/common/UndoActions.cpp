// SPDX-License-Identifier: GPL-3.0-or-later
#include "UndoActions.h"

#include "SessionController.h"
#include "ToolIcons.h"
#include "paint/QtText.h"

#include <QAction>
#include <QKeySequence>

namespace boxmill {

UndoActions::UndoActions(SessionController& controller, QObject* parent)
    : QObject(parent)
    , m_controller(controller)
    , m_undo(new QAction(ToolIcon(ToolGlyph::Undo), QStringLiteral("Undo"), parent))
    , m_redo(new QAction(ToolIcon(ToolGlyph::Redo), QStringLiteral("Redo"), parent))
{
    m_undo->setObjectName(QStringLiteral("Undo"));
    m_redo->setObjectName(QStringLiteral("Redo"));
    m_undo->setShortcut(QKeySequence::Undo);
    // Ctrl+Shift+Z is the redo key of every desktop here, whatever the
    // platform theme lists for Redo.
    QList<QKeySequence> redoKeys = QKeySequence::keyBindings(QKeySequence::Redo);
    const QKeySequence shiftZ(Qt::CTRL | Qt::SHIFT | Qt::Key_Z);
    if (!redoKeys.contains(shiftZ))
        redoKeys.append(shiftZ);
    m_redo->setShortcuts(redoKeys);
    // Each window's pair acts only while that window is active, so the main
    // window and the designer never fight over the same keys.
    m_undo->setShortcutContext(Qt::WindowShortcut);
    m_redo->setShortcutContext(Qt::WindowShortcut);
    connect(m_undo, &QAction::triggered, &m_controller, &SessionController::undo);
    connect(m_redo, &QAction::triggered, &m_controller, &SessionController::redo);
    connect(&m_controller, &SessionController::cabinetFileChanged, this, &UndoActions::update);
    update();
}

void UndoActions::update()
{
    const CabinetSession& session = m_controller.session();
    const auto named = [](const char* verb, const std::string& edit) {
        return edit.empty() ? QString::fromLatin1(verb) : QString::fromLatin1(verb) + u' ' + ToQt(edit);
    };
    m_undo->setText(named("Undo", session.undoName()));
    m_redo->setText(named("Redo", session.redoName()));
    m_undo->setToolTip(m_undo->text());
    m_redo->setToolTip(m_redo->text());
    m_undo->setEnabled(session.canUndo());
    m_redo->setEnabled(session.canRedo());
}

} // namespace boxmill
