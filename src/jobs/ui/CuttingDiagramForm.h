// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "jobs/CuttingDiagram.h"
#include "jobs/JobFile.h"
#include "ui/common/PrinterChoice.h"

#include <QMainWindow>

#include <filesystem>
#include <functional>
#include <optional>
#include <vector>

class QLabel;
class QListWidget;
class QPlainTextEdit;

namespace boxmill {

class SessionController;
class DiagramPage;

// "Cutting Diagrams": how to cut each sheet of the cabinet on screen, which
// follows every edit, or of a job of many cabinets, from a file or as the
// Job window holds it. The plans are worked out afresh from the cabinet
// files; the window keeps only which job it shows.
class TCuttingDiagramForm : public QMainWindow {
    Q_OBJECT

public:
    explicit TCuttingDiagramForm(SessionController& controller, QWidget* parent = nullptr);

    // Back to the cabinet on screen.
    void showCabinet();
    // A refused job is reported and the diagrams shown stay.
    bool openJob(const std::filesystem::path& jobFile);
    // A job as it is being edited; its paths are relative to `jobFile`'s
    // folder, whether or not that file exists yet.
    // `editor`, when given, is the window editing the job: it may send
    // the job again after every edit (followJob).
    bool showJob(const Job& job, const std::filesystem::path& jobFile, const QObject* editor = nullptr);
    // The job as `editor` now has it, when the diagrams on screen are of
    // that editor's job; a cabinet it cannot read is named in place of the
    // diagrams rather than in a message after every edit.
    void followJob(const Job& job, const std::filesystem::path& jobFile, const QObject* editor);
    void chooseJob();
    void exportDiagrams();

    void setPrinterChooser(PrinterChooser chooser) { m_choosePrinter = std::move(chooser); }
    // Every sheet, one a page.
    void print();

    const std::vector<CuttingDiagram>& diagrams() const { return m_diagrams; }
    QListWidget* sheetList() const { return m_sheets; }
    QPlainTextEdit* notes() const { return m_notes; }

public slots:
    // Stock.txt was saved: the diagrams shown are planned on the new stock.
    void stockChanged();

protected:
    void showEvent(QShowEvent* event) override;

private:
    struct ShownJob {
        Job job;
        std::filesystem::path file;
        const QObject* editor = nullptr;
    };

    // False only when a job being opened cannot be read; it is then named
    // in a message and nothing on screen changes.
    bool refresh(bool opening = false);
    void showDiagrams(std::vector<CuttingDiagram> diagrams, const std::string& notes, const std::string& source);
    std::string title() const;

    SessionController& m_controller;
    std::optional<ShownJob> m_job;
    PrinterChooser m_choosePrinter;
    std::vector<CuttingDiagram> m_diagrams;
    QLabel* m_source = nullptr;
    QListWidget* m_sheets = nullptr;
    QPlainTextEdit* m_notes = nullptr;
    DiagramPage* m_page = nullptr;
    // Planned while hidden, just before being shown: showing need not plan
    // again.
    bool m_plannedHidden = false;
};

} // namespace boxmill
