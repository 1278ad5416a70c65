// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/StartUp.h"
#include "ProgramFolderCopy.h"
#include "RecordFixtures.h"
#include "ScriptedPrompter.h"
#include "core/CabinetModel.h"
#include "core/FileIo.h"
#include "core/ProgramData.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>

using namespace boxmill;
namespace fs = std::filesystem;

namespace {

class StartUpTest : public ::testing::Test {
protected:
    StartUpOutcome run() { return StartUp(folder.path(), data, model, prompter); }

    void rewrite(const std::string& name, std::string_view bytes) { test::WriteAllBytes(folder / name, bytes); }

    test::ProgramFolderCopy folder;
    ProgramData data;
    CabinetModel model;
    test::ScriptedPrompter prompter;
};

bool LessIgnoringCase(const std::string& a, const std::string& b)
{
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) < std::tolower(static_cast<unsigned char>(y));
    });
}

} // namespace

TEST_F(StartUpTest, LoadsTheVocabularyTheWoodsAndTheDefaultCabinet)
{
    ASSERT_EQ(run(), StartUpOutcome::Ready);
    EXPECT_TRUE(prompter.shown.empty()) << prompter.shown.front().text;

    const auto& vocabulary = data.vocabulary;
    ASSERT_EQ(vocabulary.parameterBase().size(), 73u);
    EXPECT_EQ(vocabulary.parameterBase().front(), "Cabinet Height");
    EXPECT_EQ(vocabulary.parameterBase()[72], "Section C Width");
    EXPECT_TRUE(
        std::is_sorted(vocabulary.sortedParameters().begin(), vocabulary.sortedParameters().end(), LessIgnoringCase));
    EXPECT_TRUE(std::is_permutation(vocabulary.sortedParameters().begin(), vocabulary.sortedParameters().end(),
                                    vocabulary.parameterBase().begin(), vocabulary.parameterBase().end()));
    ASSERT_EQ(vocabulary.includeNames().size(), 20u);
    EXPECT_EQ(vocabulary.includeNames()[19], "Carcass Rails");
    ASSERT_EQ(vocabulary.partNames().size(), 31u);
    EXPECT_EQ(vocabulary.partNames()[30], "Blind Panel");
    for (const auto& name : vocabulary.partNames())
        EXPECT_FALSE(name.empty());

    const auto wood = ReadTextLines(folder / "Wood.dat");
    ASSERT_TRUE(wood);
    EXPECT_EQ(data.woodItems.size(), wood->size());
    EXPECT_NE(std::find(data.woodItems.begin(), data.woodItems.end(), "Alder*0 3/4*6.25"), data.woodItems.end());
    EXPECT_NE(std::find(data.woodItems.begin(), data.woodItems.end(), "Hard Maple*1 *9.95"), data.woodItems.end());

    EXPECT_EQ(model.units, UnitMode::Inches);
    EXPECT_EQ(test::RecordBytes(model.record), test::ReadAllBytes(folder / "Newcab.dat"));
    EXPECT_EQ(model.param(0), 34.5);
    EXPECT_FALSE(model.saveCabinetEnabled);
    EXPECT_EQ(model.drawScale, 1);
    EXPECT_EQ(model.folders.programFolder, folder.path());
    EXPECT_EQ(model.folders.cabinetFolder, folder / "Base");
    EXPECT_EQ(model.folders.cabinetName, "Untitled.cab");
}

TEST_F(StartUpTest, MetricUnitSettingGivesMetricMode)
{
    rewrite("Standard.dat", std::string("\0\1", 2));
    ASSERT_EQ(run(), StartUpOutcome::Ready);
    EXPECT_EQ(model.units, UnitMode::Metric);
    // 6.25 a square foot is 67.3 a square metre.
    EXPECT_NE(std::find(data.woodItems.begin(), data.woodItems.end(), "Alder*19*67.3"), data.woodItems.end());
    // Stored values stay inches whatever the mode.
    EXPECT_EQ(model.param(0), 34.5);

    // Only byte 0 equal to 1 means inches.
    rewrite("Standard.dat", std::string("\2\0", 2));
    ASSERT_EQ(run(), StartUpOutcome::Ready);
    EXPECT_EQ(model.units, UnitMode::Metric);
    rewrite("Standard.dat", std::string("\1\0", 2));
    ASSERT_EQ(run(), StartUpOutcome::Ready);
    EXPECT_EQ(model.units, UnitMode::Inches);
}

TEST_F(StartUpTest, WithoutTheBaseFolderTheProgramEndsWithTheSetupMessage)
{
    fs::remove_all(folder / "Base");
    EXPECT_EQ(run(), StartUpOutcome::EndProgram);
    ASSERT_EQ(prompter.shown.size(), 1u);
    EXPECT_EQ(prompter.shown[0].kind, MessageKind::Error);
    EXPECT_EQ(prompter.shown[0].text, kMissingBaseMessage);

    // A file of that name is no folder either.
    test::WriteAllBytes(folder / "Base", "not a folder");
    prompter.shown.clear();
    EXPECT_EQ(run(), StartUpOutcome::EndProgram);
    ASSERT_EQ(prompter.shown.size(), 1u);
    EXPECT_EQ(prompter.shown[0].text, kMissingBaseMessage);
}

