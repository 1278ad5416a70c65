// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/CabinetSession.h"
#include "ProgramFolderCopy.h"
#include "RecordFixtures.h"
#include "ScriptedPrompter.h"
#include "core/CabinetFile.h"
#include "session/SessionAccess.h"

#include <gtest/gtest.h>

using namespace boxmill;
namespace fs = std::filesystem;

namespace {

// Everything of the model a refused command must leave as it was.
struct ModelSnapshot {
    explicit ModelSnapshot(const CabinetModel& model)
        : record(model.record)
        , options(model.options)
        , paramValue(model.paramValue)
        , partStock(model.partStock)
        , partPrice(model.partPrice)
        , partWoodName(model.partWoodName)
        , sectionCount(model.sectionCount)
        , saveCabinetEnabled(model.saveCabinetEnabled)
        , cabinetFolder(model.folders.cabinetFolder)
        , cabinetPath(model.folders.cabinetPath)
        , cabinetName(model.folders.cabinetName)
        , lastChosenFile(model.folders.lastChosenFile)
    {
    }
    bool operator==(const ModelSnapshot&) const = default;

    CabinetRecord record;
    CabinetOptionSet options;
    std::array<double, kParamSlots> paramValue;
    std::array<double, kPartSlots> partStock;
    std::array<Money, kPartSlots> partPrice;
    std::array<std::string, kPartSlots> partWoodName;
    int sectionCount;
    bool saveCabinetEnabled;
    fs::path cabinetFolder;
    fs::path cabinetPath;
    std::string cabinetName;
    fs::path lastChosenFile;
};

class CabinetSessionTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_EQ(session.startUp(folder.path()), StartUpOutcome::Ready);
        ASSERT_TRUE(prompter.shown.empty());
        defaultCabinet = session.model().record;
    }

    // An edit as the parameter list makes it.
    void edit(int index, std::string_view text)
    {
        session.edit("Parameter", [&](CabinetModel& model, LayoutResult&) {
            model.record.setParamText(index, text);
            model.rebuildParamValues();
        });
    }

    fs::path userFile(const std::string& name) const { return folder.outside() / name; }

    std::vector<std::string> questions() const
    {
        std::vector<std::string> texts;
        for (const auto& asked : prompter.asked)
            texts.push_back(asked.text);
        return texts;
    }

    test::ProgramFolderCopy folder;
    test::ScriptedPrompter prompter;
    test::ScriptedDialogs dialogs;
    CabinetSession session {prompter, dialogs};
    CabinetRecord defaultCabinet;
};

} // namespace

TEST_F(CabinetSessionTest, StartsWithAnUnmodifiedUntitledDefaultCabinet)
{
    EXPECT_FALSE(session.modified());
    EXPECT_FALSE(session.model().saveCabinetEnabled);
    EXPECT_EQ(session.model().folders.cabinetName, "Untitled.cab");
    EXPECT_EQ(session.model().folders.cabinetFolder, folder / "Base");
    EXPECT_EQ(session.model().param(1), 24.0);
}

TEST_F(CabinetSessionTest, RefusedFilesLeaveTheCabinetOnScreenAsItWas)
{
    edit(1, "30");
    const std::string sound = test::RecordBytes(test::MakeSoundRecord(4));
    std::string nineDrawers = sound;
    nineDrawers[2121 + 50 + 2] = 9;
    test::WriteAllBytes(userFile("Empty.cab"), "");
    test::WriteAllBytes(userFile("Short.cab"), sound.substr(0, 2563));
    test::WriteAllBytes(userFile("Nine.cab"), nineDrawers);
    // Nailer counts the options cannot show would drop the nailers from
    // the cut list without a word.
    for (const char* count : {"7", ""}) {
        CabinetRecord record = test::MakeSoundRecord(4);
        record.setNailerCount(count);
        test::WriteAllBytes(userFile(*count != '\0' ? "Nailers7.cab" : "NoNailers.cab"), test::RecordBytes(record));
    }

    const ModelSnapshot before(session.model());
    for (const char* name : {"Missing.cab", "Empty.cab", "Short.cab", "Nine.cab", "Nailers7.cab", "NoNailers.cab"}) {
        prompter.shown.clear();
        EXPECT_FALSE(session.loadCabinetFile(userFile(name))) << name;
        EXPECT_TRUE(ModelSnapshot(session.model()) == before) << name;
        ASSERT_EQ(prompter.shown.size(), 1u) << name;
        EXPECT_EQ(prompter.shown[0].kind, MessageKind::Error);
        EXPECT_NE(prompter.shown[0].text.find(name), std::string::npos) << prompter.shown[0].text;
        if (std::string_view(name).find("Nailers") != std::string_view::npos) {
            EXPECT_NE(prompter.shown[0].text.find("NailerCount"), std::string::npos) << prompter.shown[0].text;
        }
    }
}

