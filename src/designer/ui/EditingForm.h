// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

#include <functional>

class QLabel;
class QListWidget;

namespace boxmill {

class SessionController;

// "Cabinet Editing": single drawer boxes, drawer faces and door panels
// switched on and off. A part switched off keeps its opening and sizes but
// is neither drawn nor listed.
class TEditingForm : public QDialog {
    Q_OBJECT

public:
    TEditingForm(SessionController& controller, QWidget* parent = nullptr);

    void reload();
    QListWidget* drawerList() const { return m_drawer; }
    QListWidget* faceList() const { return m_face; }
    QListWidget* panelList() const { return m_panel; }
    int locatorSection() const { return m_section; }
    void nextSection();
    void backSection();

    void setSaveCommand(std::function<void()> save) { m_save = std::move(save); }

protected:
    void showEvent(QShowEvent* event) override;

private:
    QListWidget* makeList(const char* name, int firstOffset, int count, const QStringList& captions);
    void selectRows(int drawerRow, int panelRow);

    SessionController& m_controller;
    QListWidget* m_drawer = nullptr;
    QListWidget* m_face = nullptr;
    QListWidget* m_panel = nullptr;
    QLabel* m_sectionNumber = nullptr;
    int m_section = 1;
    std::function<void()> m_save;
};

} // namespace boxmill
