// SPDX-License-Identifier: GPL-3.0-or-later
// Undo and redo through the session, for every kind of edit a window makes.
#include "ProgramFolderCopy.h"
#include "ScriptedPrompter.h"
#include "core/IncludeParts.h"
#include "core/ParameterEntry.h"
#include "core/ParameterIndex.h"
#include "cutlist/WoodSettings.h"
#include "designer/SectionEditor.h"
#include "session/CabinetSession.h"

#include <gtest/gtest.h>

#include <functional>

using namespace boxmill;

namespace {

using Apply = std::function<void(CabinetModel&, LayoutResult&, Prompter&)>;

struct EditCase {
    const char* name;
    Apply apply;
    EditOptions options;
};

class EditHistoryTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(session.startUp(folder.path()), StartUpOutcome::Ready); }

    bool run(const EditCase& edit)
    {
        return session.edit(
            edit.name, [&](CabinetModel& model, LayoutResult& layout) { edit.apply(model, layout, prompter); },
            edit.options);
    }
    bool enterWidth(const char* inches)
    {
        return run({"Cabinet Width",
                    [inches](CabinetModel& model, LayoutResult&, Prompter& p) {
                        EnterParameter(model, Param::Width, {inches, "0"}, p);
                    },
                    {Recalc::AfterEntry}});
    }
    CabinetRecord saved() const { return session.model.recordForSave(); }

    test::ProgramFolderCopy folder;
    test::ScriptedPrompter prompter;
    test::ScriptedDialogs dialogs;
    CabinetSession session {prompter, dialogs};
};

DesignerEffect AddThreeDrawers(CabinetModel& model, LayoutResult& layout, Prompter& prompter)
{
    DesignerState state;
    SectionEditor editor(model, layout, prompter, state);
    editor.chooseMode(ModeButton::AddDrawer);
    editor.selectDataInput(3);
    return editor.enter();
}

const EditCase kEdits[] = {
    {"Cabinet Width",
     [](CabinetModel& m, LayoutResult&, Prompter& p) {
         EnterParameter(m, Param::Width, {"30", "1/2"}, p);
     },
     {Recalc::AfterEntry}},
    {"Toe Kick",
     [](CabinetModel& m, LayoutResult&, Prompter&) {
         SetIncludeItem(m, IncludeItem::ToeKick, !m.include(IncludeItem::ToeKick));
     },
     {}},
    {"Center Divider",
     [](CabinetModel& m, LayoutResult&, Prompter&) {
         m.options.set(CabinetOption::SetDivider1, !m.options[CabinetOption::SetDivider1]);
     },
     {}},
    {"Blind Corner", [](CabinetModel& m, LayoutResult&, Prompter&) { m.setBlindCorner(true); }, {}},
    {"Nailer Count", [](CabinetModel& m, LayoutResult&, Prompter&) { m.options.nailerCount = 3; }, {}},
    {"Add Drawers", [](CabinetModel& m, LayoutResult& l, Prompter& p) { AddThreeDrawers(m, l, p); }, {Recalc::Done}},
    {"FaceA1 Enabled",
     [](CabinetModel& m, LayoutResult&, Prompter&) {
         m.record.setFlag(RecordOffset::FaceEnabled, !m.record.flag(RecordOffset::FaceEnabled));
     },
     {}},
    {"Wood Of Top",
     [](CabinetModel& m, LayoutResult&, Prompter& p) {
         ASSERT_TRUE(ChangeWoodSettings(m, 1, {"Walnut", "1", "0", "12"}, p));
     },
     {}},
    {"Hours", [](CabinetModel& m, LayoutResult&, Prompter&) { m.record.setHours("7.5"); }, {Recalc::Done, true}},
    {"Raised Panel Sides",
     [](CabinetModel& m, LayoutResult&, Prompter&) { m.options.raisedPanelSides = !m.options.raisedPanelSides; },
     {}},
};

} // namespace

TEST_F(EditHistoryTest, EveryKindOfEditIsUndoneAndRedoneWithItsLayout)
{
    for (const EditCase& edit : kEdits) {
        SCOPED_TRACE(edit.name);
        const CabinetRecord before = saved();
        const LayoutResult layoutBefore = session.layout;
        ASSERT_TRUE(run(edit));
        const CabinetRecord after = saved();
        const std::string grid = session.layout.grid[0][0];
        EXPECT_NE(after, before);
        EXPECT_TRUE(session.modified());
        EXPECT_EQ(session.undoName(), edit.name);

        ASSERT_TRUE(session.undo());
        EXPECT_EQ(saved(), before);
        EXPECT_EQ(session.layout.grid, layoutBefore.grid);
        EXPECT_EQ(session.redoName(), edit.name);

        ASSERT_TRUE(session.redo());
        EXPECT_EQ(saved(), after);
        EXPECT_EQ(session.layout.grid[0][0], grid);
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
    EXPECT_EQ(session.model.param(Param::Width), 30.0);
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
        session.edit("Hours", [&](CabinetModel& m, LayoutResult&) { m.record.setHours(typed); }, {Recalc::Done, true});
    EXPECT_EQ(session.historySize(), 2u);
    ASSERT_TRUE(session.undo());
    EXPECT_FALSE(session.modified());
}

TEST_F(EditHistoryTest, NewAndOpenStartAFreshHistory)
{
    ASSERT_TRUE(enterWidth("30"));
    prompter.answers = {false}; // do not save the edits
    ASSERT_TRUE(session.newCabinet());
    EXPECT_FALSE(session.canUndo());
    EXPECT_FALSE(session.modified());
    EXPECT_EQ(session.model.param(Param::Width), 24.0);
}
