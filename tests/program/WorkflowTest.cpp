// SPDX-License-Identifier: GPL-3.0-or-later
// No lost work and no stale figures: what the running program keeps across
// a unit switch and shows after each edit.
#include "ProgramFolderCopy.h"
#include "ScriptedPrompter.h"
#include "core/FileIo.h"
#include "core/ParameterIndex.h"
#include "cutlist/CutlistFile.h"
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
    const CabinetRecord edited = session.model.recordForSave();

    prompter.answers = {true};
    ASSERT_EQ(SwitchUnits(session, UnitMode::Metric), StartUpOutcome::Ready);
    EXPECT_EQ(session.model.units, UnitMode::Metric);
    EXPECT_EQ(session.model.recordForSave(), edited);
    EXPECT_EQ(ShowParameter(session.model, Param::Width).inches, "775");
    EXPECT_EQ(session.model.folders.cabinetName, "Vanity.cab");
    EXPECT_TRUE(session.modified());
    EXPECT_TRUE(session.model.saveCabinetEnabled);

    // Saved in metric, the same cabinet comes back in inches unchanged.
    ASSERT_TRUE(session.saveCabinet());
    prompter.answers = {true};
    ASSERT_EQ(SwitchUnits(session, UnitMode::Inches), StartUpOutcome::Ready);
    EXPECT_FALSE(session.modified());
    EXPECT_EQ(session.model.param(Param::Width), 30.5);
}

TEST_F(WorkflowTest, TheViewerTheCostAndTheEditorFollowEveryEdit)
{
    ShowCutList(session, CutListKind::Complete);
    const auto before = session.cutList.viewer.rows;
    const std::string totalBefore = session.cost.jobTotalText();
    ASSERT_TRUE(EditParameter(session, Param::Width, {"36", "0"}));
    EXPECT_NE(session.cutList.viewer.rows, before);
    EXPECT_NE(session.cost.jobTotalText(), totalBefore);

    // The same as a build made now, and back again with Undo.
    const auto rebuilt = session.cutList.viewer.rows;
    EXPECT_EQ(ShowCutList(session, CutListKind::Complete).rows, rebuilt);
    ASSERT_TRUE(session.undo());
    EXPECT_EQ(session.cutList.viewer.rows, before);
    EXPECT_EQ(session.cost.jobTotalText(), totalBefore);

    // Typing the labour updates the total with two decimals, and a box that
    // holds no number yet keeps it without a message.
    ASSERT_TRUE(EditHours(session, "10"));
    const std::string tenHours = session.cost.jobTotalText();
    EXPECT_NE(tenHours, totalBefore);
    EXPECT_EQ(tenHours.size() - tenHours.find('.'), 3u) << tenHours;
    EditHours(session, "");
    EXPECT_EQ(session.cost.jobTotalText(), tenHours);
    EXPECT_TRUE(prompter.shown.empty());
}

TEST_F(WorkflowTest, SaveCutlistEditorToFileWritesTheListingOnScreen)
{
    ASSERT_TRUE(OpenCutlistEditor(session, ListingBuild::All, "03/14/26"));
    ASSERT_TRUE(EditParameter(session, Param::Width, {"40", "0"}));
    const auto shown = session.cutList.listing->cutlistFile;
    dialogs.choices = {folder.outside() / "Export.txt"};
    ASSERT_TRUE(SaveCutlistEditorToFile(session.model, session.cutList, dialogs, prompter));
    EXPECT_EQ(ReadFileBytes(folder.outside() / "Export.txt").value(), JoinLinesCrLf(shown));
    EXPECT_NE(ReadFileBytes(folder / "Cutlist.txt").value(), JoinLinesCrLf(shown))
        << "the file keeps the last explicit build; the export follows the edit";
}
