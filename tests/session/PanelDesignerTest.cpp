// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/PanelDesigner.h"
#include "ProgramFolderCopy.h"
#include "RecordFixtures.h"
#include "ScriptedPrompter.h"
#include "core/CabinetFile.h"
#include "panels/PanelControls.h"
#include "session/CabinetSession.h"

#include <gtest/gtest.h>

#include <functional>
#include <optional>

using namespace boxmill;
namespace fs = std::filesystem;

namespace {

constexpr Opening L = Opening::Lower;
using C = PanelControl;

std::string StyleBytes(const PanelStyle& style)
{
    return {reinterpret_cast<const char*>(style.bytes().data()), style.bytes().size()};
}

class PanelDesignerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_EQ(session.startUp(folder.path()), StartUpOutcome::Ready);
        newPanel = test::ReadAllBytes(folder / "Newpanel.dat");
    }

    fs::path userFile(const std::string& name) const { return folder.outside() / name; }

    // The style, the cabinet and the panel file's name, all of which a
    // refused command must leave as they were.
    struct State {
        PanelStyle style;
        CabinetRecord record;
        std::string name;
        bool operator==(const State&) const = default;
    };
    State state() const { return {session.model().panelStyle, session.model().record, panels.panelStyleName()}; }

    test::ProgramFolderCopy folder;
    test::ScriptedPrompter prompter;
    test::ScriptedDialogs dialogs;
    CabinetSession session {prompter, dialogs};
    PanelDesigner panels {session};
    std::string newPanel;
};

} // namespace

TEST_F(PanelDesignerTest, SaveAsKeepsALongerFilesTailAndOpenRefusesAShortFile)
{
    std::string library(52, '\0');
    for (std::size_t i = 26; i < library.size(); ++i)
        library[i] = static_cast<char>(0xA0 + i);
    test::WriteAllBytes(userFile("Library.rpl"), library);
    ASSERT_TRUE(panels.setPanelsOffset(L, true));
    dialogs.choices = {userFile("Library.rpl")};
    ASSERT_TRUE(panels.savePanelAs());
    EXPECT_EQ(dialogs.requests.back().title, "Save Raised Panel As");
    EXPECT_EQ(dialogs.requests.back().defaultExtension, "rpl");
    EXPECT_TRUE(dialogs.requests.back().confirmOverwrite);
    const std::string saved = test::ReadAllBytes(userFile("Library.rpl"));
    EXPECT_EQ(saved.substr(0, 26), StyleBytes(session.model().panelStyle));
    EXPECT_EQ(saved.substr(26), library.substr(26)) << "the second record survives";
    EXPECT_EQ(panels.buffer(), session.model().panelStyle);
    EXPECT_EQ(panels.panelStyleName(), fs::path(folder.outside()).filename().string() + "\\Library.rpl");
    EXPECT_TRUE(panels.savePanelEnabled());
    EXPECT_FALSE(panels.panelModified());

    test::WriteAllBytes(userFile("Short.rpl"), std::string(10, '\1'));
    ASSERT_TRUE(panels.setControl(L, 0, C::DoublePanel, true));
    const State before = state();
    prompter.answers = {false};
    for (const char* name : {"Short.rpl", "Missing.rpl"}) {
        dialogs.choices = {userFile(name)};
        EXPECT_FALSE(panels.openPanelLibrary()) << name;
        EXPECT_TRUE(state() == before) << name;
        ASSERT_FALSE(prompter.shown.empty());
        EXPECT_EQ(prompter.shown.back().kind, MessageKind::Error);
        EXPECT_NE(prompter.shown.back().text.find(name), std::string::npos) << prompter.shown.back().text;
    }
    // Save still writes the file the window names.
    ASSERT_TRUE(panels.savePanel());
    EXPECT_EQ(test::ReadAllBytes(userFile("Library.rpl")).substr(0, 26), StyleBytes(session.model().panelStyle));

    dialogs.choices = {userFile("Library.rpl")};
    ASSERT_TRUE(panels.newPanel());
    ASSERT_TRUE(panels.openPanelLibrary());
    EXPECT_TRUE(session.model().panelStyle.control(L, 0, C::DoublePanel));
    EXPECT_TRUE(session.model().panelStyle.panelsOffset(L));
}

