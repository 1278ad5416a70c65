// SPDX-License-Identifier: GPL-3.0-or-later
#include "ConstructionViews.h"

#include "ViewForms.h"

namespace boxmill {

ConstructionViews::ConstructionViews(SessionController& controller, ViewCommands commands, QWidget* mainWindow)
    : QObject(mainWindow)
    , m_controller(controller)
    , m_commands(std::move(commands))
    , m_mainWindow(mainWindow)
{
}

ViewWindow* ConstructionViews::make(ViewKind kind)
{
    switch (kind) {
    case ViewKind::Shell: return new TShellViewForm(m_controller, m_commands, m_mainWindow);
    case ViewKind::Side: return new TSideViewForm(m_controller, m_commands, m_mainWindow);
    case ViewKind::Top: return new TTopForm(m_controller, m_commands, m_mainWindow);
    case ViewKind::Face: return new TFaceForm(m_controller, m_commands, m_mainWindow);
    case ViewKind::Door: return new TPanelForm(m_controller, m_commands, m_mainWindow);
    case ViewKind::Drawer: return new TDrawerForm(m_controller, m_commands, m_mainWindow);
    }
    return nullptr;
}

ViewWindow* ConstructionViews::open(ViewKind kind)
{
    ViewWindow*& window = m_windows[static_cast<std::size_t>(kind)];
    if (!window) {
        window = make(kind);
        if (m_made)
            m_made(window);
    }
    window->open(m_corner ? m_corner() : std::nullopt);
    return window;
}

} // namespace boxmill
