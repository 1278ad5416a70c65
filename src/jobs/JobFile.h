// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/FileDialogs.h"
#include "core/Result.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace boxmill {

inline constexpr std::string_view kJobExtension = ".job";
// A kitchen is ten or twenty cabinets; far more lines, or far more of one
// cabinet, is a mistake that would only make the cutting diagrams crawl.
inline constexpr int kMostJobCabinets = 200;
inline constexpr int kMostOfOneCabinet = 100;

// One line of a job: a cabinet file, how many of it, and the label its
// parts carry on the combined lists and the diagrams.
struct JobEntry {
    std::string path; // as written, normally relative to the job file
    int quantity = 1;
    std::string label;

    bool operator==(const JobEntry&) const = default;
};

struct Job {
    std::vector<JobEntry> cabinets;

    bool operator==(const Job&) const = default;
};

// The whole file or nothing: the first line that cannot be read refuses it,
// named by `fileName` and its line number, since a job missing a cabinet
// would be priced and cut short without anyone noticing.
Result<Job> ParseJobText(std::string_view text, std::string_view fileName);
Result<Job> ReadJobFile(const std::filesystem::path& path);

// The file's text with its explaining header; an entry the reader could not
// take back (an empty path, a "|" or a line break in a path or label,
// blanks at either end, a repeated label, a quantity out of range) is
// refused, naming it.
Result<std::string> JobText(const Job& job);
Status WriteJobFile(const std::filesystem::path& path, const Job& job);

bool IsJobFile(const std::filesystem::path& path);

// The file dialog's request for a job file, starting in `folder`.
FileDialogRequest JobFileRequest(std::string title, const std::filesystem::path& folder);

// Labels are one label whatever the case of their letters: "Sink" and
// "SINK" would name the same parts on the lists.
bool SameJobLabel(std::string_view a, std::string_view b);

} // namespace boxmill
