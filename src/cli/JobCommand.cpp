// SPDX-License-Identifier: GPL-3.0-or-later
// boxmill-cli job FILE.job viewer|listing|cost: the combined cut list and
// cost of every cabinet of a job.
#include "CliCommand.h"
#include "CliJobs.h"

#include "core/Money.h"
#include "jobs/JobFile.h"

#include <array>
#include <ostream>

namespace boxmill::cli {

namespace {

enum class JobList { Viewer, Listing, Cost };

constexpr std::array<std::pair<std::string_view, JobList>, 3> kJobLists = {{
    {"viewer", JobList::Viewer},
    {"listing", JobList::Listing},
    {"cost", JobList::Cost},
}};

struct JobArgs {
    std::filesystem::path file;
    JobList list = JobList::Viewer;
};

int PrintCost(CliContext& context, const std::vector<JobCabinet>& cabinets, UnitMode units)
{
    const JobCost cost = CombinedCost(cabinets, units);
    for (const auto& row : cost.wood.rows)
        context.out << row.woodText << '\t' << row.areaText << '\t' << FormatMoney(row.cost) << '\n';
    context.out << "Wood: " << FormatMoney(cost.wood.partsTotal) << '\n';
    context.out << "Labour: " << FormatMoney(cost.labour) << '\n';
    for (const auto& problem : cost.problems)
        context.err << "error: " << problem << '\n';
    if (!cost.total)
        return kFileError;
    context.out << "Job Total: " << FormatMoney(*cost.total) << '\n';
    return kSuccess;
}

int RunJob(CliContext& context, const CliVerb& verb, const JobArgs& args)
{
    if (!IsJobFile(args.file))
        return verb.usageError(context, "job takes a .job file, not " + args.file.filename().string());
    CliSession run(context);
    CliCabinets loaded;
    if (const int status = LoadCliCabinets(context, run, args.file, loaded); status != kSuccess)
        return status;
    const UnitMode units = run.session().model().units;
    switch (args.list) {
    case JobList::Viewer:
        for (const auto& row : CombinedRows(loaded.cabinets)) {
            context.out << row.label << '\t' << row.row.quantity << '\t' << row.partName << '\t' << row.row.width
                        << '\t' << row.row.length << '\n';
        }
        context.out << '\n';
        return PrintCost(context, loaded.cabinets, units);
    case JobList::Listing:
        context.out << "Cabinet\tQuantity\tPart\tWidth\tLength\tStock\tWood\n";
        for (const auto& row : CombinedRows(loaded.cabinets)) {
            context.out << row.label << '\t' << row.row.quantity << '\t' << row.partName << '\t' << row.row.width
                        << '\t' << row.row.length << '\t' << row.row.stock << '\t' << row.row.material << '\n';
        }
        return kSuccess;
    case JobList::Cost: return PrintCost(context, loaded.cabinets, units);
    }
    return kSuccess;
}

} // namespace

void DeclareJob(CliVerb& job)
{
    auto args = std::make_shared<JobArgs>();
    job.app()
        .add_option_function<std::string>("FILE.job", [args](const std::string& name) { args->file = name; })
        ->required();
    AddChoice(job.app(), "LIST", args->list, kJobLists);
    job.misuse("job needs a .job file and one of viewer, listing, cost");
    job.run([args, &job](CliContext& context) { return RunJob(context, job, *args); });
}

} // namespace boxmill::cli
