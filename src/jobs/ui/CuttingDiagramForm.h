// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "jobs/CuttingDiagram.h"

#include <QMainWindow>

#include <filesystem>
#include <optional>
#include <vector>

class QLabel;
class QListWidget;
class QPlainTextEdit;

namespace boxmill {

class SessionController;
class DiagramPage;

// "Cutting Diagrams": how to cut each sheet of the cabinet on screen, which
// follows every edit, or of a job of many cabinets opened from a file. The
// plans are worked out afresh from the model; the window keeps only which
// job it shows.
class TCuttingDiagramForm : public QMainWindow {
    Q_OBJECT

public:
    explicit TCuttingDiagramForm(SessionController& controller, QWidget* parent = nullptr);

    // Back to the cabinet on screen.
    void showCabinet();
    // A refused job is reported and the diagrams shown stay.
    bool openJob(const std::filesystem::path& jobFile);
    void chooseJob();
    void exportDiagrams();

    const std::vector<CuttingDiagram>& diagrams() const { return m_diagrams; }
    QListWidget* sheetList() const { return m_sheets; }
    QPlainTextEdit* notes() const { return m_notes; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void refresh();
    void showDiagrams(std::vector<CuttingDiagram> diagrams, const std::string& notes, const std::string& source);
    std::string title() const;

    SessionController& m_controller;
    std::optional<std::filesystem::path> m_job;
    std::vector<CuttingDiagram> m_diagrams;
    QLabel* m_source = nullptr;
    QListWidget* m_sheets = nullptr;
    QPlainTextEdit* m_notes = nullptr;
    DiagramPage* m_page = nullptr;
};

} // namespace boxmill