TEST_F(CabinetSessionTest, LoadThenSaveGivesBackTheSameBytes)
{
    for (unsigned seed = 1; seed <= 12; ++seed) {
        CabinetRecord record = test::MakeSoundRecord(seed);
        const std::string bytes = test::RecordBytes(record);
        test::WriteAllBytes(userFile("In.cab"), bytes);
        ASSERT_TRUE(session.loadCabinetFile(userFile("In.cab"))) << seed;
        ASSERT_TRUE(session.saveCabinetFile(userFile("Out.cab"))) << seed;
        ASSERT_EQ(test::ReadAllBytes(userFile("Out.cab")), bytes) << "seed " << seed;
    }
    EXPECT_TRUE(prompter.shown.empty());
}

TEST_F(CabinetSessionTest, LoadingResetsTheSpareSlotsAndSavingKeepsOptionChoices)
{
    CabinetRecord record = test::MakeSoundRecord(8);
    record.setParamText(80, "12");
    test::WriteAllBytes(userFile("Spare.cab"), test::RecordBytes(record));
    ASSERT_TRUE(session.loadCabinetFile(userFile("Spare.cab")));
    EXPECT_EQ(session.model().record.paramText(80), "0");

    SessionAccess::model(session).options.nailerCount = 2;
    SessionAccess::model(session).record.setHours("12345");
    ASSERT_TRUE(session.saveCabinetFile(userFile("Saved.cab")));
    auto saved = ReadCabinetFile(userFile("Saved.cab"));
    ASSERT_TRUE(saved);
    EXPECT_EQ(saved->paramText(80), "0");
    EXPECT_EQ(saved->nailerCount(), "2");
    EXPECT_EQ(saved->hours(), "1234");
    ASSERT_TRUE(session.loadCabinetFile(userFile("Saved.cab")));
    EXPECT_EQ(session.model().options.nailerCount, 2);
}

TEST_F(CabinetSessionTest, NewWithUnsavedEditsSavesThemOnOk)
{
    edit(1, "30");
    prompter.saveChoices = {SaveChoice::Save};
    dialogs.choices = {userFile("Mine.cab")};
    ASSERT_TRUE(session.newCabinet());

    ASSERT_EQ(prompter.asked.size(), 1u);
    EXPECT_EQ(prompter.asked[0].kind, MessageKind::Warning);
    EXPECT_EQ(prompter.asked[0].text, kSaveBeforeNewQuestion);
    auto saved = ReadCabinetFile(userFile("Mine.cab"));
    ASSERT_TRUE(saved) << saved.error();
    EXPECT_EQ(saved->paramText(1), "30");

    EXPECT_EQ(session.model().record, defaultCabinet);
    EXPECT_EQ(session.model().param(1), 24.0);
    EXPECT_FALSE(session.modified());
    EXPECT_FALSE(session.model().saveCabinetEnabled);
    EXPECT_EQ(session.model().folders.cabinetName, "Untitled.cab");
    EXPECT_EQ(session.model().folders.cabinetPath, folder.outside() / "Untitled.cab");
}

