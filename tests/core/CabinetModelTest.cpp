// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/CabinetModel.h"
#include "RecordFixtures.h"
#include "ScriptedPrompter.h"
#include "core/Money.h"
#include "core/Vocabulary.h"

#include <gtest/gtest.h>

#include <limits>

using namespace boxmill;

namespace {

Vocabulary SmallVocabulary()
{
    std::vector<std::string> params;
    for (int i = 0; i < kParamCount; ++i)
        params.push_back("Param " + std::to_string(i));
    params[0] = "Cabinet Height";
    params[1] = "Cabinet Width";
    std::vector<std::string> parts(kPartRows, "Part");
    parts[5] = "Front";
    return Vocabulary(params, std::vector<std::string>(kIncludeItems, "Item"), parts);
}

} // namespace

TEST(CabinetModelValues, ParameterTextsReadWithPointOrComma)
{
    CabinetModel model;
    model.record = test::MakeValidRecord();
    model.record.setParamText(0, "34.5");
    model.record.setParamText(1, "24,25");
    model.record.setParamText(72, "0.03125");
    EXPECT_TRUE(model.rebuildParamValues().empty());
    EXPECT_EQ(model.param(0), 34.5);
    EXPECT_EQ(model.param(1), 24.25);
    EXPECT_EQ(model.param(72), 0.03125);
}

TEST(CabinetModelValues, SpareSlotsNeverBecomeValues)
{
    CabinetModel model;
    model.record = test::MakeValidRecord();
    model.record.setParamText(73, "5");
    model.record.setParamText(100, "abc");
    EXPECT_TRUE(model.rebuildParamValues().empty());
    EXPECT_EQ(model.param(73), 0.0);
    EXPECT_EQ(model.param(100), 0.0);
}

TEST(CabinetModelValues, PartArraysFromTheWoodSettings)
{
    CabinetModel model;
    model.record = test::MakeValidRecord();
    model.record.setPartWood(2, "Red Oak");
    model.record.setPartStockText(2, "0,5");
    model.record.setPartPriceText(2, "6.50");
    model.record.setPartPriceText(3, "1.005");
    model.record.setPartPriceText(4, ".0001");
    model.record.setPartPriceText(5, "4,5");
    model.record.setPartPriceText(6, "12345");
    EXPECT_TRUE(model.rebuildPartArrays().empty());
    EXPECT_EQ(model.partWoodName[2], "Red Oak");
    EXPECT_EQ(model.partStock[2], 0.5);
    EXPECT_EQ(model.partPrice[2], 65000);
    // Rounded to the nearest ten-thousandth, not cut: 1.005 is held as
    // 1.00499999... in binary.
    EXPECT_EQ(model.partPrice[3], 10050);
    EXPECT_EQ(model.partPrice[4], 1);
    EXPECT_EQ(model.partPrice[5], 45000);
    EXPECT_EQ(model.partPrice[6], 123450000);
}

TEST(CabinetModelValues, DrawingUnitsFollowTheScale)
{
    CabinetModel model;
    model.record = test::MakeValidRecord();
    model.record.setParamText(0, "10.3");
    model.record.setParamText(72, "-10.3");
    model.record.setPartStockText(30, "0.75");
    model.rebuildParamValues();
    model.rebuildPartArrays();
    model.drawScale = 1;
    model.rebuildDrawingUnits();
    EXPECT_EQ(model.paramUnits[0], 41);
    EXPECT_EQ(model.paramUnits[72], -41);
    EXPECT_EQ(model.partStockUnits[30], 3);
    model.drawScale = 2;
    model.rebuildDrawingUnits();
    EXPECT_EQ(model.paramUnits[0], 82);
    EXPECT_EQ(model.partStockUnits[30], 6);
}

