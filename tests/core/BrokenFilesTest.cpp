// SPDX-License-Identifier: GPL-3.0-or-later
#include "BrokenFixtures.h"
#include "DataProgramFolder.h"
#include "core/CabinetFile.h"
#include "core/CabinetModel.h"
#include "core/CabinetText.h"
#include "core/FileIo.h"
#include "core/ProgramData.h"
#include "core/StandardFile.h"
#include "core/StartUp.h"

#include <gtest/gtest.h>

using namespace boxmill;
using test::ReaderVerdict;
namespace fs = std::filesystem;

namespace {

// The start-up over a sound program folder whose `name` is the broken file.
// A start-up that fails must keep what an earlier one read, since the unit
// switch runs it again over a program already at work.
ReaderVerdict StartUpWith(const char* name, const fs::path& fixture)
{
    const fs::path program = fixture.parent_path() / "program";
    test::LayOutProgramFolder(program);
    ProgramData data;
    CabinetModel model;
    test::RecordingPrompter sound;
    if (StartUp(program, data, model, sound) != StartUpOutcome::Ready)
        return {ReaderVerdict::Kind::Accepted, {}, "the sound program folder did not start"};
    const ProgramData before = data;
    const CabinetRecord recordBefore = model.record;

    fs::copy_file(fixture, program / name, fs::copy_options::overwrite_existing);
    test::RecordingPrompter prompter;
    const StartUpOutcome outcome = StartUp(program, data, model, prompter);
    ReaderVerdict verdict;
    verdict.messages = prompter.errors;
    verdict.messages.insert(verdict.messages.end(), prompter.warnings.begin(), prompter.warnings.end());
    if (outcome == StartUpOutcome::Ready) {
        verdict.kind = verdict.messages.empty() ? ReaderVerdict::Kind::Accepted : ReaderVerdict::Kind::Warned;
        return verdict;
    }
    verdict.kind = ReaderVerdict::Kind::Refused;
    if (data.vocabulary.parameterBase() != before.vocabulary.parameterBase() ||
        data.vocabulary.includeNames() != before.vocabulary.includeNames() ||
        data.vocabulary.partNames() != before.vocabulary.partNames() || data.woodItems != before.woodItems ||
        data.unitFlags.mode() != before.unitFlags.mode() || model.record != recordBefore)
        verdict.partialState = "a failed start-up replaced what the earlier one read";
    return verdict;
}

Vocabulary ShippedVocabulary()
{
    const fs::path data = BOXMILL_DATA_DIR;
    return VocabularyFromLists(ReadFileBytes(data / "Dims.dat").value(), ReadFileBytes(data / "IncParts.dat").value(),
                               ReadFileBytes(data / "CabParts.dat").value());
}

} // namespace

TEST(BrokenFiles, EveryReaderHasItsFolder)
{
    std::set<std::string> folders;
    for (const auto& entry : fs::directory_iterator(test::BrokenFixtureFolder()))
        folders.insert(entry.path().filename().string());
    EXPECT_EQ(folders, test::kBrokenFixtureReaders);
}

TEST(BrokenFiles, CoreReadersRefuseOrWarn)
{
    test::CheckBrokenFixtures("cabinet", [](const fs::path& file) {
        const auto record = ReadCabinetFile(file);
        if (!record)
            return test::Refused(record.error());
        // Taken: what a load of it would say.
        CabinetModel model;
        test::RecordingPrompter prompter;
        model.adoptRecord(*record, ShippedVocabulary(), prompter);
        return ReaderVerdict {prompter.warnings.empty() ? ReaderVerdict::Kind::Accepted : ReaderVerdict::Kind::Warned,
                              prompter.warnings,
                              {}};
    });
    test::CheckBrokenFixtures("cabinet-text", [](const fs::path& file) {
        const auto bytes = ReadFileBytes(file);
        if (!bytes)
            return test::Refused(bytes.error());
        const auto image = ParseCabinetText(*bytes, ShippedVocabulary());
        return image ? ReaderVerdict {} : test::Refused(image.error());
    });
    // Only an inch flag of exactly 1 means inches; any other two bytes are
    // taken as millimetres, as they always were.
    test::CheckBrokenFixtures("standard",
                              [](const fs::path& file) {
                                  const auto flags = ReadUnitFlags(file);
                                  return flags ? ReaderVerdict {} : test::Refused(flags.error());
                              },
                              {"binary", "out-of-range"});
    // The program takes the first 73, 20 and 31 lines as names, whatever
    // they hold; a missing line is an empty name.
    test::CheckBrokenFixtures("lists", [](const fs::path& file) { return StartUpWith(DataFile::Dims, file); },
                              {"binary", "duplicated-key", "truncated"});
    // Two lines of one wood and thickness are two choices in the listing; a
    // part keeps the price of the one picked for it.
    test::CheckBrokenFixtures("wood", [](const fs::path& file) { return StartUpWith(DataFile::Wood, file); },
                              {"duplicated-key"});
}