TEST_F(CabinetSessionTest, NewDiscardsOnlyOnDiscardAndCancelKeepsEverything)
{
    edit(1, "30");
    prompter.saveChoices = {SaveChoice::Discard};
    ASSERT_TRUE(session.newCabinet());
    EXPECT_TRUE(dialogs.requests.empty());
    EXPECT_EQ(session.model().record, defaultCabinet);
    EXPECT_FALSE(session.modified());

    // Cancel at the question, or in the save dialog, stops the command.
    for (const bool inDialog : {false, true}) {
        edit(1, "31");
        prompter.saveChoices = {inDialog ? SaveChoice::Save : SaveChoice::Cancel};
        if (inDialog)
            dialogs.choices = {std::nullopt};
        EXPECT_FALSE(session.newCabinet());
        EXPECT_EQ(session.model().param(1), 31.0);
        EXPECT_TRUE(session.modified());
        EXPECT_TRUE(fs::is_empty(folder / "Base"));
    }
    prompter.saveChoices = {SaveChoice::Cancel};
    EXPECT_FALSE(session.confirmExit(ExitRoute::WindowClose));
    prompter.saveChoices = {SaveChoice::Cancel};
    EXPECT_FALSE(session.openCabinetLibrary());
    EXPECT_EQ(dialogs.requests.size(), 1u) << "only the cancelled save dialog";
    EXPECT_EQ(session.model().param(1), 31.0);
}

TEST_F(CabinetSessionTest, NewWithoutEditsAsksNothing)
{
    ASSERT_TRUE(session.newCabinet());
    EXPECT_TRUE(prompter.asked.empty());
    EXPECT_EQ(session.model().record, defaultCabinet);
}

TEST_F(CabinetSessionTest, NewKeepsTheCabinetWhenTheAskedForSaveFails)
{
    edit(1, "30");
    prompter.saveChoices = {SaveChoice::Save};
    dialogs.choices = {folder.outside() / "No Such Folder" / "Mine.cab"};
    EXPECT_FALSE(session.newCabinet());
    ASSERT_EQ(prompter.shown.size(), 1u);
    EXPECT_EQ(prompter.shown[0].kind, MessageKind::Error);
    EXPECT_EQ(session.model().param(1), 30.0);
    EXPECT_EQ(session.model().record.paramText(1), "30");
    EXPECT_TRUE(session.modified());
    EXPECT_EQ(session.model().folders.cabinetName, "Untitled.cab");
}

TEST_F(CabinetSessionTest, OpenCancelledInTheDialogChangesNoCabinet)
{
    edit(1, "30");
    prompter.saveChoices = {SaveChoice::Discard};
    dialogs.choices = {std::nullopt};
    EXPECT_FALSE(session.openCabinetLibrary());
    EXPECT_EQ(questions(), std::vector<std::string> {kSaveBeforeOpenQuestion});
    ASSERT_EQ(dialogs.requests.size(), 1u);
    const auto& request = dialogs.requests[0];
    EXPECT_EQ(request.title, "Open Cabinet Library");
    EXPECT_EQ(request.filter, "Boxmill cabinet|*.cab");
    EXPECT_EQ(request.fileName, "Untitled.cab");
    EXPECT_EQ(request.initialFolder, folder / "Base");
    EXPECT_EQ(session.model().record.paramText(1), "30");
    EXPECT_EQ(session.model().folders.cabinetName, "Untitled.cab");
    // The cabinet on screen was not replaced: its unsaved edits must still
    // be offered for saving on exit.
    EXPECT_TRUE(session.modified());
}

TEST_F(CabinetSessionTest, NewWithoutADefaultCabinetKeepsTheReminderToSave)
{
    edit(1, "30");
    std::filesystem::remove(folder.path() / "Newcab.dat");
    prompter.saveChoices = {SaveChoice::Discard};
    EXPECT_FALSE(session.newCabinet());
    EXPECT_EQ(session.model().record.paramText(1), "30");
    EXPECT_TRUE(session.modified());
    ASSERT_FALSE(prompter.shown.empty());
    EXPECT_EQ(prompter.shown.back().kind, MessageKind::Error);
}