TEST(CabinetModelLoad, NonNumbersReadAsZeroWithOneWarningNamingThem)
{
    CabinetModel model;
    test::ScriptedPrompter prompter;
    CabinetRecord record = test::MakeValidRecord();
    record.setParamText(1, "abc");
    record.setParamText(40, "");
    record.setPartPriceText(5, "n/a");
    model.adoptRecord(record, SmallVocabulary(), prompter);

    EXPECT_EQ(model.param(1), 0.0);
    EXPECT_EQ(model.param(40), 0.0);
    EXPECT_EQ(model.param(0), 1.0);
    EXPECT_EQ(model.partPrice[5], 0);
    EXPECT_EQ(model.partStock[5], 0.75) << "the row's good stock is still read";
    ASSERT_EQ(prompter.shown.size(), 1u);
    EXPECT_EQ(prompter.shown[0].kind, MessageKind::Warning);
    const auto& text = prompter.shown[0].text;
    EXPECT_NE(text.find("Cabinet Width"), std::string::npos) << text;
    EXPECT_NE(text.find("abc"), std::string::npos) << text;
    EXPECT_NE(text.find("Param 40"), std::string::npos) << text;
    EXPECT_NE(text.find("Front"), std::string::npos) << text;
    EXPECT_EQ(text.find("Cabinet Height"), std::string::npos) << text;
}

TEST(CabinetModelLoad, ASoundRecordLoadsWithoutAWord)
{
    CabinetModel model;
    test::ScriptedPrompter prompter;
    model.adoptRecord(test::MakeSoundRecord(5), SmallVocabulary(), prompter);
    EXPECT_TRUE(prompter.shown.empty());
}

TEST(CabinetModelLoad, SpareSlotsAreResetAndTheRestSpreadOut)
{
    CabinetModel model;
    test::ScriptedPrompter prompter;
    CabinetRecord record = test::MakeValidRecord();
    record.setParamText(80, "12");
    record.setSectionCount(3);
    record.setNailerCount("3");
    record.setFlag(RecordOffset::Options + static_cast<int>(CabinetOption::LeftScribe), true);
    model.partArea.fill(9.0);
    model.adoptRecord(record, SmallVocabulary(), prompter);

    EXPECT_EQ(model.record.paramText(80), "0");
    EXPECT_EQ(model.sectionCount, 3);
    EXPECT_EQ(model.options.nailerCount, 3);
    EXPECT_TRUE(model.options[CabinetOption::LeftScribe]);
    EXPECT_EQ(model.partArea[0], 0.0);
    EXPECT_EQ(model.paramUnits[0], 4);
}

TEST(CabinetModelSave, TheSavedRecordCarriesTheLiveOptions)
{
    CabinetModel model;
    test::ScriptedPrompter prompter;
    model.adoptRecord(test::MakeSoundRecord(9), SmallVocabulary(), prompter);
    EXPECT_EQ(model.recordForSave(), model.record) << "nothing changed, nothing differs";

    model.options.set(CabinetOption::TopDado, true);
    model.options.nailerCount = 2;
    const auto saved = model.recordForSave();
    EXPECT_TRUE(saved.flag(RecordOffset::Options + static_cast<int>(CabinetOption::TopDado)));
    EXPECT_FALSE(saved.flag(RecordOffset::Options + static_cast<int>(CabinetOption::TopRabbit)));
    EXPECT_EQ(saved.nailerCount(), "2");
}

TEST(Money, NearestTenThousandthAndNothingThatDoesNotFit)
{
    EXPECT_EQ(MoneyFromDecimal(4.5), 45000);
    EXPECT_EQ(MoneyFromDecimal(-1.5), -15000);
    EXPECT_EQ(MoneyFromDecimal(0.00004), 0);
    EXPECT_EQ(MoneyFromDecimal(0.00006), 1);
    EXPECT_EQ(MoneyFromDecimal(1e20), std::nullopt);
    EXPECT_EQ(MoneyFromDecimal(std::numeric_limits<double>::quiet_NaN()), std::nullopt);
    EXPECT_EQ(ParseMoney("4,50"), 45000);
    EXPECT_EQ(ParseMoney("four"), std::nullopt);
    EXPECT_EQ(ParseMoney(""), std::nullopt);
}
