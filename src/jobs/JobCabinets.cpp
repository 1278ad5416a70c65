// SPDX-License-Identifier: GPL-3.0-or-later
#include "JobCabinets.h"

#include "core/MessageText.h"
#include "core/Messages.h"
#include "cutlist/CutListBuild.h"
#include "cutlist/JobTotal.h"
#include "geometry/CabinetLoading.h"
#include "geometry/OpeningFit.h"

namespace boxmill {

namespace fs = std::filesystem;

JobCabinet ListJobCabinet(CabinetModel model, const LayoutResult& layout, std::string label, int quantity)
{
    JobCabinet cabinet;
    cabinet.label = std::move(label);
    cabinet.quantity = quantity;
    auto built = BuildCutList(CutListKind::Complete, model, layout);
    cabinet.cutList = std::move(built.value);
    cabinet.messages = std::move(built.messages);
    cabinet.misfits = OpeningMisfits(model, layout);
    cabinet.cost = UpdateWoodCost(model);
    // The labour's reason is told once, with the cabinet it belongs to.
    const auto labour = JobTotal(model.record.hours(), model.record.cost(), 0);
    if (labour)
        cabinet.labour = *labour;
    else
        cabinet.labourProblem = labour.error();
    return cabinet;
}

Result<std::vector<JobCabinet>> LoadJobCabinets(const CabinetModel& onScreen, const Vocabulary& vocabulary,
                                                const Job& job, const fs::path& jobFile)
{
    using Loaded = Result<std::vector<JobCabinet>>;
    const std::string jobName = jobFile.filename().string();
    if (job.cabinets.empty())
        return Loaded::failure(jobName + " lists no cabinets.");
    std::vector<JobCabinet> cabinets;
    for (const JobEntry& entry : job.cabinets) {
        auto loaded = LoadCabinet(jobFile.parent_path() / entry.path, onScreen, vocabulary);
        if (!loaded) {
            return Loaded::failure(jobName + ": the cabinet " + QuoteFileText(entry.label) + " (" +
                                   QuoteFileText(entry.path) + ") cannot be used: " + loaded.error());
        }
        LoadedCabinet& cabinet = loaded.value();
        JobCabinet listed = ListJobCabinet(std::move(cabinet.model), cabinet.layout, entry.label, entry.quantity);
        Messages said = std::move(cabinet.messages);
        Append(said, std::move(listed.messages));
        // Among twelve cabinets a bare warning would not say whose it is.
        for (Message& message : said)
            message.text = entry.label + ": " + message.text;
        listed.messages = std::move(said);
        cabinets.push_back(std::move(listed));
    }
    return cabinets;
}

Messages JobCabinetMessages(const std::vector<JobCabinet>& cabinets)
{
    Messages messages;
    for (const JobCabinet& cabinet : cabinets)
        Append(messages, cabinet.messages);
    return messages;
}

} // namespace boxmill
