// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QGroupBox>

class QTableWidget;

namespace boxmill {

class SessionController;

// "Cutlist Viewer": the boards of the last cut list with their quantities.
class CutlistViewerPanel : public QGroupBox {
    Q_OBJECT

public:
    CutlistViewerPanel(SessionController& controller, QWidget* parent = nullptr);

    void showGrid();
    QTableWidget* grid() const { return m_grid; }

private:
    void fitColumns();

    SessionController& m_controller;
    QTableWidget* m_grid = nullptr;
};

} // namespace boxmill
