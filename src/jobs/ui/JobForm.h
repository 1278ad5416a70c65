// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "jobs/JobDocument.h"

#include <QMainWindow>

#include <filesystem>
#include <functional>

class QAction;
class QTableWidget;

namespace boxmill {

class JobFiguresPanel;
class SessionController;
class TCuttingDiagramForm;

// "Job": the cabinets cut and priced together, how many of each and their
// labels, saved as a .job file, with the job's combined cut list and cost
// below. The window keeps the job's edits, and their Undo, apart from the
// cabinet's; closing it or starting another job with unsaved edits asks
// first.
class TJobForm : public QMainWindow {
    Q_OBJECT

public:
    // `cuttingDiagrams` gives the "Cutting Diagrams" window, made when
    // first asked for.
    TJobForm(SessionController& controller, std::function<TCuttingDiagramForm*()> cuttingDiagrams,
             QWidget* parent = nullptr);
    ~TJobForm() override;

    const JobDocument& document() const { return m_document; }

    // Files: each asks to save unsaved edits first. False when nothing
    // was done.
    bool newJob();
    bool chooseJob();
    bool openJob(const std::filesystem::path& file);
    bool saveJob();
    bool saveJobAs();

    void addCabinets();
    void addCabinetOnScreen();
    void removeCabinet();
    void moveCabinet(int by);
    void undo();
    void redo();
    void showCuttingDiagrams();

    QTableWidget* cabinets() const { return m_grid; }
    JobFiguresPanel* figures() const { return m_figures; }
    QAction* undoAction() const { return m_undo; }
    QAction* redoAction() const { return m_redo; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    // Shows why an edit was refused; either way the window shows the job.
    void edited(const Status& status);
    void jobChanged();
    void showFigures();
    void showCabinets();
    void cellEdited(int row, int column);
    // False when the user cancelled or the save failed.
    bool offerToSave();
    bool load(const std::filesystem::path& file);
    int currentCabinet() const;
    std::filesystem::path startFolder() const;

    SessionController& m_controller;
    std::function<TCuttingDiagramForm*()> m_cuttingDiagrams;
    JobDocument m_document;
    QTableWidget* m_grid = nullptr;
    JobFiguresPanel* m_figures = nullptr;
    QAction* m_undo = nullptr;
    QAction* m_redo = nullptr;
    bool m_filling = false;
    bool m_diagramsShown = false; // the diagrams window was given this job
    bool m_cabinetModified = false;
};

} // namespace boxmill
