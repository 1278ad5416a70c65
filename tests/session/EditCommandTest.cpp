// SPDX-License-Identifier: GPL-3.0-or-later
// boxmill-cli edit, run as a user runs it: the section editing rules through
// its steps, and its cabinet beside the one the windows' commands make.
#include "ProgramFolderCopy.h"
#include "RecordFixtures.h"
#include "ScriptedPrompter.h"
#include "cli/CliLocation.h"
#include "core/CabinetFile.h"
#include "core/IncludeParts.h"
#include "core/Measure.h"
#include "cutlist/WoodEditBoxes.h"
#include "designer/DesignerControls.h"
#include "designer/DesignerRefresh.h"
#include "designer/SectionEditor.h"
#include "session/CabinetSession.h"
#include "session/EditCommands.h"

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdlib>
#include <sstream>

using namespace boxmill;
namespace fs = std::filesystem;

namespace {

struct Ran {
    int status = -1;
    std::vector<std::string> messages; // standard error, line by line
};

std::string ShellWord(const std::string& word)
{
    std::string quoted = "'";
    for (const char c : word)
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

class EditCommandTest : public ::testing::Test {
protected:
    // boxmill-cli edit --new --out OUT.cab with `steps`.
    Ran edit(const std::vector<std::string>& steps)
    {
        std::string command = ShellWord(BOXMILL_CLI_PATH) + " --program-folder " + ShellWord(folder.path().string()) +
                              " edit --new --out " + ShellWord(out().string());
        for (const auto& step : steps)
            command += " " + ShellWord(step);
        command += " 2>" + ShellWord((folder.outside() / "err.txt").string());
        fs::remove(out());
        Ran ran;
        const int raw = std::system(command.c_str());
        ran.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
        std::istringstream err(test::ReadAllBytes(folder.outside() / "err.txt"));
        for (std::string line; std::getline(err, line);)
            ran.messages.push_back(line);
        return ran;
    }

    fs::path out() const { return folder.outside() / "out.cab"; }

    test::ProgramFolderCopy folder;
};

std::string Error(std::string_view text)
{
    return "error: " + std::string(text);
}

std::string Warning(std::string_view text)
{
    return "warning: " + std::string(text);
}

struct Item {
    int section;
    SectionItem item;
    int value; // or kMoved
};

// A partition's move is stored as its distance in drawing units.
constexpr int kMoved = -1;

} // namespace

TEST_F(EditCommandTest, RulesAndMessagesHoldStepByStep)
{
    ASSERT_TRUE(fs::exists(BOXMILL_CLI_PATH)) << "build boxmill-cli first";
    using S = SectionItem;
    // The section editor's rules above all. The default cabinet has one
    // section: a drawer, two doors, a shelf.
    const struct {
        const char* what;
        std::vector<std::string> steps;
        std::vector<std::string> messages; // without the closing list of refused steps
        std::vector<Item> items;           // of the saved cabinet
    } cases[] = {
        {"every limit, each refused step leaving the later ones to run",
         {"drawers", "5", "shelves", "5", "doors", "3", "mullions", "3", "partition", "2", "partition-shelves", "5",
          "partition-doors", "3"},
         {Error(kTooManyDrawers), Error(kTooManyShelves), Error(kTooManyDoors), Error(kTooManyMullions),
          Error(kOnePartitionOnly), Error(kTooManyShelves), Error(kTooManyDoors)},
         {}},
        {"removing drawers from a full bank lowers it, and the bank clears doors and shelves",
         {"drawers", "4", "bank", "2", "drawers", "1"},
         {Warning(kBankLostDrawer)},
         {{0, S::DrawerCount, 1}, {0, S::DrawerBanks, 1}, {0, S::DoorCount, 0}, {0, S::Shelves, 0}}},
        {"a bank larger than the drawers", {"drawers", "2", "bank", "3"}, {Error(kBankTooLarge)}, {}},
        {"a mullion offset on the only section", {"mullion-offset"}, {Error(MullionOffsetLimitMessage(1))}, {}},
        {"mullion offsets in every section",
         {"mullions", "2", "mullion-offset", "section", "2", "mullion-offset", "section", "3", "mullion-offset"},
         {Error(MullionOffsetLimitMessage(3))},
         {}},
        {"mullion offsets where the mullions allow",
         {"mullions", "2", "section", "3", "mullion-offset", "section", "1", "mullion-offset"},
         {},
         {{0, S::MullionOffset, 1}, {1, S::MullionOffset, 0}, {2, S::MullionOffset, 1}}},
        {"a partition moved up, with its own shelves and doors",
         {"partition", "1", "partition-shelves", "2", "partition-doors", "1", "partition-up"},
         {},
         {{0, S::Partition, 1},
          {0, S::PartitionShelves, 2},
          {0, S::PartitionDoors, 1},
          {0, S::Shelves, 1},
          {0, S::DoorCount, 2},
          {0, S::PartitionAbove, kMoved},
          {0, S::PartitionBelow, 0}}},
        {"a partition moved down",
         {"partition", "1", "partition-down"},
         {},
         {{0, S::PartitionAbove, 0}, {0, S::PartitionBelow, kMoved}}},
        {"a partition centred",
         {"partition", "1", "partition-up", "center-partition"},
         {},
         {{0, S::PartitionAbove, 0}}},
        {"a partition removed takes its opening with it",
         {"partition", "1", "partition-shelves", "3", "partition-up", "partition", "0"},
         {},
         {{0, S::Partition, 0}, {0, S::PartitionShelves, 0}, {0, S::PartitionAbove, 0}}},
        {"removed sections are emptied and the shown section follows",
         {"mullions", "2", "section", "3", "drawers", "2", "mullions", "0", "drawers", "3"},
         {},
         {{0, S::DrawerCount, 3}, {2, S::DrawerCount, 0}}},
        {"a section the cabinet does not have",
         {"section", "2", "drawers", "3"},
         {Error("Section 2 cannot be shown: the cabinet has 1 section.")},
         {}},
        {"a decimal the fraction box cannot take",
         {"param", "Cabinet Height", "30.51"},
         {Error(kBadFractionMessage)},
         {}},
        {"a radio choice turned off",
         {"option", "TopRabbit", "off"},
         {Error("TopRabbit cannot be turned off: it is one choice of TopRabbit, TopDado and TopButtJoint, and one of "
                "them is always chosen. Turn another one on instead.")},
         {}},
        {"a question nobody is there to answer",
         {"include", "Top", "on"},
         {Warning(std::string(kTopOrCarcassRailQuestion) + " (answered No)")},
         {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const Ran ran = edit(c.steps);
        // An error refuses a step, and so does a question nobody answered.
        const bool refused = std::any_of(c.messages.begin(), c.messages.end(), [](const std::string& m) {
            return m.starts_with("error: ") || m.ends_with("(answered No)");
        });
        ASSERT_EQ(ran.status, refused ? 1 : 0);
        auto messages = ran.messages;
        if (refused) {
            ASSERT_FALSE(messages.empty());
            EXPECT_TRUE(messages.back().starts_with("error: refused step")) << messages.back();
            messages.pop_back();
            EXPECT_FALSE(fs::exists(out())) << "a refused edit wrote its cabinet";
        }
        EXPECT_EQ(messages, c.messages);
        if (refused)
            continue;
        const auto saved = ReadCabinetFile(out());
        ASSERT_TRUE(saved) << saved.error();
        for (const auto& [section, item, value] : c.items) {
            const int stored = saved->sectionItem(section, item);
            EXPECT_TRUE(value == kMoved ? stored != 0 : stored == value)
                << "section " << section << " item " << static_cast<int>(item) << " holds " << stored;
        }
    }
}

TEST_F(EditCommandTest, StepsMakeTheCabinetTheWindowsMake)
{
    ASSERT_TRUE(fs::exists(BOXMILL_CLI_PATH)) << "build boxmill-cli first";
    const Ran ran = edit({"param",
                          "Cabinet Width",
                          "36 1/2",
                          "param",
                          "Toe Kick Height",
                          "4.25",
                          "mullions",
                          "2",
                          "section",
                          "2",
                          "drawers",
                          "1",
                          "shelves",
                          "0",
                          "section",
                          "3",
                          "partition",
                          "1",
                          "partition-shelves",
                          "2",
                          "partition-up",
                          "include",
                          "Door Mullions",
                          "on",
                          "option",
                          "TopDado",
                          "on",
                          "option",
                          "BlindCorner",
                          "on",
                          "option",
                          "BlindMate",
                          "on",
                          "option",
                          "DetachedBase",
                          "on",
                          "nailers",
                          "2",
                          "enable",
                          "Face1B",
                          "off",
                          "wood",
                          "Drawer Side",
                          "Hard Maple*0.625*7.25",
                          "hours",
                          "8",
                          "rate",
                          "62.5",
                          "section",
                          "1",
                          "mullion-offset"});
    ASSERT_EQ(ran.status, 0) << ::testing::PrintToString(ran.messages);
    EXPECT_TRUE(ran.messages.empty()) << ::testing::PrintToString(ran.messages);

    // The same edits as a user clicks and types them.
    test::ScriptedPrompter prompter;
    test::ScriptedDialogs dialogs;
    CabinetSession session(prompter, dialogs);
    ASSERT_EQ(session.startUp(folder.path()), StartUpOutcome::Ready);
    const auto& vocabulary = session.data().vocabulary;
    DesignerState designer;
    const auto editor = [&] { return DesignerControls(session.model(), designer); };
    // The designer redraws after each of its edits, as the window does.
    const auto designerEdit = [&](const std::string& name, DesignerEffect (*command)(SectionEditor&)) {
        EditSection(session, designer, name, command);
        DrawDesigner(session.model(), session.layout(), designer, 450);
    };
    const auto enter = [&](int count) {
        editor().selectDataInput(count);
        designerEdit(EnterEditName(designer), [](SectionEditor& e) { return e.enter(); });
    };
    const auto parameter = [&](const char* name) { return vocabulary.parameterIndexOfName(name).value(); };

    EditParameter(session, parameter("Cabinet Width"), {"36", "1/2"});
    EditParameter(session, parameter("Toe Kick Height"), {"4", "1/4"});
    editor().chooseMode(ModeButton::AddMullion);
    enter(2);
    editor().nextSection();
    editor().chooseMode(ModeButton::AddDrawer);
    enter(1);
    editor().chooseMode(ModeButton::AddShelves);
    enter(0);
    editor().nextSection();
    editor().chooseMode(ModeButton::AddShelves); // raised again, for the partition alone
    editor().chooseMode(ModeButton::AddPartition);
    enter(1);
    editor().chooseMode(ModeButton::AddShelves);
    enter(2);
    designerEdit("Move Partition Above Center", [](SectionEditor& e) { return e.movePartitionAboveCenter(); });
    EditInclude(session, IncludeItem::DoorMullions, true);
    EditOption(session, CabinetOption::TopDado, true, "Dado");
    EditBlindCorner(session, true);
    EditOption(session, CabinetOption::BlindMate, true, "Mate");
    EditRecordFlag(session, RecordOffset::DetachedBase, true, "Detached Base");
    EditNailerCount(session, 2);
    EditRecordFlag(session, RecordOffset::FaceEnabled + 4, false, "Face1B Enabled");
    const auto& parts = vocabulary.partNames();
    const auto side = std::find(parts.begin(), parts.end(), "Drawer Side") - parts.begin();
    EditPartWood(session, static_cast<int>(side) + 1,
                 EditBoxesFromItem("Hard Maple*0 5/8*7.25", session.model().units));
    EditHours(session, "8");
    EditCost(session, "62.5");
    editor().nextSection();
    designerEdit("Add Mullion Offset", [](SectionEditor& e) { return e.addMullionOffset(); });
    EXPECT_TRUE(prompter.shown.empty());
    ASSERT_EQ(designer.shownSection, 1);

    const fs::path windows = folder.outside() / "windows.cab";
    ASSERT_TRUE(session.saveCabinetFile(windows));
    const std::string made = test::ReadAllBytes(out());
    ASSERT_EQ(made.size(), 2564u);
    EXPECT_EQ(made, test::ReadAllBytes(windows));
    // The edits took: not two default cabinets compared.
    const auto saved = ReadCabinetFile(out()).value();
    EXPECT_EQ(saved.sectionCount(), 3);
    EXPECT_EQ(saved.paramText(parameter("Cabinet Width")), "36.5");
    EXPECT_EQ(saved.sectionItem(2, SectionItem::PartitionShelves), 2);
    EXPECT_EQ(saved.partStockText(static_cast<int>(side)), "0.625");
    EXPECT_EQ(saved.hours(), "8");
}
