// SPDX-License-Identifier: GPL-3.0-or-later
#include "cutlist/WoodListingEditor.h"

#include "FileSizeLimit.h"
#include "RecordFixtures.h"
#include "ScriptedPrompter.h"
#include "TempFolder.h"

#include "core/FileIo.h"
#include "core/WoodList.h"

#include <gtest/gtest.h>

using namespace boxmill;
using test::ReadAllBytes;
using Items = std::vector<std::string>;

namespace {

const std::string kWoodDat = "Ash*0.75*6.75\r\nHard Maple*1*9.95\r\nRed Oak*0.75*6.50\r\n";

// A Wood.dat and the listing start-up made of it. Questions nobody scripted
// throw, so a test that scripts none also proves that nothing was asked.
class WoodListingEditorTest : public ::testing::Test {
protected:
    void SetUp() override { useMode(UnitMode::Inches); }

    void useMode(UnitMode mode)
    {
        m_mode = mode;
        test::WriteAllBytes(woodFile(), kWoodDat);
        items = BuildWoodListing(SplitLines(kWoodDat), mode).items;
    }
    WoodListingEditor editor() { return WoodListingEditor(items, m_mode, woodFile(), prompter); }
    std::filesystem::path woodFile() const { return folder / "Wood.dat"; }
    std::string lastShown() const { return prompter.shown.empty() ? std::string() : prompter.shown.back().text; }

    test::TempFolder folder;
    test::ScriptedPrompter prompter;
    Items items;

private:
    UnitMode m_mode = UnitMode::Inches;
};

} // namespace

TEST_F(WoodListingEditorTest, AddAsksThenKeepsTheListingSortedAndSavesIt)
{
    prompter.answers = {true};
    const auto edit = editor().add({"Cherry", "0", "3/4", "9.75"}, 0);
    EXPECT_EQ(edit.outcome, WoodListingOutcome::Done);
    EXPECT_EQ(prompter.asked.at(0).kind, MessageKind::Confirmation);
    EXPECT_EQ(prompter.asked.at(0).text, "Add the wood \"Cherry*0 3/4*9.75\" to the listing index?");
    EXPECT_EQ(items, (Items {"Ash*0 3/4*6.75", "Cherry*0 3/4*9.75", "Hard Maple*1 *9.95", "Red Oak*0 3/4*6.50"}));
    EXPECT_EQ(edit.selected, 1);
    EXPECT_EQ(ReadAllBytes(woodFile()),
              "Ash*0.75*6.75\r\nCherry*0.75*9.75\r\nHard Maple*1*9.95\r\nRed Oak*0.75*6.50\r\n");
}

TEST_F(WoodListingEditorTest, AddRefusesBlanksDuplicatesAndBadBoxesWithoutAsking)
{
    const std::pair<WoodEditBoxes, std::string_view> refused[] = {
        {{"", "0", "3/4", "1"}, kBlankWoodMessage},
        {{"Oak", "0", "", "1"}, kBlankWoodMessage},
        // 1 and 0 typed for a whole inch are the listed Hard Maple*1 *9.95.
        {{"Hard Maple", "1", "0", "9.95"}, kDuplicateWoodMessage},
        {{"Oak", "0", "1/3", "4.50"}, kBadFractionMessage},
    };
    for (const auto& [boxes, message] : refused) {
        const auto edit = editor().add(boxes, 2);
        EXPECT_EQ(edit.outcome, WoodListingOutcome::Refused);
        EXPECT_EQ(edit.selected, 2);
        EXPECT_EQ(lastShown(), message);
    }
    EXPECT_EQ(prompter.shown.size(), 4u);
    EXPECT_EQ(ReadAllBytes(woodFile()), kWoodDat);

    // Another price makes another wood.
    prompter.answers = {true};
    EXPECT_EQ(editor().add({"Hard Maple", "1", "0", "10.5"}, 2).outcome, WoodListingOutcome::Done);
    EXPECT_EQ(items.size(), 4u);
}

TEST_F(WoodListingEditorTest, CancelChangesNothing)
{
    prompter.answers = {false, false, false};
    EXPECT_EQ(editor().add({"Oak", "0", "1/2", "4"}, 1).outcome, WoodListingOutcome::Cancelled);
    EXPECT_EQ(editor().change({"Oak", "0", "1/2", "4"}, 1).outcome, WoodListingOutcome::Cancelled);
    EXPECT_EQ(editor().remove(1).outcome, WoodListingOutcome::Cancelled);
    EXPECT_EQ(items.size(), 3u);
    EXPECT_EQ(ReadAllBytes(woodFile()), kWoodDat);
}