TEST_F(PanelDesignerTest, CancelToEachQuestionGoesOnAndForgetsTheUnsavedPanel)
{
    test::WriteAllBytes(userFile("Other.rpl"), std::string(26, '\1'));
    struct Case {
        const char* question;
        std::function<void()> command;
    };
    const Case cases[] = {
        {kSavePanelBeforeNewQuestion, [&] { EXPECT_TRUE(panels.newPanel()); }},
        {kSavePanelBeforeOpenQuestion,
         [&] {
             dialogs.choices = {userFile("Other.rpl")};
             EXPECT_TRUE(panels.openPanelLibrary());
         }},
    };
    for (const Case& c : cases) {
        ASSERT_TRUE(
            panels.setControl(L, 0, C::NegativeOffset, !session.model().panelStyle.control(L, 0, C::NegativeOffset)));
        prompter.asked.clear();
        prompter.answers = {false};
        const auto requests = dialogs.requests.size();
        c.command();
        ASSERT_EQ(prompter.asked.size(), 1u) << c.question;
        EXPECT_EQ(prompter.asked[0].text, c.question);
        EXPECT_EQ(prompter.asked[0].kind, MessageKind::Warning);
        EXPECT_FALSE(panels.panelModified()) << c.question;
        for (auto i = requests; i < dialogs.requests.size(); ++i)
            EXPECT_NE(dialogs.requests[i].title, "Save Raised Panel As") << c.question;
    }
    // OK saves first, here a change to the template's style.
    ASSERT_TRUE(panels.newPanel());
    ASSERT_TRUE(panels.setControl(L, 0, C::NegativeOffset, true));
    prompter.answers = {true};
    dialogs.choices = {userFile("First.rpl")};
    ASSERT_TRUE(panels.newPanel());
    EXPECT_EQ(test::ReadAllBytes(userFile("First.rpl")).at(2), 1);
    EXPECT_EQ(StyleBytes(session.model().panelStyle), newPanel);
    EXPECT_FALSE(panels.savePanelEnabled()) << "New disables Save";
}

// Closing the window is the one question that may stop its command: Cancel,
// or a save that did not happen, keeps the window and the unsaved panel.
TEST_F(PanelDesignerTest, ClosingWithAnUnsavedPanelUnderEachAnswer)
{
    const struct {
        const char* what;
        SaveChoice choice;
        std::optional<fs::path> saveAs;
        bool closes;
    } cases[] = {
        {"Cancel", SaveChoice::Cancel, std::nullopt, false},
        {"Save, its dialog cancelled", SaveChoice::Save, std::nullopt, false},
        {"Save", SaveChoice::Save, userFile("Closing.rpl"), true},
        {"Discard", SaveChoice::Discard, std::nullopt, true},
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(
            panels.setControl(L, 0, C::NegativeOffset, !session.model().panelStyle.control(L, 0, C::NegativeOffset)));
        prompter.asked.clear();
        prompter.saveChoices = {c.choice};
        if (c.choice == SaveChoice::Save)
            dialogs.choices = {c.saveAs};
        EXPECT_EQ(panels.closing(), c.closes) << c.what;
        ASSERT_EQ(prompter.asked.size(), 1u) << c.what;
        EXPECT_EQ(prompter.asked[0].text, kSavePanelBeforeExitQuestion);
        EXPECT_EQ(panels.panelModified(), !c.closes) << c.what;
    }
    EXPECT_TRUE(fs::exists(userFile("Closing.rpl")));
    // Nothing unsaved: no question.
    prompter.asked.clear();
    EXPECT_TRUE(panels.closing());
    EXPECT_TRUE(prompter.asked.empty());
}

