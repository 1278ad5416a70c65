// SPDX-License-Identifier: GPL-3.0-or-later
// No lost work and no stale figures: what the running program keeps across
// a unit switch and shows after each edit.
#include "ProgramFolderCopy.h"
#include "ScriptedPrompter.h"
#include "core/FileIo.h"
#include "core/ParameterIndex.h"
#include "cutlist/CutlistFile.h"
#include "cutlist/JobTotal.h"
#include "cutlist/WoodEstimate.h"
#include "session/CabinetSession.h"
#include "session/CutListCommands.h"
#include "session/EditCommands.h"
#include "session/UnitSwitch.h"

#include <gtest/gtest.h>

using namespace boxmill;
namespace fs = std::filesystem;

namespace {

class WorkflowTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(session.startUp(folder.path()), StartUpOutcome::Ready); }

    test::ProgramFolderCopy folder;
    test::ScriptedPrompter prompter;
    test::ScriptedDialogs dialogs;
    CabinetSession session {prompter, dialogs};
};

} // namespace

TEST_F(WorkflowTest, AUnitSwitchKeepsTheCabinetItsNameAndItsUnsavedEdits)
{
    dialogs.choices = {folder.outside() / "Vanity.cab"};
    ASSERT_TRUE(session.saveCabinetAs());
    ASSERT_TRUE(EditParameter(session, Param::Width, {"30", "1/2"}));
    const CabinetRecord edited = session.model().recordForSave();

    prompter.answers = {true};
    ASSERT_EQ(SwitchUnits(session, UnitMode::Metric), StartUpOutcome::Ready);
    EXPECT_EQ(session.model().units, UnitMode::Metric);
    EXPECT_EQ(session.model().recordForSave(), edited);
    EXPECT_EQ(ShowParameter(session.model(), Param::Width).inches, "775");
    EXPECT_EQ(session.model().folders.cabinetName, "Vanity.cab");
    EXPECT_TRUE(session.modified());
    EXPECT_TRUE(session.model().saveCabinetEnabled);

    // Saved in metric, the same cabinet comes back in inches unchanged.
    ASSERT_TRUE(session.saveCabinet());
    prompter.answers = {true};
    ASSERT_EQ(SwitchUnits(session, UnitMode::Inches), StartUpOutcome::Ready);
    EXPECT_FALSE(session.modified());
    EXPECT_EQ(session.model().param(Param::Width), 30.5);
}

TEST_F(WorkflowTest, TheViewerTheCostAndTheEditorFollowEveryEdit)
{
    ShowCutList(session, CutListKind::Complete);
    const auto before = session.cutList().viewer.rows;
    const std::string totalBefore = session.cost().jobTotalText();
    ASSERT_TRUE(EditParameter(session, Param::Width, {"36", "0"}));
    EXPECT_NE(session.cutList().viewer.rows, before);
    EXPECT_NE(session.cost().jobTotalText(), totalBefore);

    // The same as a build made now, and back again with Undo.
    const auto rebuilt = session.cutList().viewer.rows;
    EXPECT_EQ(ShowCutList(session, CutListKind::Complete).rows, rebuilt);
    ASSERT_TRUE(session.undo());
    EXPECT_EQ(session.cutList().viewer.rows, before);
    EXPECT_EQ(session.cost().jobTotalText(), totalBefore);

    // Typing the labour updates the total with two decimals; labour that
    // cannot be used is refused with its range, and the last good value and
    // its total stay.
    ASSERT_TRUE(EditHours(session, "10"));
    const std::string tenHours = session.cost().jobTotalText();
    EXPECT_NE(tenHours, totalBefore);
    EXPECT_EQ(tenHours.size() - tenHours.find('.'), 3u) << tenHours;
    EXPECT_TRUE(prompter.shown.empty());
    const std::size_t steps = session.historySize();
    for (const char* typed : {"", "abc", "-5", "1e99", "12345"}) {
        prompter.shown.clear();
        EXPECT_FALSE(EditHours(session, typed)) << typed;
        ASSERT_EQ(prompter.shown.size(), 1u) << typed;
        EXPECT_EQ(prompter.shown[0].text, kHoursRangeMessage);
    }
    for (const char* typed : {"", "abc", "-5", "1e99", "123456"}) {
        prompter.shown.clear();
        EXPECT_FALSE(EditCost(session, typed)) << typed;
        ASSERT_EQ(prompter.shown.size(), 1u) << typed;
        EXPECT_EQ(prompter.shown[0].text, kLabourRateRangeMessage);
    }
    EXPECT_EQ(session.model().record.hours(), "10");
    EXPECT_EQ(session.cost().jobTotalText(), tenHours);
    EXPECT_EQ(session.historySize(), steps);
}

