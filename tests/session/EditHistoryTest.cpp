// SPDX-License-Identifier: GPL-3.0-or-later
// Undo and redo through the session, for every kind of edit a window makes.
#include "ProgramFolderCopy.h"
#include "ScriptedPrompter.h"
#include "core/IncludeParts.h"
#include "core/ParameterIndex.h"
#include "core/RecordFieldNames.h"
#include "cutlist/WoodEditBoxes.h"
#include "designer/DesignerControls.h"
#include "session/CabinetSession.h"
#include "session/EditCommands.h"

#include <gtest/gtest.h>

#include <functional>

using namespace boxmill;

namespace {

using Apply = std::function<bool(CabinetSession&)>;

struct EditCase {
    const char* name;
    Apply apply;
};

class EditHistoryTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(session.startUp(folder.path()), StartUpOutcome::Ready); }

    bool enterWidth(const char* inches) { return EditParameter(session, Param::Width, {inches, "0"}); }
    CabinetRecord saved() const { return session.model().recordForSave(); }

    test::ProgramFolderCopy folder;
    test::ScriptedPrompter prompter;
    test::ScriptedDialogs dialogs;
    CabinetSession session {prompter, dialogs};
};

// The edits of every window, through the commands the windows call.
const EditCase kEdits[] = {
    {"Cabinet Width",
     [](CabinetSession& s) {
         return EditParameter(s, Param::Width, {"30", "1/2"});
     }},
    {"Toe Kick/Sleepers",
     [](CabinetSession& s) { return EditInclude(s, IncludeItem::ToeKick, !s.model().include(IncludeItem::ToeKick)); }},
    {"Set Divider",
     [](CabinetSession& s) {
         return EditOption(s, CabinetOption::SetDivider1, !s.model().options[CabinetOption::SetDivider1],
                           "Set Divider");
     }},
    {"Blind Corner", [](CabinetSession& s) { return EditBlindCorner(s, true); }},
    {"Nailer Count", [](CabinetSession& s) { return EditNailerCount(s, 3); }},
    {"Add Drawers",
     [](CabinetSession& s) {
         DesignerState state;
         DesignerControls controls(s.model(), state);
         controls.chooseMode(ModeButton::AddDrawer);
         controls.selectDataInput(3);
         bool changed = false;
         EditSection(
             s, state, "Add Drawers", [](SectionEditor& e) { return e.enter(); }, &changed);
         return changed;
     }},
    {"FaceA1 Enabled",
     [](CabinetSession& s) {
         return EditRecordFlag(s, RecordOffset::FaceEnabled, !s.model().record.flag(RecordOffset::FaceEnabled),
                               "FaceA1 Enabled");
     }},
    {"Wood Of Top",
     [](CabinetSession& s) {
         return EditPartWood(s, 1, {"Walnut", "1", "0", "12"});
     }},
    {"Hours", [](CabinetSession& s) { return EditHours(s, "7.5"); }},
    {"Raised Panel Sides",
     [](CabinetSession& s) { return EditRaisedPanelSides(s, !s.model().options.raisedPanelSides); }},
};

} // namespace

TEST_F(EditHistoryTest, EveryKindOfEditIsUndoneAndRedoneWithItsLayout)
{
    for (const EditCase& edit : kEdits) {
        SCOPED_TRACE(edit.name);
        const CabinetRecord before = saved();
        const LayoutResult layoutBefore = session.layout();
        ASSERT_TRUE(edit.apply(session));
        const CabinetRecord after = saved();
        const std::string grid = session.layout().grid[0][0];
        EXPECT_NE(after, before);
        EXPECT_TRUE(session.modified());
        EXPECT_EQ(session.undoName(), edit.name);

        ASSERT_TRUE(session.undo());
        EXPECT_EQ(saved(), before);
        EXPECT_EQ(session.layout().grid, layoutBefore.grid);
        EXPECT_EQ(session.redoName(), edit.name);

        ASSERT_TRUE(session.redo());
        EXPECT_EQ(saved(), after);
        EXPECT_EQ(session.layout().grid[0][0], grid);
    }
    // Back to the cabinet as it started, one edit at a time.
    while (session.undo()) { }
    EXPECT_FALSE(session.modified());
    EXPECT_TRUE(prompter.shown.empty());
}

