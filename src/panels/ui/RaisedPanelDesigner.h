// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "DoorPanelForm.h"

#include <QObject>

#include <memory>

namespace boxmill {

class PanelDesigner;

// The raised panel designer of a main window: its panel file, which the
// main menu's entries use whether or not the window was ever opened, and
// the window itself, made when first shown.
class RaisedPanelDesigner : public QObject {
    Q_OBJECT

public:
    RaisedPanelDesigner(SessionController& controller, PanelDesignerCommands commands, QWidget* mainWindow);
    ~RaisedPanelDesigner() override;

    // Told of the window when it is made, so that the main window can keep
    // it within the screen.
    void setWindowMade(std::function<void(QWidget*)> made) { m_made = std::move(made); }

    // "Raised Panel Designer".
    TDoorPanelForm* show();
    // The window, or null while it was never shown.
    TDoorPanelForm* window() const { return m_window; }
    PanelDesigner& designer() { return *m_designer; }

    // The main menu's entries, as the window's tool bar runs them.
    void newPanel();
    void openPanelLibrary();
    void savePanel();
    void savePanelAs();

private:
    SessionController& m_controller;
    PanelDesignerCommands m_commands;
    QWidget* m_mainWindow;
    std::unique_ptr<PanelDesigner> m_designer;
    TDoorPanelForm* m_window = nullptr;
    std::function<void(QWidget*)> m_made;
};

} // namespace boxmill
