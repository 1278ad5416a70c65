// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ViewWindow.h"

#include "views/ViewState.h"

namespace boxmill {

// "Front/Shell Construction View": the carcass from the front over every
// section. Its section is the designer's: "Next Section" moves both.
class TShellViewForm : public ViewWindow {
    Q_OBJECT

public:
    TShellViewForm(SessionController& controller, const ViewCommands& commands, QWidget* parent = nullptr);

    QLabel* sectionNumber() const { return m_section; }
    void nextSection();

protected:
    ConstructionView draw() override;
    void showState() override;

private:
    int section() const;

    QLabel* m_section = nullptr;
};

// "Side Construction View": the right side seen from the right.
class TSideViewForm : public ViewWindow {
    Q_OBJECT

public:
    TSideViewForm(SessionController& controller, const ViewCommands& commands, QWidget* parent = nullptr);

protected:
    ConstructionView draw() override;
};

// "Top Construction View": the carcass in plan.
class TTopForm : public ViewWindow {
    Q_OBJECT

public:
    TTopForm(SessionController& controller, const ViewCommands& commands, QWidget* parent = nullptr);

protected:
    ConstructionView draw() override;
};

// "Face Frame Construction": the frame members, listed for the shown
// section or the whole cabinet. It opens on the designer's section.
class TFaceForm : public ViewWindow {
    Q_OBJECT

public:
    TFaceForm(SessionController& controller, const ViewCommands& commands, QWidget* parent = nullptr);

    const FaceViewState& state() const { return m_state; }
    QLabel* sectionNumber() const { return m_section; }

protected:
    ConstructionView draw() override;
    void showState() override;
    void goToSection(int section) override;

private:
    FaceViewState m_state;
    QLabel* m_section = nullptr;
};

// "Door Construction View": the doors of one opening of one section. It
// opens on the designer's section, and every showing starts on the lower
// opening.
class TPanelForm : public ViewWindow {
    Q_OBJECT

public:
    TPanelForm(SessionController& controller, const ViewCommands& commands, QWidget* parent = nullptr);

    const DoorViewState& state() const { return m_state; }
    QLabel* sectionNumber() const { return m_section; }
    QLabel* panelStatus() const { return m_opening; }

protected:
    ConstructionView draw() override;
    void showState() override;
    void startShowing() override;
    void goToSection(int section) override;

private:
    DoorViewState m_state;
    QLabel* m_section = nullptr;
    QLabel* m_opening = nullptr;
};

// "Drawer Construction View": one drawer in plan and in elevation. It
// opens on the designer's section, and every showing starts on its first
// drawer.
class TDrawerForm : public ViewWindow {
    Q_OBJECT

public:
    TDrawerForm(SessionController& controller, const ViewCommands& commands, QWidget* parent = nullptr);

    const DrawerViewState& state() const { return m_state; }
    QLabel* sectionNumber() const { return m_section; }
    QLabel* drawerNumber() const { return m_drawer; }

protected:
    ConstructionView draw() override;
    void showState() override;
    void startShowing() override;
    void goToSection(int section) override;

private:
    DrawerViewState m_state;
    QLabel* m_section = nullptr;
    QLabel* m_drawer = nullptr;
};

} // namespace boxmill