TEST_F(StartUpTest, AMissingDataFileIsReportedByName)
{
    for (const char* name : {"Dims.dat", "IncParts.dat", "CabParts.dat", "Wood.dat", "Standard.dat", "Newcab.dat"}) {
        test::ProgramFolderCopy broken;
        fs::remove(broken / name);
        ProgramData freshData;
        CabinetModel freshModel;
        prompter.shown.clear();
        EXPECT_EQ(StartUp(broken.path(), freshData, freshModel, prompter), StartUpOutcome::Incomplete) << name;
        ASSERT_EQ(prompter.shown.size(), 1u) << name;
        EXPECT_EQ(prompter.shown[0].kind, MessageKind::Error);
        EXPECT_NE(prompter.shown[0].text.find(name), std::string::npos) << prompter.shown[0].text;
    }
}

TEST_F(StartUpTest, DamagedUnitSettingOrDefaultCabinetIsReported)
{
    rewrite("Standard.dat", std::string("\1", 1));
    EXPECT_EQ(run(), StartUpOutcome::Incomplete);
    ASSERT_EQ(prompter.shown.size(), 1u);
    EXPECT_NE(prompter.shown[0].text.find("Standard.dat"), std::string::npos) << prompter.shown[0].text;

    rewrite("Standard.dat", std::string("\1\0", 2));
    rewrite("Newcab.dat", test::ReadAllBytes(folder / "Newcab.dat").substr(0, 2000));
    prompter.shown.clear();
    EXPECT_EQ(run(), StartUpOutcome::Incomplete);
    ASSERT_EQ(prompter.shown.size(), 1u);
    EXPECT_NE(prompter.shown[0].text.find("Newcab.dat"), std::string::npos) << prompter.shown[0].text;
}

TEST_F(StartUpTest, AFailedSecondRunKeepsWhatTheFirstLoaded)
{
    ASSERT_EQ(run(), StartUpOutcome::Ready);
    // The switch to metric has been written, but a list file is gone: the
    // program stays in inches with everything it had.
    rewrite("Standard.dat", std::string("\0\1", 2));
    fs::remove(folder / "Dims.dat");
    EXPECT_EQ(run(), StartUpOutcome::Incomplete);
    EXPECT_EQ(model.units, UnitMode::Inches);
    EXPECT_EQ(data.unitFlags.mode(), UnitMode::Inches);
    EXPECT_EQ(data.vocabulary.parameterBase().size(), 73u);
    EXPECT_EQ(data.vocabulary.parameterName(0), "Cabinet Height");
    EXPECT_EQ(model.param(0), 34.5);
}

TEST_F(StartUpTest, ASecondRunReplacesTheCabinetOnScreen)
{
    ASSERT_EQ(run(), StartUpOutcome::Ready);
    model.record.setParamText(0, "40");
    model.rebuildParamValues();
    rewrite("Standard.dat", std::string("\0\1", 2));
    ASSERT_EQ(run(), StartUpOutcome::Ready);
    EXPECT_EQ(model.units, UnitMode::Metric);
    EXPECT_EQ(model.param(0), 34.5);
}

TEST_F(StartUpTest, BrokenWoodLinesAreLeftOutWithOneWarning)
{
    rewrite("Wood.dat", "Alder*0.75*6.25\r\nOak 0.75 4.50\r\nCherry*thick*9.75\r\nWalnut*1*13.5\r\n");
    ASSERT_EQ(run(), StartUpOutcome::Ready);
    EXPECT_EQ(data.woodItems, (std::vector<std::string> {"Alder*0 3/4*6.25", "Walnut*1 *13.5"}));
    ASSERT_EQ(prompter.shown.size(), 1u);
    EXPECT_EQ(prompter.shown[0].kind, MessageKind::Warning);
    const auto& text = prompter.shown[0].text;
    EXPECT_NE(text.find("Oak 0.75 4.50"), std::string::npos) << text;
    EXPECT_NE(text.find("Cherry*thick*9.75"), std::string::npos) << text;
    EXPECT_EQ(text.find("Alder"), std::string::npos) << text;
}

TEST_F(StartUpTest, DataFilesWithLfEndingsReadLikeCrLf)
{
    for (const char* name : {"Dims.dat", "IncParts.dat", "CabParts.dat", "Wood.dat"}) {
        std::string text = test::ReadAllBytes(folder / name);
        text.erase(std::remove(text.begin(), text.end(), '\r'), text.end());
        rewrite(name, text);
    }
    ASSERT_EQ(run(), StartUpOutcome::Ready);
    EXPECT_TRUE(prompter.shown.empty());
    EXPECT_EQ(data.vocabulary.parameterName(0), "Cabinet Height");
    EXPECT_EQ(data.vocabulary.partNames()[30], "Blind Panel");
    EXPECT_NE(std::find(data.woodItems.begin(), data.woodItems.end(), "Alder*0 3/4*6.25"), data.woodItems.end());
}

TEST_F(StartUpTest, AShortPartListLeavesTheRemainingNamesEmpty)
{
    rewrite("CabParts.dat", "Top\r\nBottom\r\n");
    ASSERT_EQ(run(), StartUpOutcome::Ready);
    ASSERT_EQ(data.vocabulary.partNames().size(), 31u);
    EXPECT_EQ(data.vocabulary.partNames()[1], "Bottom");
    EXPECT_EQ(data.vocabulary.partNames()[2], "");
}