TEST_F(EditHistoryTest, TheModifiedMarkFollowsTheSavedStateThroughUndoAndRedo)
{
    ASSERT_TRUE(enterWidth("30"));
    dialogs.choices = {folder.outside() / "Kitchen.cab"};
    ASSERT_TRUE(session.saveCabinetAs());
    EXPECT_FALSE(session.modified());

    ASSERT_TRUE(enterWidth("31"));
    EXPECT_TRUE(session.modified());
    ASSERT_TRUE(session.undo());
    EXPECT_FALSE(session.modified()) << "back at the saved state";
    ASSERT_TRUE(session.undo());
    EXPECT_TRUE(session.modified()) << "before the saved state";
    ASSERT_TRUE(session.redo());
    EXPECT_FALSE(session.modified());

    // A new branch from before the save can never lead back to it.
    ASSERT_TRUE(session.undo());
    ASSERT_TRUE(enterWidth("33"));
    ASSERT_TRUE(session.undo());
    EXPECT_TRUE(session.modified());
}

TEST_F(EditHistoryTest, UndoKeepsTheFileNameZoomAndTheirDrawingUnits)
{
    ASSERT_TRUE(enterWidth("30"));
    dialogs.choices = {folder.outside() / "Kitchen.cab"};
    ASSERT_TRUE(session.saveCabinetAs());
    session.toggleZoom();
    ASSERT_EQ(session.model().drawScale, 2);
    const auto zoomedUnits = session.model().paramUnits;

    ASSERT_TRUE(session.undo());
    EXPECT_EQ(session.model().param(Param::Width), 24.0);
    EXPECT_EQ(session.model().folders.cabinetName, "Kitchen.cab");
    EXPECT_TRUE(session.model().saveCabinetEnabled);
    EXPECT_EQ(session.model().drawScale, 2);
    // The widths differ, the rest of the drawing units are still the zoomed ones.
    EXPECT_EQ(session.model().paramUnits[Param::Height], zoomedUnits[Param::Height]);
    ASSERT_TRUE(session.redo());
    EXPECT_EQ(session.model().paramUnits, zoomedUnits);
}

TEST_F(EditHistoryTest, ANewEditDropsTheRedoBranch)
{
    ASSERT_TRUE(enterWidth("30"));
    ASSERT_TRUE(enterWidth("31"));
    ASSERT_TRUE(session.undo());
    EXPECT_TRUE(session.canRedo());
    ASSERT_TRUE(enterWidth("40"));
    EXPECT_FALSE(session.canRedo());
    EXPECT_FALSE(session.redo());
    ASSERT_TRUE(session.undo());
    EXPECT_EQ(session.model().param(Param::Width), 30.0);
}

TEST_F(EditHistoryTest, RefusedAndUnchangedEntriesAreNoStepAndTypingIsOne)
{
    prompter.answers.clear();
    EXPECT_FALSE(enterWidth("abc"));
    EXPECT_EQ(prompter.shown.size(), 1u);
    EXPECT_FALSE(enterWidth("24")) << "the default cabinet is 24 inches wide already";
    EXPECT_FALSE(session.canUndo());
    EXPECT_FALSE(session.modified());

    for (const char* typed : {"1", "12", "12.5"})
        EditHours(session, typed);
    EXPECT_EQ(session.historySize(), 2u);
    ASSERT_TRUE(session.undo());
    EXPECT_FALSE(session.modified());
}

TEST_F(EditHistoryTest, NewAndOpenStartAFreshHistory)
{
    ASSERT_TRUE(enterWidth("30"));
    prompter.saveChoices = {SaveChoice::Discard};
    ASSERT_TRUE(session.newCabinet());
    EXPECT_FALSE(session.canUndo());
    EXPECT_FALSE(session.modified());
    EXPECT_EQ(session.model().param(Param::Width), 24.0);
}
