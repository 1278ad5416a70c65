// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QGroupBox>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace boxmill {

class SessionController;

// "Dimension Settings": the parameters by name, and the entry of a value in
// inches and a fraction, or in millimetres.
class DimensionSettingsPanel : public QGroupBox {
    Q_OBJECT

public:
    DimensionSettingsPanel(SessionController& controller, QWidget* parent = nullptr);

    // Fills the list from the program data; the first fill selects the
    // first entry, later ones keep the parameter the user was looking at.
    void reload();
    void applyUnitMode();
    void selectParameterByPosition(int index);
    int selectedParameter() const;
    void enterParameter();

    QListWidget* parameterList() const { return m_parameterList; }
    QLineEdit* inchesEdit() const { return m_inches; }
    QLineEdit* fractionEdit() const { return m_fraction; }
    QPushButton* enterButton() const { return m_enter; }

private:
    void showSelectedParameter();

    SessionController& m_controller;
    QListWidget* m_parameterList = nullptr;
    QLineEdit* m_inches = nullptr;
    QLineEdit* m_fraction = nullptr;
    QLabel* m_millimetre = nullptr;
    QPushButton* m_enter = nullptr;
};

} // namespace boxmill
