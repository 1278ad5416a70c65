// SPDX-License-Identifier: GPL-3.0-or-later
#include "JobCabinets.h"

#include "CabinetSession.h"

#include "core/CabinetFile.h"
#include "core/FileDialogs.h"
#include "core/MessageText.h"
#include "core/Prompter.h"
#include "cutlist/CutListBuild.h"
#include "cutlist/JobTotal.h"
#include "geometry/OpeningFit.h"

namespace boxmill {

namespace {

namespace fs = std::filesystem;

// A job's cabinets are read, never chosen or saved.
class NoDialogs : public FileDialogs {
public:
    std::optional<fs::path> openFile(const FileDialogRequest&) override { return std::nullopt; }
    std::optional<fs::path> saveFile(const FileDialogRequest&) override { return std::nullopt; }
};

// What a cabinet says while it is read and listed, told with its label:
// among twelve cabinets a bare warning would not say whose it is.
class LabelledPrompter : public Prompter {
public:
    LabelledPrompter(Prompter& inner, std::string label)
        : m_inner(inner)
        , m_label(std::move(label))
    {
    }
    void message(MessageKind kind, std::string_view text) override
    {
        m_inner.message(kind, m_label + ": " + std::string(text));
    }
    bool ask(MessageKind kind, std::string_view text, QuestionButtons buttons) override
    {
        return m_inner.ask(kind, m_label + ": " + std::string(text), buttons);
    }

private:
    Prompter& m_inner;
    std::string m_label;
};

} // namespace

JobCabinet ListJobCabinet(CabinetSession& session, std::string label, int quantity)
{
    return ListJobCabinet(session.model, session.layout, session.prompter(), std::move(label), quantity);
}

JobCabinet ListJobCabinet(CabinetModel model, const LayoutResult& layout, Prompter& prompter, std::string label,
                          int quantity)
{
    JobCabinet cabinet;
    cabinet.label = std::move(label);
    cabinet.quantity = quantity;
    cabinet.cutList = BuildCutList(CutListKind::Complete, model, layout, prompter);
    cabinet.misfits = OpeningMisfits(model, layout);
    cabinet.cost = UpdateWoodCost(model);
    // The labour's reason is told once, with the cabinet it belongs to.
    KeptMessages kept;
    cabinet.labour = JobTotal(model.record.hours(), model.record.cost(), 0, kept);
    cabinet.labourProblem = kept.last();
    return cabinet;
}

Result<std::vector<JobCabinet>> LoadJobCabinets(const CabinetSession& session, const Job& job, const fs::path& jobFile)
{
    return LoadJobCabinets(session, const_cast<CabinetSession&>(session).prompter(), job, jobFile);
}

Result<std::vector<JobCabinet>> LoadJobCabinets(const CabinetSession& session, Prompter& told, const Job& job,
                                                const fs::path& jobFile)
{
    using Loaded = Result<std::vector<JobCabinet>>;
    const std::string jobName = jobFile.filename().string();
    if (job.cabinets.empty())
        return Loaded::failure(jobName + " lists no cabinets.");
    std::vector<JobCabinet> cabinets;
    for (const JobEntry& entry : job.cabinets) {
        const fs::path path = jobFile.parent_path() / entry.path;
        const auto record = ReadCabinetFile(path);
        if (!record) {
            return Loaded::failure(jobName + ": the cabinet " + QuoteFileText(entry.label) + " (" +
                                   QuoteFileText(entry.path) + ") cannot be used: " + record.error());
        }
        LabelledPrompter prompter(told, entry.label);
        NoDialogs dialogs;
        CabinetSession scratch(prompter, dialogs);
        scratch.data = session.data;
        scratch.model = session.model;
        scratch.model.adoptRecord(*record, scratch.data.vocabulary, prompter);
        scratch.model.folders.cabinetPath = path;
        scratch.model.folders.cabinetName = ExtractCabinetName(path);
        scratch.model.folders.cabinetStyle = scratch.model.folders.cabinetName;
        scratch.model.folders.cabinetFolder = path.parent_path();
        scratch.recalculateAfterLoad();
        cabinets.push_back(ListJobCabinet(scratch, entry.label, entry.quantity));
    }
    return cabinets;
}

} // namespace boxmill
