// SPDX-License-Identifier: GPL-3.0-or-later
#include "StartUp.h"

#include "CabinetFile.h"
#include "CabinetModel.h"
#include "Constants.h"
#include "FileIo.h"
#include "MessageText.h"
#include "ProgramData.h"
#include "Prompter.h"
#include "StandardFile.h"
#include "WoodList.h"

#include <system_error>

namespace boxmill {

namespace fs = std::filesystem;

namespace {

// The list files as their bytes.
struct Lists {
    std::string parts;
    std::string includes;
    std::string woods;
    std::string dims;
};

Result<Lists> ReadLists(const fs::path& folder)
{
    Lists lists;
    const std::pair<const char*, std::string*> files[] = {
        {DataFile::CabParts, &lists.parts},
        {DataFile::IncParts, &lists.includes},
        {DataFile::Wood, &lists.woods},
        {DataFile::Dims, &lists.dims},
    };
    for (const auto& [name, target] : files) {
        auto bytes = ReadTextFile(folder / name, FileCap::DataFile);
        if (!bytes)
            return Result<Lists>::failure(bytes.error());
        *target = std::move(bytes).value();
    }
    return lists;
}

std::vector<std::string> Fitted(std::string_view bytes, int count)
{
    std::vector<std::string> lines = SplitLines(bytes);
    lines.resize(static_cast<std::size_t>(count));
    return lines;
}

} // namespace

Vocabulary VocabularyFromLists(std::string_view dims, std::string_view includes, std::string_view parts)
{
    return Vocabulary(Fitted(dims, kParamCount), Fitted(includes, kIncludeItems), Fitted(parts, kPartRows));
}

StartUpOutcome StartUp(const fs::path& programFolder, ProgramData& data, CabinetModel& model, Prompter& prompter)
{
    // Everything is read before anything is replaced, so that a second run
    // (after a unit switch) that fails keeps the program as it was instead
    // of mixing new units with old lists. The program folder itself is the
    // same on every run.
    model.folders.programFolder = programFolder;
    // The program folder holds the data files the program rewrites, Base
    // the cabinets; nothing else of the user's is written by the program.
    RemoveStaleTemporaryFiles(programFolder);
    RemoveStaleTemporaryFiles(programFolder / DataFile::BaseFolder);
    auto flags = ReadUnitFlags(programFolder / kStandardFileName);
    if (!flags) {
        prompter.message(MessageKind::Error, flags.error());
        return StartUpOutcome::Incomplete;
    }
    const UnitMode units = flags->mode();
    auto lists = ReadLists(programFolder);
    if (!lists) {
        prompter.message(MessageKind::Error, lists.error());
        return StartUpOutcome::Incomplete;
    }

    const fs::path base = programFolder / DataFile::BaseFolder;
    std::error_code code;
    if (!fs::is_directory(base, code)) {
        prompter.message(MessageKind::Error, kMissingBaseMessage);
        return StartUpOutcome::EndProgram;
    }

    auto record = ReadCabinetFile(programFolder / DataFile::NewCabinet);
    if (!record) {
        prompter.message(MessageKind::Error, record.error());
        return StartUpOutcome::Incomplete;
    }

    auto woods = BuildWoodListing(SplitLines(lists->woods), units);
    if (!woods.skipped.empty())
        prompter.message(MessageKind::Warning,
                         ListedMessage("Some lines of Wood.dat could not be read and are left out of the wood listing:",
                                       woods.skipped));
    data.unitFlags = *flags;
    data.vocabulary = VocabularyFromLists(lists->dims, lists->includes, lists->parts);
    data.woodItems = std::move(woods.items);

    model.folders.cabinetFolder = base;
    model.units = units;
    model.drawScale = 1;
    model.adoptRecord(*record, data.vocabulary, prompter);
    model.folders.cabinetPath = base / "Untitled.cab";
    model.folders.cabinetName = "Untitled.cab";
    model.folders.cabinetStyle = kInitialCabinetStyle;
    model.folders.lastChosenFile = "Untitled.cab";
    model.saveCabinetEnabled = false;
    return StartUpOutcome::Ready;
}

} // namespace boxmill
