// SPDX-License-Identifier: GPL-3.0-or-later
#include "DataProgramFolder.h"
#include "RecordFixtures.h"
#include "ScriptedPrompter.h"
#include "TempFolder.h"
#include "core/CabinetModel.h"
#include "core/DefaultNames.h"
#include "core/FileIo.h"
#include "core/ProgramData.h"
#include "core/StartUp.h"

#include <gtest/gtest.h>

#include <algorithm>

#include <unistd.h>

using namespace boxmill;
namespace fs = std::filesystem;

namespace {

class DataFilesTest : public ::testing::Test {
protected:
    DataFilesTest() { test::LayOutProgramFolder(program()); }

    fs::path program() const { return m_temp / "program"; }
    StartUpOutcome run() { return StartUp(program(), data, model, prompter); }

    ProgramData data;
    CabinetModel model;
    test::ScriptedPrompter prompter;

private:
    test::TempFolder m_temp;
};

} // namespace

TEST_F(DataFilesTest, MessageNamesMatchTheShippedLists)
{
    ASSERT_EQ(run(), StartUpOutcome::Ready);
    EXPECT_TRUE(std::equal(kDefaultParameterNames.begin(), kDefaultParameterNames.end(),
                           data.vocabulary.parameterBase().begin(), data.vocabulary.parameterBase().end()));
    EXPECT_TRUE(std::equal(kDefaultPartNames.begin(), kDefaultPartNames.end(), data.vocabulary.partNames().begin(),
                           data.vocabulary.partNames().end()));
}

TEST_F(DataFilesTest, StartUpRemovesTemporaryFilesOfAKilledRun)
{
    const std::string stale = ".boxmill-99999999-00000001.tmp";
    for (const auto& file : {program() / ("Wood.dat" + stale), program() / "Base" / ("Kitchen.cab" + stale),
                             program() / "Base" / "Kitchen.cab.bak"})
        test::WriteAllBytes(file, "x");
    ASSERT_EQ(run(), StartUpOutcome::Ready);
    EXPECT_FALSE(fs::exists(program() / ("Wood.dat" + stale)));
    EXPECT_FALSE(fs::exists(program() / "Base" / ("Kitchen.cab" + stale)));
    EXPECT_TRUE(fs::exists(program() / "Base" / "Kitchen.cab.bak"));
}

TEST_F(DataFilesTest, EachFileIsReadUnderItsOwnCap)
{
    const std::pair<const char*, std::size_t> tooLarge[] = {
        {"Standard.dat", FileCap::UnitSetting + 1},
        {"Dims.dat", FileCap::DataFile + 1},
        {"Wood.dat", FileCap::DataFile + 1},
        {"Newcab.dat", FileCap::Cabinet + 1},
    };
    for (const auto& [name, size] : tooLarge) {
        const std::string kept = test::ReadAllBytes(program() / name);
        fs::resize_file(program() / name, size);
        prompter.shown.clear();
        EXPECT_EQ(run(), StartUpOutcome::Incomplete) << name;
        ASSERT_EQ(prompter.shown.size(), 1u) << name;
        EXPECT_NE(prompter.shown[0].text.find(name), std::string::npos) << prompter.shown[0].text;
        test::WriteAllBytes(program() / name, kept);
    }
}

TEST_F(DataFilesTest, ADamagedWoodListGivesAWarningThatFitsTheScreen)
{
    std::string wood = "Alder*0.75*6.25\r\n";
    for (int i = 0; i < 1000; ++i)
        wood += "broken line " + std::to_string(i) + "\r\n";
    test::WriteAllBytes(program() / "Wood.dat", wood);
    ASSERT_EQ(run(), StartUpOutcome::Ready);
    EXPECT_EQ(data.woodItems, std::vector<std::string> {"Alder*0 3/4*6.25"});
    ASSERT_EQ(prompter.shown.size(), 1u);
    const std::string& text = prompter.shown[0].text;
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 11) << text;
    EXPECT_NE(text.find("and 990 more."), std::string::npos) << text;
}