TEST_F(WoodListingEditorTest, ChangeReplacesTheSelectedItemAndFollowsItIntoPlace)
{
    EXPECT_EQ(editor().change({"Oak", "0", "1/2", "4"}, std::nullopt).outcome, WoodListingOutcome::Refused);
    EXPECT_EQ(editor().change({"Oak", "0", "1/2", ""}, 0).outcome, WoodListingOutcome::Refused);
    EXPECT_EQ(lastShown(), kChangeWoodBlankMessage);

    prompter.answers = {true};
    const auto edit = editor().change({"Walnut", "1", "1/4", "13.5"}, 0);
    EXPECT_EQ(edit.outcome, WoodListingOutcome::Done);
    EXPECT_EQ(prompter.asked.at(0).text, "Change the selected wood to \"Walnut*1 1/4*13.5\" in the listing index?");
    EXPECT_EQ(items, (Items {"Hard Maple*1 *9.95", "Red Oak*0 3/4*6.50", "Walnut*1 1/4*13.5"}));
    EXPECT_EQ(edit.selected, 2);
    EXPECT_EQ(ReadAllBytes(woodFile()), "Hard Maple*1*9.95\r\nRed Oak*0.75*6.50\r\nWalnut*1.25*13.5\r\n");
}

TEST_F(WoodListingEditorTest, DeleteSelectsTheItemThatTakesItsPlace)
{
    EXPECT_EQ(editor().remove(std::nullopt).outcome, WoodListingOutcome::NothingSelected);
    prompter.answers = {true, true, true};
    auto edit = editor().remove(0);
    EXPECT_EQ(prompter.asked.at(0).kind, MessageKind::Warning);
    EXPECT_EQ(prompter.asked.at(0).text, "Press \"OK\" to delete \"Ash*0 3/4*6.75\" from the listing index?");
    EXPECT_EQ(edit.selected, 0);
    EXPECT_EQ(ReadAllBytes(woodFile()), "Hard Maple*1*9.95\r\nRed Oak*0.75*6.50\r\n");
    // The last one gone, its predecessor; the only one gone, nothing.
    EXPECT_EQ(editor().remove(1).selected, 0);
    EXPECT_EQ(editor().remove(0).selected, std::nullopt);
    EXPECT_EQ(ReadAllBytes(woodFile()), "");
}

TEST_F(WoodListingEditorTest, AnUnwritableItemOrAFailedWriteLeavesFileAndListingWhole)
{
    // An item no box check has seen: a line of an old Wood.dat whose price
    // field holds more than a price.
    items.insert(items.begin() + 1, "Birch*0 1/2*3.00 per sheet");
    const auto before = items;
    prompter.answers = {true, true};
    EXPECT_EQ(editor().add({"Cherry", "0", "3/4", "9.75"}, 0).outcome, WoodListingOutcome::NotSaved);
    EXPECT_NE(lastShown().find("\"Birch*0 1/2*3.00 per sheet\""), std::string::npos) << lastShown();
    EXPECT_EQ(items, before);
    EXPECT_EQ(ReadAllBytes(woodFile()), kWoodDat);

    items.erase(items.begin() + 1);
    {
        test::FileSizeLimit limit(8);
        ASSERT_TRUE(limit.active());
        EXPECT_EQ(editor().add({"Cherry", "0", "3/4", "9.75"}, 0).outcome, WoodListingOutcome::NotSaved);
    }
    EXPECT_EQ(prompter.shown.size(), 2u);
    EXPECT_EQ(items.size(), 3u);
    EXPECT_EQ(ReadAllBytes(woodFile()), kWoodDat);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 1);
}

TEST_F(WoodListingEditorTest, MetricItemsAreMillimetresAndSavedInInches)
{
    useMode(UnitMode::Metric);
    prompter.answers = {true};
    // The hidden fraction box may be empty; only the millimetres count. The
    // price is typed and shown per square metre.
    const auto edit = editor().add({"Cherry", "19", "", "105"}, std::nullopt);
    EXPECT_EQ(items, (Items {"Ash*19*72.7", "Cherry*19*105", "Hard Maple*25*107.1", "Red Oak*19*70"}));
    EXPECT_EQ(edit.selected, 1);
    // Every thickness is written from its millimetres: 19 mm is 0.74803 inch;
    // every price per square foot, as it was read.
    EXPECT_EQ(*ReadTextLines(woodFile()),
              (Items {"Ash*0.74803*6.75", "Cherry*0.74803*9.8", "Hard Maple*0.98425*9.95", "Red Oak*0.74803*6.5"}));
}