TEST_F(PanelDesignerTest, AMissingNewpanelStopsNewWithTheCabinetAsItWas)
{
    ASSERT_TRUE(panels.setControl(L, 0, C::DoublePanel, true));
    fs::remove(folder / "Newpanel.dat");
    prompter.answers = {false};
    const State before = state();
    EXPECT_FALSE(panels.newPanel());
    EXPECT_TRUE(state() == before);
    ASSERT_EQ(prompter.shown.size(), 1u);
    EXPECT_NE(prompter.shown[0].text.find("Newpanel.dat"), std::string::npos) << prompter.shown[0].text;
}

TEST_F(PanelDesignerTest, AOneSectionCabinetKeepsAStoredSection3DoublePanelThroughItsSaves)
{
    ASSERT_EQ(session.model().sectionCount, 1);
    PanelStyle stored = PanelStyle::FormDefaults();
    stored.setControl(L, 2, C::DoublePanel, true);
    test::WriteAllBytes(userFile("ThirdSection.rpl"), StyleBytes(stored));
    ASSERT_TRUE(panels.openPanelFile(userFile("ThirdSection.rpl")));
    const auto enabled = PanelControlStates(session.model().panelStyle, 1);
    EXPECT_FALSE(enabled.at(L, 2).doublePanel);
    ASSERT_TRUE(panels.setControl(L, 0, C::DoublePanel, true));

    dialogs.choices = {userFile("Saved.rpl")};
    ASSERT_TRUE(panels.savePanelAs());
    EXPECT_EQ(test::ReadAllBytes(userFile("Saved.rpl")).at(9), 1); // DoublePanelC
    ASSERT_TRUE(session.saveCabinetFile(userFile("One.cab")));
    const auto cabinet = ReadCabinetFile(userFile("One.cab"));
    ASSERT_TRUE(cabinet);
    EXPECT_EQ(cabinet->byte(RecordOffset::RaisedPanel + 9), 1);
    EXPECT_EQ(cabinet->sectionItem(2, SectionItem::DoublePanel), 1);
    EXPECT_EQ(cabinet->byte(RecordOffset::RaisedPanel + 1), 1); // DoublePanelA
}

// The panel file and the cabinet file are named apart: no panel command
// changes what "Save Cabinet" writes, and New does not let "Save Raised
// Panel" write over the panel opened before it.
TEST_F(PanelDesignerTest, PanelCommandsLeaveTheCabinetsFileAloneAndNewForgetsTheOpenedPanel)
{
    dialogs.choices = {userFile("Kitchen.cab")};
    ASSERT_TRUE(session.saveCabinetAs());
    const std::string opened = StyleBytes(PanelStyle::FormDefaults());
    test::WriteAllBytes(userFile("Opened.rpl"), opened);
    dialogs.choices = {userFile("Opened.rpl"), userFile("SavedAs.rpl")};
    ASSERT_TRUE(panels.openPanelLibrary());
    ASSERT_TRUE(panels.setPanelsOffset(L, true));
    ASSERT_TRUE(panels.savePanelAs());

    ASSERT_TRUE(session.saveCabinet());
    EXPECT_EQ(test::ReadAllBytes(userFile("Kitchen.cab")).size(), static_cast<std::size_t>(RecordOffset::Size));
    EXPECT_EQ(test::ReadAllBytes(userFile("SavedAs.rpl")).size(), 26u);
    EXPECT_EQ(session.model().folders.cabinetName, "Kitchen.cab");

    ASSERT_TRUE(panels.newPanel());
    ASSERT_TRUE(panels.setPanelsOffset(L, true));
    ASSERT_TRUE(panels.savePanel());
    EXPECT_EQ(test::ReadAllBytes(userFile("Opened.rpl")), opened);
    const fs::path untitled = session.model().folders.cabinetFolder / "Untitled.rpl";
    EXPECT_EQ(test::ReadAllBytes(untitled), StyleBytes(session.model().panelStyle));
    EXPECT_EQ(panels.panelStyleName(), PanelShortName(untitled));
}
