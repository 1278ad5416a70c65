// SPDX-License-Identifier: GPL-3.0-or-later
#include "JobDocument.h"

#include "core/NumberText.h"

#include <algorithm>
#include <iterator>

namespace boxmill {

namespace {

namespace fs = std::filesystem;

// Jobs are small; a long history costs little but is never walked back.
constexpr std::size_t kUndoSteps = 100;

// Whole and without "." or ".." steps, so that two names of one file compare
// equal; a path that cannot be made whole is kept as given for the job
// file's own checks to refuse.
fs::path Whole(const fs::path& path)
{
    std::error_code error;
    const fs::path whole = fs::absolute(path, error);
    return (error ? path : whole).lexically_normal();
}

fs::path Location(const std::string& entry, const fs::path& folder)
{
    const fs::path path(entry);
    return (path.is_absolute() ? path : folder / path).lexically_normal();
}

// Relative to `folder` when beneath it, so the job moves with its
// cabinets; absolute otherwise, since a path climbing out of the folder
// breaks as soon as either is moved.
std::string StoredPath(const fs::path& file, const fs::path& folder)
{
    const fs::path relative = file.lexically_relative(folder);
    if (!relative.empty() && *relative.begin() != "..")
        return relative.generic_string();
    return file.string();
}

Job Rebased(Job job, const fs::path& from, const fs::path& to)
{
    for (auto& entry : job.cabinets)
        entry.path = StoredPath(Location(entry.path, from), to);
    return job;
}

std::string UniqueLabel(const Job& job, const std::string& stem)
{
    std::string label = stem;
    for (int n = 2; std::any_of(job.cabinets.begin(), job.cabinets.end(),
                                [&](const JobEntry& entry) { return SameJobLabel(entry.label, label); });
         ++n)
        label = stem + " " + std::to_string(n);
    return label;
}

Status NoSuchCabinet()
{
    return Status::failure("There is no such cabinet in the job.");
}

} // namespace

std::string JobDocument::fileName() const
{
    return m_file ? m_file->filename().string() : std::string(kUntitledJob);
}

fs::path JobDocument::jobFile() const
{
    return m_file ? *m_file : Whole(kUntitledJob);
}

Status JobDocument::apply(std::string name, Job changed)
{
    if (changed == m_job)
        return Success();
    if (const auto text = JobText(changed); !text)
        return Status::failure(text.error());
    m_undo.push_back({std::move(name), std::move(m_job)});
    if (m_undo.size() > kUndoSteps)
        m_undo.erase(m_undo.begin());
    m_redo.clear();
    m_job = std::move(changed);
    return Success();
}

Status JobDocument::add(const std::vector<fs::path>& cabinetFiles)
{
    Job changed = m_job;
    for (const auto& file : cabinetFiles) {
        const fs::path location = Whole(file);
        const std::string path = m_file ? StoredPath(location, m_file->parent_path()) : location.string();
        changed.cabinets.push_back({path, 1, UniqueLabel(changed, location.stem().string())});
    }
    return apply(cabinetFiles.size() == 1 ? "Add Cabinet" : "Add Cabinets", std::move(changed));
}

Status JobDocument::remove(std::size_t index)
{
    if (index >= m_job.cabinets.size())
        return NoSuchCabinet();
    Job changed = m_job;
    changed.cabinets.erase(changed.cabinets.begin() + static_cast<std::ptrdiff_t>(index));
    return apply("Remove Cabinet", std::move(changed));
}

Status JobDocument::setQuantity(std::size_t index, int quantity)
{
    if (index >= m_job.cabinets.size())
        return NoSuchCabinet();
    Job changed = m_job;
    changed.cabinets[index].quantity = quantity;
    return apply("Quantity", std::move(changed));
}

Status JobDocument::setLabel(std::size_t index, std::string_view label)
{
    if (index >= m_job.cabinets.size())
        return NoSuchCabinet();
    Job changed = m_job;
    // Blanks typed around a label are not part of it.
    changed.cabinets[index].label = std::string(TrimBlanks(label));
    return apply("Label", std::move(changed));
}

Status JobDocument::move(std::size_t from, std::size_t to)
{
    if (from >= m_job.cabinets.size() || to >= m_job.cabinets.size())
        return NoSuchCabinet();
    Job changed = m_job;
    auto& cabinets = changed.cabinets;
    const auto at = [&](std::size_t i) { return cabinets.begin() + static_cast<std::ptrdiff_t>(i); };
    if (from < to)
        std::rotate(at(from), at(from + 1), at(to + 1));
    else
        std::rotate(at(to), at(from), at(from + 1));
    return apply("Move Cabinet", std::move(changed));
}

std::string JobDocument::undoName() const
{
    return m_undo.empty() ? std::string() : m_undo.back().name;
}

std::string JobDocument::redoName() const
{
    return m_redo.empty() ? std::string() : m_redo.back().name;
}

void JobDocument::undo()
{
    if (m_undo.empty())
        return;
    Step step = std::move(m_undo.back());
    m_undo.pop_back();
    m_redo.push_back({step.name, std::move(m_job)});
    m_job = std::move(step.job);
}

void JobDocument::redo()
{
    if (m_redo.empty())
        return;
    Step step = std::move(m_redo.back());
    m_redo.pop_back();
    m_undo.push_back({step.name, std::move(m_job)});
    m_job = std::move(step.job);
}

void JobDocument::clear()
{
    *this = JobDocument();
}

Status JobDocument::open(const fs::path& file)
{
    auto read = ReadJobFile(file);
    if (!read)
        return Status::failure(read.error());
    clear();
    m_job = std::move(read).value();
    m_saved = m_job;
    m_file = Whole(file);
    return Success();
}

Status JobDocument::save()
{
    if (!m_file)
        return Status::failure(std::string(kUntitledJob) + " has not been saved yet: choose a name for it.");
    return saveAs(*m_file);
}

Status JobDocument::saveAs(const fs::path& file)
{
    const fs::path target = Whole(file);
    const fs::path from = jobFile().parent_path();
    const fs::path to = target.parent_path();
    // Written as it is into its own folder: the paths stay as the user
    // wrote them.
    const bool moved = !m_file || from != to;
    const Job written = moved ? Rebased(m_job, from, to) : m_job;
    if (auto status = WriteJobFile(target, written); !status)
        return status;
    if (moved) {
        for (auto* steps : {&m_undo, &m_redo})
            for (auto& step : *steps)
                step.job = Rebased(std::move(step.job), from, to);
    }
    m_job = written;
    m_saved = written;
    m_file = target;
    return Success();
}

} // namespace boxmill
