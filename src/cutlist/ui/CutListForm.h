// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cutlist/CutlistEditor.h"

#include <QMainWindow>

#include <functional>
#include <string>
#include <vector>

class QLabel;
class QPlainTextEdit;

namespace boxmill {

class SessionController;

// "Cutlist Editor": the listing of a build, in a fixed-pitch font so that
// its padded fields line up as columns.
class TCutListForm : public QMainWindow {
    Q_OBJECT

public:
    TCutListForm(SessionController& controller, QWidget* parent = nullptr);

    // The main window's commands: build, check the stock and show the
    // editor only when the check passes. True when it is shown.
    bool openWith(ListingBuild build);
    // The editor's own buttons: build and show.
    void rebuild(ListingBuild build);
    void showListing();
    // "Print": the listing as the window shows it, edits included.
    void setPrintCommand(std::function<void(const std::vector<std::string>&)> print) { m_print = std::move(print); }
    void printListing();
    // "Cutting Diagrams": the sheets of the cabinet on screen, in a window
    // this one does not know.
    void setCuttingDiagramsCommand(std::function<void()> show) { m_cuttingDiagrams = std::move(show); }

    QPlainTextEdit* text() const { return m_text; }
    QLabel* statusPanel(int index) const { return index == 0 ? m_showing : m_buildName; }

private:
    SessionController& m_controller;
    QPlainTextEdit* m_text = nullptr;
    QLabel* m_showing = nullptr;
    QLabel* m_buildName = nullptr;
    std::function<void(const std::vector<std::string>&)> m_print;
    std::function<void()> m_cuttingDiagrams;
};

} // namespace boxmill