TEST_F(WorkflowTest, ACabinetCostsTheSameInBothUnitsAndAUnitSwitchKeepsItsFigures)
{
    const fs::path kitchen = fs::path(BOXMILL_DATA_DIR).parent_path() / "examples" / "kitchen";
    const fs::path cabinets[] = {{},
                                 kitchen / "Pantry.cab",
                                 kitchen / "Sink.cab",
                                 kitchen / "DrawerBase.cab",
                                 fs::path(BOXMILL_TEST_DATA_DIR) / "Busy.cab"};
    const auto figures = [&] {
        std::vector<std::string> shown;
        for (const auto& row : session.cost().cost().rows)
            shown.push_back(row.wood + " " + MoneyText(row.price) + " " + MoneyText(row.cost));
        const auto estimate =
            EstimateWood(session.model(), session.data().vocabulary.partNames(), session.woodSettings());
        shown.push_back("estimate " + MoneyText(estimate.totalCost));
        shown.push_back("job " + session.cost().jobTotalText());
        return shown;
    };
    for (const auto& cabinet : cabinets) {
        SCOPED_TRACE(cabinet.filename().string());
        prompter.saveChoices = {SaveChoice::Discard};
        if (!cabinet.empty()) {
            ASSERT_TRUE(session.openRecentCabinet(cabinet));
        }
        ASSERT_TRUE(EditHours(session, "7.5"));
        ShowCutList(session, CutListKind::Complete);
        const auto inches = figures();
        const auto inchRows = session.cutList().viewer.rows;
        prompter.answers = {true};
        ASSERT_EQ(SwitchUnits(session, UnitMode::Metric), StartUpOutcome::Ready);
        EXPECT_EQ(figures(), inches);
        // The list on screen stays, in millimetres.
        const auto kept = session.cutList().viewer.rows;
        EXPECT_NE(kept, inchRows);
        EXPECT_EQ(kept, ShowCutList(session, CutListKind::Complete).rows);
        prompter.answers = {true};
        ASSERT_EQ(SwitchUnits(session, UnitMode::Inches), StartUpOutcome::Ready);
        EXPECT_EQ(session.cutList().viewer.rows, inchRows);
    }
}

TEST_F(WorkflowTest, SaveCutlistEditorToFileWritesTheListingOnScreen)
{
    ASSERT_TRUE(OpenCutlistEditor(session, ListingBuild::All, "03/14/26"));
    ASSERT_TRUE(EditParameter(session, Param::Width, {"40", "0"}));
    const auto shown = session.cutList().listing->cutlistFile;
    dialogs.choices = {folder.outside() / "Export.txt"};
    ASSERT_TRUE(SaveCutlistEditorToFile(session.model(), session.cutList(), dialogs, prompter));
    EXPECT_EQ(ReadFileBytes(folder.outside() / "Export.txt").value(), JoinLinesCrLf(shown));
    EXPECT_NE(ReadFileBytes(folder / "Cutlist.txt").value(), JoinLinesCrLf(shown))
        << "the file keeps the last explicit build; the export follows the edit";
}
