// SPDX-License-Identifier: GPL-3.0-or-later
#include "CliJobs.h"

#include "jobs/JobCabinets.h"
#include "jobs/JobFile.h"

#include <ostream>

namespace boxmill::cli {

namespace {

// Among the cabinets of a job a bare warning would not say whose it is.
void WarnOfMisfits(CliSession& run, const CliCabinets& loaded)
{
    for (const auto& cabinet : loaded.cabinets) {
        for (const auto& misfit : cabinet.misfits)
            run.prompter().message(MessageKind::Warning, loaded.fromJob ? cabinet.label + ": " + misfit : misfit);
    }
}

} // namespace

int LoadCliCabinets(CliContext& context, CliSession& run, const std::optional<std::filesystem::path>& file,
                    CliCabinets& loaded)
{
    const bool job = file && IsJobFile(*file);
    if (const int status = run.open(job ? std::nullopt : file); status != kSuccess)
        return status;
    CabinetSession& session = run.session();
    if (!job) {
        session.recalculate();
        loaded.title = session.model().folders.cabinetName;
        loaded.cabinets.push_back(ListJobCabinet(session.model(), session.layout(), loaded.title, 1));
        Tell(session.prompter(), loaded.cabinets.back().messages);
        WarnOfMisfits(run, loaded);
        return kSuccess;
    }
    const auto read = ReadJobFile(*file);
    if (!read) {
        context.err << "error: " << read.error() << '\n';
        return kFileError;
    }
    auto cabinets = LoadJobCabinets(session.model(), session.data().vocabulary, *read, *file);
    if (!cabinets) {
        context.err << "error: " << cabinets.error() << '\n';
        return kFileError;
    }
    Tell(session.prompter(), JobCabinetMessages(*cabinets));
    loaded.cabinets = std::move(cabinets).value();
    loaded.fromJob = true;
    loaded.title = file->filename().string();
    WarnOfMisfits(run, loaded);
    return kSuccess;
}

} // namespace boxmill::cli
