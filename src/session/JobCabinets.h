// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/Result.h"
#include "jobs/JobFile.h"
#include "jobs/JobLists.h"

#include <filesystem>
#include <string>
#include <vector>

namespace boxmill {

class CabinetModel;
class CabinetSession;
class Prompter;
struct LayoutResult;

// The session's cabinet as one cabinet of a job: its complete cut list, its
// wood cost and its labour. Builds the list as the viewer does.
JobCabinet ListJobCabinet(CabinetSession& session, std::string label, int quantity);
// The same for a model and its layout, telling `prompter` what the list
// builders say.
JobCabinet ListJobCabinet(CabinetModel model, const LayoutResult& layout, Prompter& prompter, std::string label,
                          int quantity);

// Every cabinet of the job, each read by the cabinet reader Open uses into a
// copy of `session`'s data and settings, so that the session's own cabinet
// is left as it was. Paths are taken relative to `jobFile`'s folder. The
// first missing or refused cabinet refuses the whole job, naming the job
// file, the cabinet's label and its file; so does a job of no cabinets.
Result<std::vector<JobCabinet>> LoadJobCabinets(const CabinetSession& session, const Job& job,
                                                const std::filesystem::path& jobFile);
// The same, telling `prompter` instead of the session's what each cabinet
// says while it is read and listed.
Result<std::vector<JobCabinet>> LoadJobCabinets(const CabinetSession& session, Prompter& prompter, const Job& job,
                                                const std::filesystem::path& jobFile);

} // namespace boxmill
