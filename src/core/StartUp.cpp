// SPDX-License-Identifier: GPL-3.0-or-later
#include "StartUp.h"

#include "CabinetFile.h"
#include "CabinetModel.h"
#include "Constants.h"
#include "FileIo.h"
#include "ProgramData.h"
#include "Prompter.h"
#include "StandardFile.h"
#include "WoodList.h"

#include <system_error>

namespace boxmill {

namespace fs = std::filesystem;

namespace {

struct Lists {
    std::vector<std::string> parts;
    std::vector<std::string> includes;
    std::vector<std::string> woods;
    std::vector<std::string> dims;
};

Result<Lists> ReadLists(const fs::path& folder)
{
    Lists lists;
    const std::pair<const char*, std::vector<std::string>*> files[] = {
        {DataFile::CabParts, &lists.parts},
        {DataFile::IncParts, &lists.includes},
        {DataFile::Wood, &lists.woods},
        {DataFile::Dims, &lists.dims},
    };
    for (const auto& [name, target] : files) {
        auto lines = ReadTextLines(folder / name);
        if (!lines)
            return Result<Lists>::failure(lines.error());
        *target = std::move(lines).value();
    }
    return lists;
}

// The program counts on exactly this many entries; fewer lines leave empty
// names, extra lines are not the program's business.
std::vector<std::string> Fitted(std::vector<std::string> lines, int count)
{
    lines.resize(static_cast<std::size_t>(count));
    return lines;
}

} // namespace

StartUpOutcome StartUp(const fs::path& programFolder, ProgramData& data, CabinetModel& model, Prompter& prompter)
{
    // Everything is read before anything is replaced, so that a second run
    // (after a unit switch) that fails keeps the program as it was instead
    // of mixing new units with old lists. The program folder itself is the
    // same on every run.
    model.folders.programFolder = programFolder;
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

    auto woods = BuildWoodListing(lists->woods, units);
    if (!woods.skipped.empty()) {
        std::string text = "Some lines of Wood.dat could not be read and are left out of the wood listing:";
        for (const auto& line : woods.skipped)
            text += "\n" + line;
        prompter.message(MessageKind::Warning, text);
    }
    data.unitFlags = *flags;
    data.vocabulary = Vocabulary(Fitted(lists->dims, kParamCount), Fitted(lists->includes, kIncludeItems),
                                 Fitted(lists->parts, kPartRows));
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