TEST_F(CabinetSessionTest, OpenReadsTheChosenCabinet)
{
    CabinetRecord record = test::MakeSoundRecord(6);
    // Offsets are the layout's to re-apply, and it records where it put them.
    for (int s = 0; s < kSections; ++s) {
        for (const auto item : {SectionItem::MullionOffset, SectionItem::PartitionAbove, SectionItem::PartitionBelow})
            record.setSectionItem(s, item, 0);
    }
    fs::create_directory(userFile("Shop"));
    const fs::path file = folder.outside() / "Shop" / "Kitchen Left.cab";
    test::WriteAllBytes(file, test::RecordBytes(record));
    dialogs.choices = {file};
    ASSERT_TRUE(session.openCabinetLibrary());
    EXPECT_TRUE(prompter.asked.empty());
    EXPECT_EQ(session.model().record, record);
    EXPECT_EQ(session.model().sectionCount, record.sectionCount());
    EXPECT_EQ(session.model().folders.cabinetName, "Kitchen Left.cab");
    EXPECT_EQ(session.model().folders.cabinetFolder, folder.outside() / "Shop");
    EXPECT_FALSE(session.modified());
    EXPECT_TRUE(session.model().saveCabinetEnabled) << "an opened cabinet is saved back to its file";
}

TEST_F(CabinetSessionTest, OpenOfARefusedFileKeepsTheCabinetItsNameAndFolder)
{
    dialogs.choices = {userFile("Kitchen.cab")};
    ASSERT_TRUE(session.saveCabinetAs());
    edit(2, "22");
    ASSERT_TRUE(session.saveCabinet());
    test::WriteAllBytes(userFile("Broken.cab"), std::string(100, 'x'));

    const ModelSnapshot before(session.model());
    dialogs.choices = {userFile("Broken.cab")};
    EXPECT_FALSE(session.openCabinetLibrary());
    ASSERT_EQ(prompter.shown.size(), 1u);
    EXPECT_NE(prompter.shown[0].text.find("Broken.cab"), std::string::npos) << prompter.shown[0].text;
    const ModelSnapshot after(session.model());
    EXPECT_EQ(after.record, before.record);
    EXPECT_EQ(after.paramValue, before.paramValue);
    EXPECT_EQ(after.cabinetName, "Kitchen.cab");
    EXPECT_EQ(after.cabinetPath, before.cabinetPath);
    EXPECT_EQ(after.cabinetFolder, before.cabinetFolder);
}

// KNOWN FAULT: a refused Open still makes the refused file the target of
// "Save Cabinet" (CabinetSession::openCabinetLibrary stores the choice in
// lastChosenFile before the load is known to succeed). The window keeps
// showing Kitchen.cab, yet Save Cabinet overwrites Broken.cab with it.
TEST_F(CabinetSessionTest, SaveAfterARefusedOpenWritesTheCabinetOnScreenToItsOwnFile)
{
    dialogs.choices = {userFile("Kitchen.cab")};
    ASSERT_TRUE(session.saveCabinetAs());
    const std::string broken(100, 'x');
    test::WriteAllBytes(userFile("Broken.cab"), broken);
    dialogs.choices = {userFile("Broken.cab")};
    ASSERT_FALSE(session.openCabinetLibrary());

    edit(2, "22");
    ASSERT_TRUE(session.saveCabinet());
    EXPECT_TRUE(test::ReadAllBytes(userFile("Broken.cab")) == broken) << "Broken.cab was overwritten";
    auto kitchen = ReadCabinetFile(userFile("Kitchen.cab"));
    ASSERT_TRUE(kitchen);
    EXPECT_EQ(kitchen->paramText(2), "22");
}

