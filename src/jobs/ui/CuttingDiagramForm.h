// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "jobs/CuttingDiagram.h"
#include "jobs/CuttingPlan.h"
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
class QProgressBar;
class QPushButton;
class QTimer;

namespace boxmill {

class SessionController;
class CuttingPlanWorker;
class DiagramPage;

// "Cutting Diagrams": how to cut each sheet of the cabinet on screen, which
// follows every edit, or of a job of many cabinets, from a file or as the
// Job window holds it. The plans are worked out afresh from the cabinet
// files, off the window's thread, and only when what they are made from
// changed; the window keeps only which job it shows.
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

    // A plan is under way; the diagrams shown are those of the last one.
    bool isPlanning() const;
    // Blocks until the plan under way is shown.
    void waitForPlan();
    // The plan under way is given up; the diagrams shown stay, marked as
    // older than the cabinets.
    void cancelPlan();

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
    struct Heading {
        std::string source; // "Job: Kitchen.job"
        std::string title;  // "Kitchen.job"
    };

    // False only when a job being opened cannot be read; it is then named
    // in a message and nothing on screen changes.
    bool refresh(bool opening = false);
    // Nothing to plan: a cabinet or the stock could not be read.
    void showUnplanned(const std::string& notes);
    void showPlan(const CuttingPlanInputs& inputs, const CuttingPlan& plan);
    void showDiagrams(std::vector<CuttingDiagram> diagrams, const std::string& notes);
    void showHeading(Heading heading);
    void showPlanState(const QString& state, bool planning);

    SessionController& m_controller;
    CuttingPlanWorker* m_worker = nullptr;
    std::optional<ShownJob> m_job;
    // What the plan under way, or else the plan shown, was made from.
    std::optional<CuttingPlanInputs> m_wanted;
    std::optional<CuttingPlanInputs> m_shown;
    // Of the cabinets asked for last, and of the diagrams shown, which a
    // cancelled plan leaves older. The title names printed pages and
    // exported files.
    Heading m_asked;
    Heading m_heading;
    PrinterChooser m_choosePrinter;
    std::vector<CuttingDiagram> m_diagrams;
    QLabel* m_source = nullptr;
    QListWidget* m_sheets = nullptr;
    QPlainTextEdit* m_notes = nullptr;
    DiagramPage* m_page = nullptr;
    QLabel* m_planState = nullptr;
    QProgressBar* m_progress = nullptr;
    QPushButton* m_cancel = nullptr;
    QTimer* m_showPlanning = nullptr;
};

} // namespace boxmill
