// SPDX-License-Identifier: GPL-3.0-or-later
// boxmill-cli export FILE.cab and import TEXT --out FILE.cab: the cabinet
// as readable text, for version control and for comparing designs, and
// back. The keys are the names of the program folder's data files.
#include "CliCommand.h"
#include "CliSession.h"

#include "core/CabinetText.h"
#include "core/FileIo.h"

#include <ostream>

namespace boxmill::cli {

namespace {

struct ImportArgs {
    std::filesystem::path text;
    std::filesystem::path out;
};

int RunExport(CliContext& context, const std::filesystem::path& file)
{
    CliSession run(context);
    if (const int status = run.open(std::nullopt); status != kSuccess)
        return status;
    const auto image = ReadCabinetFileImage(file);
    if (!image) {
        run.prompter().message(MessageKind::Error, image.error());
        return kFileError;
    }
    const auto text = FormatCabinetText(*image, run.session().data().vocabulary);
    if (!text) {
        run.prompter().message(MessageKind::Error, text.error());
        return kFileError;
    }
    context.fileOut << *text;
    return kSuccess;
}

int RunImport(CliContext& context, const ImportArgs& args)
{
    CliSession run(context);
    if (const int status = run.open(std::nullopt); status != kSuccess)
        return status;
    const auto text = ReadFileBytes(args.text);
    if (!text) {
        run.prompter().message(MessageKind::Error, text.error());
        return kFileError;
    }
    const auto image = ParseCabinetText(*text, run.session().data().vocabulary);
    if (!image) {
        run.prompter().message(MessageKind::Error, "\"" + args.text.filename().string() + "\": " + image.error());
        return kFileError;
    }
    // The file is what the text says, whole: a file already at --out
    // lends it no tail.
    if (const auto written = WriteCabinetFileImage(args.out, *image); !written) {
        run.prompter().message(MessageKind::Error, written.error());
        return kFileError;
    }
    return kSuccess;
}

} // namespace

void DeclareExport(CliVerb& exportVerb)
{
    auto file = std::make_shared<std::optional<std::filesystem::path>>();
    AddCabinetFile(exportVerb.app(), *file)->required();
    exportVerb.misuse("export takes one cabinet file");
    exportVerb.run([file](CliContext& context) { return RunExport(context, **file); });
}

void DeclareImport(CliVerb& importVerb)
{
    auto args = std::make_shared<ImportArgs>();
    importVerb.app()
        .add_option("TEXT", args->text)
        ->required()
        ->check([](const std::string& name) { return name.empty() ? "a file name cannot be empty" : ""; }, "TEXT");
    AddFileOption(importVerb.app(), "--out", args->out)->required();
    importVerb.misuse("import takes one text file and --out FILE.cab");
    importVerb.run([args](CliContext& context) { return RunImport(context, *args); });
}

} // namespace boxmill::cli
