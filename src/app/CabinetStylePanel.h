// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QGroupBox>

class QCheckBox;
class QLineEdit;

namespace boxmill {

class SessionController;

// "Cabinet Style" (the cabinet's file name) and the cabinet-wide check boxes
// of "Cabinet Options Settings".
class CabinetStylePanel : public QWidget {
    Q_OBJECT

public:
    CabinetStylePanel(SessionController& controller, QWidget* parent = nullptr);

    void reload();
    void showCabinetName();
    QLineEdit* cabinetStyle() const { return m_cabinetStyle; }
    QCheckBox* detachedBase() const { return m_detachedBase; }
    QCheckBox* blindCorner() const { return m_blindCorner; }
    QCheckBox* adjustableShelves() const { return m_adjustableShelves; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    SessionController& m_controller;
    QLineEdit* m_cabinetStyle = nullptr;
    QCheckBox* m_detachedBase = nullptr;
    QCheckBox* m_blindCorner = nullptr;
    QCheckBox* m_adjustableShelves = nullptr;
};

} // namespace boxmill
