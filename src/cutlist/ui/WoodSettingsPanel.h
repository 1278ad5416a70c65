// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QGroupBox>

class QTableWidget;

namespace boxmill {

class SessionController;
struct WoodEditBoxes;

// "Wood Settings": the wood each part kind is cut from.
class WoodSettingsPanel : public QGroupBox {
    Q_OBJECT

public:
    WoodSettingsPanel(SessionController& controller, QWidget* parent = nullptr);

    void reload();
    // "Change Wood Settings": the wood of the boxes goes to the selected row.
    void assignWood(const WoodEditBoxes& boxes);
    QTableWidget* grid() const { return m_grid; }

signals:
    // A click on the grid hands the focus to the wood listing.
    void clicked();

private:
    SessionController& m_controller;
    QTableWidget* m_grid = nullptr;
};

} // namespace boxmill
