// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "CliSession.h"

#include "jobs/JobLists.h"

#include <filesystem>
#include <optional>
#include <vector>

namespace boxmill::cli {

// The cabinets a command works on: every cabinet of a .job file, or the one
// cabinet file (or the default cabinet) as the only cabinet of a job, known
// by its name.
struct CliCabinets {
    std::vector<JobCabinet> cabinets;
    bool fromJob = false;
    std::string title; // the job's or the cabinet's file name
};

// kSuccess, or kFileError after the reason was printed: a missing or
// refused cabinet of a job refuses the whole job.
int LoadCliCabinets(CliContext& context, CliSession& run, const std::optional<std::filesystem::path>& file,
                    CliCabinets& loaded);

} // namespace boxmill::cli
