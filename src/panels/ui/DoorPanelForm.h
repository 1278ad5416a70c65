// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/PanelStyle.h"

#include <QMainWindow>
#include <QPoint>

#include <array>
#include <functional>
#include <optional>

class QAbstractButton;
class QCheckBox;
class QGroupBox;
class QLineEdit;
class QRadioButton;

namespace boxmill {

class PanelDesigner;
class SessionController;

// What the window asks of the main window.
struct PanelDesignerCommands {
    // "Door Construction View".
    std::function<void()> doorView;
    // Where the window opens: the designer's top-left corner while it is on
    // screen.
    std::function<std::optional<QPoint>()> corner;
};

// Runs a file command of the panel designer, from the window or the main
// menu, and lets every window know what it changed: the cabinet's modified
// mark follows the style, the window's name box and Save button the file.
void RunPanelCommand(SessionController& controller, PanelDesigner& designer, bool (PanelDesigner::*command)());

// "Raised Panel Designer": the raised panel style of every section's doors,
// as the cabinet holds it, with the commands of its panel files. The
// controls mirror the model; every click is an edit of the cabinet.
class TDoorPanelForm : public QMainWindow {
    Q_OBJECT

public:
    TDoorPanelForm(SessionController& controller, PanelDesigner& designer, PanelDesignerCommands commands,
                   QWidget* parent = nullptr);

    // Shows the window where the designer is, with every control reloaded.
    void openDesigner();
    // Sets every control, its enabled state, the file name and the Save
    // button from the model and the panel file.
    void reload();

    QCheckBox* panelsOffset(Opening group) const { return m_offsets[index(group)]; }
    QCheckBox* doublePanel(Opening group, int s) const { return section(group, s).doublePanel; }
    QCheckBox* negativeOffset(Opening group, int s) const { return section(group, s).negativeOffset; }
    QRadioButton* horizontal(Opening group, int s) const { return section(group, s).horizontal; }
    QRadioButton* vertical(Opening group, int s) const { return section(group, s).vertical; }
    QLineEdit* panelStyleBox() const { return m_panelStyle; }
    QAction* savePanelButton() const { return m_savePanel; }

protected:
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct SectionControls {
        QCheckBox* doublePanel = nullptr;
        QCheckBox* negativeOffset = nullptr;
        QRadioButton* horizontal = nullptr;
        QRadioButton* vertical = nullptr;
    };

    static std::size_t index(Opening group) { return group == Opening::Upper ? 1 : 0; }
    const SectionControls& section(Opening group, int s) const
    {
        return m_sections[index(group)][static_cast<std::size_t>(s)];
    }
    void buildToolBar();
    QGroupBox* buildGroup(Opening group);
    QGroupBox* buildSection(Opening group, int s, QWidget* parent);
    void connectControl(QAbstractButton* button, Opening group, int s, PanelControl control);
    void run(bool (PanelDesigner::*command)()) { RunPanelCommand(m_controller, m_designer, command); }

    SessionController& m_controller;
    PanelDesigner& m_designer;
    PanelDesignerCommands m_commands;
    std::array<QCheckBox*, 2> m_offsets {};
    std::array<std::array<SectionControls, kSections>, 2> m_sections {};
    QLineEdit* m_panelStyle = nullptr;
    QAction* m_savePanel = nullptr;
};

} // namespace boxmill
