// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QGroupBox>

#include <string>

class QLineEdit;
class QTableWidget;

namespace boxmill {

class CabinetRecord;
class CabinetSession;
class SessionController;

// "Cost/SqFt Calculator": the wood cost of the last cut list, the labour
// and the job total.
class CostCalculatorPanel : public QGroupBox {
    Q_OBJECT

public:
    CostCalculatorPanel(SessionController& controller, QWidget* parent = nullptr);

    // The labour boxes come from the cabinet; the listing from the last cut
    // list.
    void reload();
    void showCost();
    void applyUnitMode();

    QTableWidget* grid() const { return m_grid; }
    QLineEdit* hours() const { return m_hours; }
    QLineEdit* cost() const { return m_cost; }
    QLineEdit* jobTotal() const { return m_jobTotal; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    using LabourEdit = bool (*)(CabinetSession&, const std::string&);
    void fitColumns();
    void labourTyped(const QString& text, bool usable, LabourEdit edit);
    void labourFinished(QLineEdit* box, std::string (CabinetRecord::*stored)() const, LabourEdit edit);
    void showJobTotal();

    SessionController& m_controller;
    QTableWidget* m_grid = nullptr;
    QLineEdit* m_hours = nullptr;
    QLineEdit* m_cost = nullptr;
    QLineEdit* m_jobTotal = nullptr;
};

} // namespace boxmill
