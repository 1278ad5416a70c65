// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "JobFile.h"
#include "JobLists.h"

#include "core/Result.h"

#include <filesystem>
#include <string>
#include <vector>

namespace boxmill {

class CabinetModel;
class Vocabulary;
struct LayoutResult;

// A cabinet as one cabinet of a job: its complete cut list, its wood cost
// and its labour, listed as the viewer lists it, with what the list
// builders say.
JobCabinet ListJobCabinet(CabinetModel model, const LayoutResult& layout, std::string label, int quantity);

// Every cabinet of the job, each read into a copy of `onScreen` (the units,
// folders and settings a cabinet file does not hold), so that the cabinet
// on screen is left as it was. Paths are taken relative to `jobFile`'s
// folder. The first missing or refused cabinet refuses the whole job,
// naming the job file, the cabinet's label and its file; so does a job of
// no cabinets. Each cabinet keeps what it says while it is read and listed.
Result<std::vector<JobCabinet>> LoadJobCabinets(const CabinetModel& onScreen, const Vocabulary& vocabulary,
                                                const Job& job, const std::filesystem::path& jobFile);

// Every cabinet's messages, in the job's order.
Messages JobCabinetMessages(const std::vector<JobCabinet>& cabinets);

} // namespace boxmill
