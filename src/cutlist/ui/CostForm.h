// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cutlist/CutListBuild.h"

#include <QDialog>

#include <functional>

class QTableWidget;

namespace boxmill {

class SessionController;

// "Wood Estimator": what each part kind of the last cut list costs.
class TCostForm : public QDialog {
    Q_OBJECT

public:
    TCostForm(SessionController& controller, QWidget* parent = nullptr);

    // A button's cut list; the main window builds it.
    void setListCommand(std::function<void(CutListKind)> command) { m_listCommand = std::move(command); }
    void refill();
    void applyUnitMode();
    QTableWidget* costGrid() const { return m_costData; }
    QTableWidget* totalsGrid() const { return m_totals; }

private:
    SessionController& m_controller;
    QTableWidget* m_costData = nullptr;
    QTableWidget* m_totals = nullptr;
    std::function<void(CutListKind)> m_listCommand;
};

} // namespace boxmill
