// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/Result.h"
#include "jobs/JobFile.h"

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace boxmill {

inline constexpr std::string_view kUntitledJob = "Untitled.job";

// The job being edited: its cabinets, the file it was read from or saved
// to, and what Undo and Redo step through. Every edit either leaves a job
// the job file could hold or is refused with the reason, leaving the job as
// it was.
class JobDocument {
public:
    const Job& job() const { return m_job; }
    // None until the job is saved.
    const std::optional<std::filesystem::path>& file() const { return m_file; }
    std::string fileName() const;
    // What the cabinets' paths are read against. A job never saved holds
    // absolute paths only, so any folder would do.
    std::filesystem::path jobFile() const;
    bool modified() const { return m_job != m_saved; }

    // One edit for all the files: each path is kept relative to the job's
    // folder when the file lies beneath it, absolute otherwise, and labelled
    // with its file's name made unique ("Base", "Base 2", ...).
    Status add(const std::vector<std::filesystem::path>& cabinetFiles);
    Status remove(std::size_t index);
    Status setQuantity(std::size_t index, int quantity);
    Status setLabel(std::size_t index, std::string_view label);
    Status move(std::size_t from, std::size_t to);

    bool canUndo() const { return !m_undo.empty(); }
    bool canRedo() const { return !m_redo.empty(); }
    // The edit Undo or Redo would take back or do again ("Quantity").
    std::string undoName() const;
    std::string redoName() const;
    void undo();
    void redo();

    // An empty job, never saved.
    void clear();
    Status open(const std::filesystem::path& file);
    // Refused for a job never saved: it needs a name first.
    Status save();
    // Into another folder the relative paths are written anew, so that they
    // name the same cabinet files.
    Status saveAs(const std::filesystem::path& file);

private:
    struct Step {
        std::string name;
        Job job;
    };

    Status apply(std::string name, Job changed);

    Job m_job;
    Job m_saved;
    std::optional<std::filesystem::path> m_file;
    std::vector<Step> m_undo;
    std::vector<Step> m_redo;
};

} // namespace boxmill
