// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QGroupBox>

#include <functional>

class QListWidget;
class QListWidgetItem;

namespace boxmill {

class SessionController;

// "Cabinet Editing": which kinds of parts the cabinet has.
class IncludePartsPanel : public QGroupBox {
    Q_OBJECT

public:
    IncludePartsPanel(SessionController& controller, QWidget* parent = nullptr);

    void reload();
    QListWidget* list() const { return m_list; }
    // Opens the window where single drawers, faces and panels are switched
    // on and off; set by whoever owns that window.
    void setEditingWindowOpener(std::function<void()> opener) { m_openEditingWindow = std::move(opener); }

private:
    void checkChanged(QListWidgetItem* item);
    void clicked(QListWidgetItem* item);
    void showChecks();

    SessionController& m_controller;
    QListWidget* m_list = nullptr;
    std::function<void()> m_openEditingWindow;
};

} // namespace boxmill
