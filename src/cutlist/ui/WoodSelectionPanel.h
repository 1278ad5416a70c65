// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cutlist/WoodEditBoxes.h"
#include "cutlist/WoodListingEditor.h"

#include <QGroupBox>

#include <functional>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace boxmill {

class SessionController;

// "Wood Selection Editor": the shop's wood listing, kept in Wood.dat, and
// the four boxes that describe one wood.
class WoodSelectionPanel : public QGroupBox {
    Q_OBJECT

public:
    WoodSelectionPanel(SessionController& controller, QWidget* parent = nullptr);

    void reload();
    void applyUnitMode();
    WoodEditBoxes boxes() const;
    void deleteSelected();

    QListWidget* woodList() const { return m_list; }
    QLineEdit* woodType() const { return m_woodType; }
    QLineEdit* inchThick() const { return m_inchThick; }
    QLineEdit* fracThick() const { return m_fracThick; }
    QLineEdit* costSft() const { return m_costSft; }
    QPushButton* addButton() const { return m_add; }
    QPushButton* changeButton() const { return m_change; }
    QPushButton* selectWoodButton() const { return m_selectWood; }

    // "Change Wood Settings" gives this wood to the part row chosen in the
    // wood settings grid, which the main window connects here.
    void setSelectWoodCommand(std::function<void()> command) { m_selectWoodCommand = std::move(command); }

private:
    void fillBoxesFromSelection();
    void showList(std::optional<int> selected);
    std::optional<int> selectedRow() const;

    SessionController& m_controller;
    QListWidget* m_list = nullptr;
    QLineEdit* m_woodType = nullptr;
    QLineEdit* m_inchThick = nullptr;
    QLineEdit* m_fracThick = nullptr;
    QLineEdit* m_costSft = nullptr;
    QLabel* m_millimetre = nullptr;
    QLabel* m_lumberCost = nullptr;
    QPushButton* m_add = nullptr;
    QPushButton* m_change = nullptr;
    QPushButton* m_selectWood = nullptr;
    std::function<void()> m_selectWoodCommand;
};

} // namespace boxmill
