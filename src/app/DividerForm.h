// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/CabinetOptions.h"

#include <QDialog>

#include <array>
#include <functional>

class QAbstractButton;
class QGroupBox;
class QListWidget;

namespace boxmill {

class SessionController;

// "Cabinet Options Settings": the construction options of the cabinet. The
// buttons mirror the model's option set; closing the window recalculates so
// that every drawing shows the new options.
class TDividerForm : public QDialog {
    Q_OBJECT

public:
    TDividerForm(SessionController& controller, QWidget* parent = nullptr);

    // Sets every control from the model.
    void reload();
    // The placement buttons of a divider follow its "Set Divider".
    void updateDividerControls();
    QAbstractButton* button(CabinetOption option) const { return m_buttons[static_cast<std::size_t>(option)]; }
    QListWidget* nailerCount() const { return m_nailers; }

    // "Save" runs the cabinet's Save As; set by the main window.
    void setSaveCommand(std::function<void()> save) { m_save = std::move(save); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    QGroupBox* group(const char* title, const char* name,
                     std::initializer_list<std::pair<CabinetOption, const char*>> options, bool radio);
    void add(QAbstractButton* button, CabinetOption option);
    void clicked(CabinetOption option, bool checked);

    SessionController& m_controller;
    std::array<QAbstractButton*, kOptionCount> m_buttons {};
    QListWidget* m_nailers = nullptr;
    std::function<void()> m_save;
};

} // namespace boxmill