TEST_F(CabinetSessionTest, SaveCabinetIsEnabledWhileTheCabinetHasAFile)
{
    edit(1, "30");
    EXPECT_FALSE(session.saveCabinet());
    EXPECT_TRUE(session.modified());
    EXPECT_TRUE(fs::is_empty(folder / "Base"));

    dialogs.choices = {userFile("Kitchen.cab")};
    ASSERT_TRUE(session.saveCabinetAs());
    EXPECT_TRUE(session.model().saveCabinetEnabled);
    EXPECT_FALSE(session.modified());
    EXPECT_EQ(session.model().folders.cabinetName, "Kitchen.cab");
    EXPECT_EQ(session.model().folders.cabinetFolder, folder.outside());

    edit(1, "31");
    ASSERT_TRUE(session.saveCabinet());
    EXPECT_FALSE(session.modified());
    auto saved = ReadCabinetFile(userFile("Kitchen.cab"));
    ASSERT_TRUE(saved);
    EXPECT_EQ(saved->paramText(1), "31");

    ASSERT_TRUE(session.newCabinet());
    EXPECT_FALSE(session.model().saveCabinetEnabled);
    EXPECT_FALSE(session.saveCabinet());

    // Opened again, the cabinet has its file back, and Save writes there.
    dialogs.choices = {userFile("Kitchen.cab")};
    ASSERT_TRUE(session.openCabinetLibrary());
    edit(1, "32");
    ASSERT_TRUE(session.saveCabinet());
    saved = ReadCabinetFile(userFile("Kitchen.cab"));
    ASSERT_TRUE(saved);
    EXPECT_EQ(saved->paramText(1), "32");
}

TEST_F(CabinetSessionTest, SaveAsDialogRequest)
{
    dialogs.choices = {userFile("Kitchen.cab"), std::nullopt};
    ASSERT_TRUE(session.saveCabinetAs());
    EXPECT_FALSE(session.saveCabinetAs());
    ASSERT_EQ(dialogs.requests.size(), 2u);

    const auto& first = dialogs.requests[0];
    EXPECT_EQ(first.title, "Save Cabinet As...");
    EXPECT_EQ(first.filter, "Boxmill cabinet|*.cab");
    EXPECT_EQ(first.defaultExtension, "cab");
    EXPECT_EQ(first.fileName, "Style1.cab");
    EXPECT_TRUE(first.confirmOverwrite);
    EXPECT_EQ(first.initialFolder, folder / "Base");

    const auto& second = dialogs.requests[1];
    EXPECT_EQ(second.fileName, "Kitchen.cab");
    EXPECT_EQ(second.initialFolder, folder.outside());
}

TEST_F(CabinetSessionTest, SaveToLibraryStartsInTheProgramFolder)
{
    dialogs.choices = {folder / "Library.cab"};
    ASSERT_TRUE(session.saveToLibraryAs());
    ASSERT_EQ(dialogs.requests.size(), 1u);
    EXPECT_EQ(dialogs.requests[0].title, "Save To Cabinet Library");
    EXPECT_EQ(dialogs.requests[0].initialFolder, folder.path());
    EXPECT_EQ(dialogs.requests[0].fileName, "Style1.cab");
    EXPECT_EQ(dialogs.requests[0].defaultExtension, "cab");
    EXPECT_TRUE(dialogs.requests[0].confirmOverwrite);
    EXPECT_TRUE(fs::exists(folder / "Library.cab"));
}

TEST_F(CabinetSessionTest, ACancelledOrFailedSaveAsKeepsTheEdits)
{
    edit(1, "30");
    dialogs.choices = {std::nullopt, folder.outside() / "No Such Folder" / "Kitchen.cab"};
    EXPECT_FALSE(session.saveCabinetAs());
    EXPECT_TRUE(session.modified());
    EXPECT_FALSE(session.saveCabinetAs());
    EXPECT_TRUE(session.modified());
    EXPECT_FALSE(session.model().saveCabinetEnabled);
    EXPECT_EQ(session.model().folders.cabinetName, "Untitled.cab");
    ASSERT_EQ(prompter.shown.size(), 1u);
    EXPECT_EQ(prompter.shown[0].kind, MessageKind::Error);

    // The file that could not be written is not what Save As offers next.
    dialogs.choices = {std::nullopt};
    session.saveCabinetAs();
    EXPECT_EQ(dialogs.requests.back().fileName, "Style1.cab");
}

