// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMainWindow>

class QAction;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace boxmill {

class CabinetSession;

// The program's home window. It shows the model and forwards the user's
// commands to the session; it keeps no cabinet state of its own.
class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    explicit MainWindow(CabinetSession& session, QWidget* parent = nullptr);

    // Fills every control from the model again: after start-up and after a
    // cabinet was replaced.
    void refreshFromModel();
    // Selects parameter `index` in the sorted list by its name.
    void selectParameterByPosition(int index);
    // The parameter the list has selected, by its Dims.dat position.
    int selectedParameter() const;

    QListWidget* parameterList() const { return m_parameterList; }
    QLineEdit* inchesEdit() const { return m_inches; }
    QLineEdit* fractionEdit() const { return m_fraction; }
    QPushButton* enterButton() const { return m_enter; }
    QLineEdit* cabinetStyle() const { return m_cabinetStyle; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildMenus();
    QWidget* buildDimensionSettings();
    QWidget* buildCabinetStyle();
    void applyUnitMode();
    void showSelectedParameter();
    void enterParameter();
    void afterFileCommand(bool cabinetReplaced);

    CabinetSession& m_session;
    QListWidget* m_parameterList = nullptr;
    QLineEdit* m_inches = nullptr;
    QLineEdit* m_fraction = nullptr;
    QLabel* m_millimetre = nullptr;
    QPushButton* m_enter = nullptr;
    QLineEdit* m_cabinetStyle = nullptr;
    QAction* m_saveCabinet = nullptr;
};

} // namespace boxmill
