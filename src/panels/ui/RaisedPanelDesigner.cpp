// SPDX-License-Identifier: GPL-3.0-or-later
#include "RaisedPanelDesigner.h"

#include "ui/common/SessionController.h"

#include "session/PanelDesigner.h"

namespace boxmill {

RaisedPanelDesigner::RaisedPanelDesigner(SessionController& controller, PanelDesignerCommands commands,
                                         QWidget* mainWindow)
    : QObject(mainWindow)
    , m_controller(controller)
    , m_commands(std::move(commands))
    , m_mainWindow(mainWindow)
    , m_designer(std::make_unique<PanelDesigner>(controller.commands()))
{
}

RaisedPanelDesigner::~RaisedPanelDesigner() = default;

TDoorPanelForm* RaisedPanelDesigner::show()
{
    if (!m_window) {
        m_window = new TDoorPanelForm(m_controller, *m_designer, m_commands, m_mainWindow);
        if (m_made)
            m_made(m_window);
    }
    m_window->openDesigner();
    return m_window;
}

void RaisedPanelDesigner::newPanel()
{
    RunPanelCommand(m_controller, *m_designer, &PanelDesigner::newPanel);
}

void RaisedPanelDesigner::openPanelLibrary()
{
    RunPanelCommand(m_controller, *m_designer, &PanelDesigner::openPanelLibrary);
}

void RaisedPanelDesigner::savePanel()
{
    RunPanelCommand(m_controller, *m_designer, &PanelDesigner::savePanel);
}

void RaisedPanelDesigner::savePanelAs()
{
    RunPanelCommand(m_controller, *m_designer, &PanelDesigner::savePanelAs);
}

} // namespace boxmill
