// SPDX-License-Identifier: GPL-3.0-or-later
// Cutlist.txt and "Save Cutlist Editor To File" on a running program.
#include "RecordFixtures.h"
#include "TempFolder.h"
#include "cutlist/CutListFixture.h"

#include "core/CabinetFile.h"
#include "cutlist/CutlistEditor.h"
#include "cutlist/CutlistFile.h"
#include "cutlist/StockSizeCheck.h"
#include "geometry/Calculators.h"
#include "session/CabinetSession.h"
#include "session/CutListCommands.h"
#include "session/SessionAccess.h"

using namespace boxmill;
using namespace boxmill::test;
namespace fs = std::filesystem;

TEST(CutlistFileLine, PlainFieldsAsTheyAreAndCommasQuoted)
{
    EXPECT_EQ(CutlistFileLine("Stile(s)", "1 1/2", "30 ", "2", "Red Oak-3/4", "Base\\Untitled.cab"),
              "Stile(s),1 1/2,30 ,2,Red Oak-3/4,Base\\Untitled.cab");
    EXPECT_EQ(CutlistFileLine("Top", "23 ", "44 1/2", "1", "Oak, quartered-3/4", "My \"best\".cab"),
              "Top,23 ,44 1/2,1,\"Oak, quartered-3/4\",\"My \"\"best\"\".cab\"");
}

namespace {

// A program folder of the shipped data files with the default cabinet.
class CutlistFileTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        fs::copy(BOXMILL_DATA_DIR, program(), fs::copy_options::recursive);
        ASSERT_TRUE(WriteCabinetFile(program() / "Newcab.dat", CompileCabinetSource(kDefaultCabinetSource)).ok());
        ASSERT_EQ(session.startUp(program()), StartUpOutcome::Ready);
    }

    fs::path program() const { return temp.path() / "program"; }
    fs::path cutlistFile() const { return program() / "Cutlist.txt"; }
    bool save() { return SaveCutlistEditorToFile(session.model(), session.cutList(), dialogs, prompter); }

    TempFolder temp;
    ScriptedPrompter prompter;
    ScriptedDialogs dialogs;
    CabinetSession session {prompter, dialogs};
};

} // namespace

TEST_F(CutlistFileTest, EveryBuildRewritesCutlistTxtWithItsBoards)
{
    ShowCutList(session, CutListKind::Complete);
    ASSERT_FALSE(session.cutList().viewer.rows.empty());

    ASSERT_TRUE(OpenCutlistEditor(session, ListingBuild::Face, "03/14/26"));
    EXPECT_EQ(ReadAllBytes(cutlistFile()), "Stile(s),1 1/2,30 ,2,Red Oak-3/4,Base\\Untitled.cab\r\n"
                                           "Face Rail(s),1 1/2,21 ,2,Red Oak-3/4,Base\\Untitled.cab\r\n"
                                           "Mid Rail(s),1 1/2,21 ,1,Red Oak-3/4,Base\\Untitled.cab\r\n");
    // The editor's build resets the viewer: its boards go to the listing.
    EXPECT_TRUE(session.cutList().viewer.rows.empty());
    EXPECT_EQ(session.cutList().listing->lines[0], "Todays Date 03/14/26");
    EXPECT_EQ(session.cutList().saveName, "Face.txt");

    ASSERT_TRUE(RunListingBuild(session, ListingBuild::Doors, "03/14/26"));
    EXPECT_EQ(SplitLines(ReadAllBytes(cutlistFile())).size(), 3u); // panels, stiles, rails
    EXPECT_TRUE(prompter.shown.empty());
}

TEST_F(CutlistFileTest, AFailedWriteKeepsTheLastListing)
{
    ASSERT_TRUE(RunListingBuild(session, ListingBuild::Face, "03/14/26"));
    const auto before = ReadAllBytes(cutlistFile());
    // A folder where the working file belongs cannot be replaced.
    fs::remove(cutlistFile());
    fs::create_directory(cutlistFile());
    EXPECT_FALSE(RunListingBuild(session, ListingBuild::All, "03/14/26"));
    ASSERT_EQ(prompter.shown.size(), 1u);
    EXPECT_EQ(prompter.shown[0].kind, MessageKind::Error);
    EXPECT_EQ(session.cutList().listing->build, ListingBuild::Face);
    EXPECT_EQ(session.cutList().saveName, "Face.txt");
    EXPECT_FALSE(OpenCutlistEditor(session, ListingBuild::All, "03/14/26"));
}

TEST_F(CutlistFileTest, UnequalDoorFrameStockKeepsTheEditorClosed)
{
    SessionAccess::model(session).partStock[PartRow::DoorMidRail] = 1.0;
    EXPECT_FALSE(OpenCutlistEditor(session, ListingBuild::Doors, "03/14/26"));
    ASSERT_EQ(prompter.shown.size(), 1u);
    EXPECT_EQ(prompter.shown[0].text, kRaisedPanelStockMessage);
    // The build itself ran, as the editor's does before its check.
    EXPECT_TRUE(fs::exists(cutlistFile()));
}

TEST_F(CutlistFileTest, SaveCopiesTheWorkingFileUnderTheChosenName)
{
    // Before any build (and with no Cutlist.txt left from an earlier run).
    dialogs.choices.push_back(temp.path() / "early.txt");
    EXPECT_FALSE(save());
    ASSERT_EQ(prompter.shown.size(), 1u);
    EXPECT_EQ(prompter.shown[0].text, kCutlistMissingMessage);
    EXPECT_FALSE(fs::exists(temp.path() / "early.txt"));
    const FileDialogRequest& request = dialogs.requests.at(0);
    EXPECT_EQ(request.title, "Save Cutlist To File");
    EXPECT_EQ(request.filter, "Text Files|*.txt");
    EXPECT_EQ(request.defaultExtension, "txt");
    EXPECT_EQ(request.initialFolder, program() / "Xport");
    EXPECT_EQ(request.fileName, "Untitled.txt");
    EXPECT_TRUE(request.confirmOverwrite);

    // A Cutlist.txt from an earlier run is copied even before a build.
    WriteAllBytes(cutlistFile(), "Top,23 ,44 1/2,1,Oak-3/4,Old.cab\r\n");
    dialogs.choices.push_back(temp.path() / "old.txt");
    EXPECT_TRUE(save());
    EXPECT_EQ(ReadAllBytes(temp.path() / "old.txt"), "Top,23 ,44 1/2,1,Oak-3/4,Old.cab\r\n");

    ASSERT_TRUE(RunListingBuild(session, ListingBuild::All, "03/14/26"));
    WriteAllBytes(temp.path() / "mine.txt", "replaced whole");
    dialogs.choices.push_back(temp.path() / "mine.txt");
    EXPECT_TRUE(save());
    EXPECT_EQ(dialogs.requests.back().fileName, "Complete.txt");
    EXPECT_EQ(ReadAllBytes(temp.path() / "mine.txt"), ReadAllBytes(cutlistFile()));

    // Cancelled: nothing written, nothing said.
    dialogs.choices.push_back(std::nullopt);
    EXPECT_FALSE(save());
    EXPECT_EQ(prompter.shown.size(), 1u);
}
