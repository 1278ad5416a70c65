// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>

class QAction;
class QMenu;
class QWidget;

namespace boxmill {

class HelpRequests;
class PrintCommands;
class SessionController;
class THelpForm;
class TReadMeForm;

// The information index, the read-me and every way to ask for them: the
// double clicks of all windows, the Help menu's topics, "Fraction Table"
// and the switch that turns the index off.
class HelpCommands : public QObject {
    Q_OBJECT

public:
    HelpCommands(SessionController& controller, PrintCommands& print, QWidget* mainWindow);

    THelpForm* helpForm() const { return m_help; }
    TReadMeForm* readMeForm() const { return m_readMe; }
    QAction* enableAction() const { return m_enable; }

    // Tools > "Enable Information Index (Help)".
    void addToolsEntry(QMenu& tools);
    // View > "Fraction Table".
    void addViewEntry(QMenu& view);
    // The "Information Index" topics, "About Information Index" and
    // "Read Me First (Boxguide)".
    void addHelpEntries(QMenu& help);

    void requestHelp(const QString& key);
    void toggleHelp();

private:
    SessionController& m_controller;
    THelpForm* m_help = nullptr;
    TReadMeForm* m_readMe = nullptr;
    HelpRequests* m_requests = nullptr;
    QAction* m_enable = nullptr;
};

} // namespace boxmill
