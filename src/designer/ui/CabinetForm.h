// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "designer/DesignerState.h"

#include <QMainWindow>

#include <array>
#include <functional>
#include <string>
#include <vector>

class QAbstractButton;
class QComboBox;
class QLabel;
class QPushButton;
class QTableWidget;
class QToolButton;

namespace boxmill {

class FaceCanvas;
class SessionController;
struct DesignerEffect;
struct DesignerView;
struct FrontDimensionRow;

// Commands of the designer's tool bar that belong to the main window.
struct DesignerCommands {
    std::function<void()> saveToLibrary;
    std::function<void()> saveCabinetAs;
    std::function<void()> sendToCutList;
    std::function<void()> cabinetOptions;
    // The construction views.
    std::function<void()> drawerView;
    std::function<void()> doorView;
    std::function<void()> faceView;
    std::function<void()> shellView;
    std::function<void()> sideView;
    std::function<void()> topView;
};

// "Cabinet Designer": the cabinet's face, the section editor and the sizes
// of the shown section's parts.
class TCabinetForm : public QMainWindow {
    Q_OBJECT

public:
    TCabinetForm(SessionController& controller, DesignerCommands commands, QWidget* parent = nullptr);

    // Opening from the main window: no mode chosen, prompt "Not Selected".
    void openDesigner();
    // Draws everything again from the model.
    void refreshDesigner();

    const DesignerState& state() const { return m_state; }
    FaceCanvas* canvas() const { return m_canvas; }
    QTableWidget* frontDimensions() const { return m_frontDimensions; }
    QAbstractButton* modeButton(ModeButton button) const;
    QComboBox* dataInput() const { return m_dataInput; }
    QPushButton* enterButton() const { return m_enter; }
    QLabel* functionName() const { return m_functionName; }
    QLabel* sectionNumber() const { return m_sectionNumber; }
    QLabel* statusPanel(int index) const { return m_status[static_cast<std::size_t>(index)]; }

    // The section editor's commands, as its buttons run them.
    void chooseMode(ModeButton button);
    void enter();
    // Runs a section editor command as one edit of the cabinet, named for
    // Undo.
    void runEdit(const std::string& name, DesignerEffect (*command)(class SectionEditor&));

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildToolBar();
    void exportDrawing();
    QWidget* buildSectionEditor(QWidget* parent);
    QWidget* buildFrontDimensions(QWidget* parent);
    void apply(const DesignerEffect& effect);
    class DesignerControls controls();
    void showView(const DesignerView& view);
    void fitToDrawing();
    void showEditState();
    void showFrontDimensions(const std::vector<FrontDimensionRow>& rows);

    SessionController& m_controller;
    DesignerCommands m_commands;
    // The session's: the views read the section too.
    DesignerState& m_state;
    FaceCanvas* m_canvas = nullptr;
    QWidget* m_sidePanel = nullptr;
    std::array<QToolButton*, 6> m_modeButtons {};
    QComboBox* m_dataInput = nullptr;
    QPushButton* m_enter = nullptr;
    QLabel* m_functionName = nullptr;
    QLabel* m_sectionNumber = nullptr;
    QLabel* m_sectionNumber1 = nullptr;
    QPushButton* m_addSpace = nullptr;
    QPushButton* m_partitionUp = nullptr;
    QPushButton* m_partitionDown = nullptr;
    QTableWidget* m_frontDimensions = nullptr;
    std::array<QLabel*, 4> m_status {};
};

} // namespace boxmill