TEST_F(CabinetSessionTest, ASavedCabinetStaysSavedWhenNewThenFails)
{
    edit(1, "30");
    std::filesystem::remove(folder.path() / "Newcab.dat");
    prompter.saveChoices = {SaveChoice::Save};
    dialogs.choices = {userFile("Kept.cab")};
    EXPECT_FALSE(session.newCabinet());
    EXPECT_TRUE(std::filesystem::exists(userFile("Kept.cab")));
    EXPECT_FALSE(session.modified());
    EXPECT_EQ(session.model().folders.cabinetName, "Kept.cab");
}

TEST_F(CabinetSessionTest, ExitWithoutChangesAsksOnlyWhetherToExit)
{
    prompter.answers = {true};
    EXPECT_TRUE(session.confirmExit(ExitRoute::Command));
    ASSERT_EQ(prompter.asked.size(), 1u);
    EXPECT_EQ(prompter.asked[0].kind, MessageKind::Confirmation);
    EXPECT_EQ(prompter.asked[0].text, ExitQuestion());

    prompter.answers = {false};
    EXPECT_FALSE(session.confirmExit(ExitRoute::Command));

    prompter.asked.clear();
    EXPECT_TRUE(session.confirmExit(ExitRoute::WindowClose));
    EXPECT_TRUE(prompter.asked.empty());
}

TEST_F(CabinetSessionTest, ClosingTheWindowWithChangesAsksOnlyTheSaveQuestion)
{
    edit(1, "30");
    prompter.saveChoices = {SaveChoice::Discard};
    EXPECT_TRUE(session.confirmExit(ExitRoute::WindowClose));
    EXPECT_EQ(questions(), std::vector<std::string> {SaveBeforeExitQuestion()});
    EXPECT_EQ(prompter.asked[0].kind, MessageKind::Warning);
    EXPECT_TRUE(dialogs.requests.empty());
}

TEST_F(CabinetSessionTest, ExitCommandWithChanges)
{
    edit(1, "30");
    // Not saved, then not exited after all: the edits are still unsaved.
    prompter.saveChoices = {SaveChoice::Discard};
    prompter.answers = {false};
    EXPECT_FALSE(session.confirmExit(ExitRoute::Command));
    EXPECT_EQ(questions(), (std::vector<std::string> {SaveBeforeExitQuestion(), ExitQuestion()}));
    EXPECT_TRUE(session.modified());

    // Saved, then exited.
    prompter.asked.clear();
    prompter.saveChoices = {SaveChoice::Save};
    prompter.answers = {true};
    dialogs.choices = {userFile("Exit.cab")};
    EXPECT_TRUE(session.confirmExit(ExitRoute::Command));
    EXPECT_EQ(questions(), (std::vector<std::string> {SaveBeforeExitQuestion(), ExitQuestion()}));
    EXPECT_FALSE(session.modified());
    EXPECT_TRUE(fs::exists(userFile("Exit.cab")));
}

TEST_F(CabinetSessionTest, ExitStopsWhenTheAskedForSaveFails)
{
    edit(1, "30");
    prompter.saveChoices = {SaveChoice::Save};
    dialogs.choices = {folder.outside() / "No Such Folder" / "Exit.cab"};
    EXPECT_FALSE(session.confirmExit(ExitRoute::WindowClose));
    EXPECT_TRUE(session.modified());
    EXPECT_EQ(questions(), std::vector<std::string> {SaveBeforeExitQuestion()});
}

TEST(ExtractCabinetName, TakesTheWholeFileNameBlanksIncluded)
{
    EXPECT_EQ(ExtractCabinetName(fs::path("/home/joe/My Cabinets/Kitchen Base 2.cab")), "Kitchen Base 2.cab");
    EXPECT_EQ(ExtractCabinetName(fs::path("Untitled.cab")), "Untitled.cab");
}
