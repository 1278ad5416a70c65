// SPDX-License-Identifier: GPL-3.0-or-later
// boxmill-cli edit FILE.cab|--new --out OUT.cab STEP...: the edits a user
// makes in the windows, made by a script through the same session commands,
// with the same rules, clean-ups and messages. A refused step leaves the
// later ones to run, as the windows do, but then nothing is written.
#include "CliCommand.h"
#include "CliSession.h"
#include "EditSteps.h"

#include <ostream>

namespace boxmill::cli {

namespace {

struct EditArgs {
    std::filesystem::path out;
    bool fresh = false;
    // The cabinet file unless --new, then the steps.
    std::vector<std::string> words;
};

int RunEdit(CliContext& context, const EditArgs& args, const CliVerb& verb)
{
    std::optional<std::filesystem::path> file;
    std::span<const std::string> stepWords(args.words);
    if (!args.fresh) {
        if (stepWords.empty())
            return verb.usageError(context, "edit needs a cabinet file or --new");
        if (stepWords.front().empty())
            return verb.usageError(context, "a file name cannot be empty");
        file = stepWords.front();
        stepWords = stepWords.subspan(1);
    } else if (!stepWords.empty() && std::filesystem::path(stepWords.front()).extension() == ".cab") {
        return verb.usageError(context, "edit takes a cabinet file or --new, not both");
    }
    // Every step is read before the first runs: a typo at the end must not
    // leave the reader wondering which edits were made.
    const auto steps = ReadEditSteps(stepWords);
    if (!steps)
        return verb.usageError(context, steps.error());

    CliSession run(context);
    if (const int status = run.open(file); status != kSuccess)
        return status;
    EditRun edit(run.session(), run.prompter());
    std::string refused;
    std::size_t refusals = 0;
    for (std::size_t i = 0; i < steps->size(); ++i) {
        if (!edit.apply((*steps)[i]))
            continue;
        refused += (refusals++ == 0 ? "" : ", ") + std::to_string(i + 1) + " (" + (*steps)[i].text() + ")";
    }
    if (refusals > 0) {
        context.err << "error: refused step" << (refusals == 1 ? " " : "s ") << refused << "; " << args.out.string()
                    << " was not written\n";
        return kFileError;
    }
    // Saved as "Save Cabinet As" saves: a file already there keeps the
    // bytes it holds after the record.
    return run.session().saveCabinetFile(args.out) ? kSuccess : kFileError;
}

} // namespace

void DeclareEdit(CliVerb& edit)
{
    auto args = std::make_shared<EditArgs>();
    AddFileOption(edit.app(), "--out", args->out)->required();
    edit.app().add_flag("--new", args->fresh);
    edit.app().add_option("WORDS", args->words);
    edit.misuse("edit takes a cabinet file or --new, --out FILE.cab and the steps to make",
                "edit needs --out FILE.cab");
    edit.run([args, &edit](CliContext& context) { return RunEdit(context, *args, edit); });
}

} // namespace boxmill::cli
