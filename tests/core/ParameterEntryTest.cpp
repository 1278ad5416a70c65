// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/ParameterEntry.h"
#include "RecordFixtures.h"
#include "ScriptedPrompter.h"
#include "core/CabinetModel.h"
#include "core/ParameterIndex.h"

#include <gtest/gtest.h>

using namespace boxmill;

namespace {

class ParameterEntryTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        model.record = test::MakeValidRecord();
        model.rebuildParamValues();
    }

    bool enter(int index, std::string inches, std::string fraction)
    {
        return EnterParameter(model, index, {std::move(inches), std::move(fraction)}, prompter);
    }

    CabinetModel model;
    test::ScriptedPrompter prompter;
};

} // namespace

// Found by argument lookup, so they live beside the type.
namespace boxmill {

bool operator==(const ParameterEntryText& a, const ParameterEntryText& b)
{
    return a.inches == b.inches && a.fraction == b.fraction;
}

std::ostream& operator<<(std::ostream& out, const ParameterEntryText& text)
{
    return out << '"' << text.inches << "\" \"" << text.fraction << '"';
}

} // namespace boxmill

TEST_F(ParameterEntryTest, InchesAndFractionAreStoredAsDecimalInches)
{
    EXPECT_TRUE(enter(0, "34", "1/2"));
    EXPECT_EQ(model.record.paramText(0), "34.5");
    EXPECT_EQ(model.param(0), 34.5);

    EXPECT_TRUE(enter(1, "999", "31/32"));
    EXPECT_EQ(model.record.paramText(1), "999.96875");

    EXPECT_TRUE(enter(2, "", "3/4"));
    EXPECT_EQ(model.record.paramText(2), "0.75");

    EXPECT_TRUE(enter(3, "24", ""));
    EXPECT_EQ(model.record.paramText(3), "24");
    EXPECT_TRUE(prompter.shown.empty());
}

TEST_F(ParameterEntryTest, ZeroInchesAndNoFractionStoreZero)
{
    EXPECT_TRUE(enter(4, "0", ""));
    EXPECT_EQ(model.record.paramText(4), "0");
    EXPECT_EQ(model.param(4), 0.0);
    // Zero shows as whole inches, so that entering what is shown stores it.
    EXPECT_EQ(ShowParameter(model, 4), (ParameterEntryText {"0", ""}));
    model.record.setParamText(5, "0.01");
    EXPECT_EQ(ShowParameter(model, 5), (ParameterEntryText {"0", ""}));
}

TEST_F(ParameterEntryTest, EmptyNegativeOrHugeEntriesAreRefusedInBothUnits)
{
    const struct {
        UnitMode units;
        const char* inches;
        const char* fraction;
        std::string message;
    } cases[] = {
        {UnitMode::Inches, "", "", std::string(kNoInchesMessage)},
        {UnitMode::Inches, "-1", "1/2", "'-1' is not a valid number of whole inches."},
        {UnitMode::Metric, "", "", std::string(kNoMillimetresMessage)},
        {UnitMode::Metric, "", "1/2", std::string(kNoMillimetresMessage)}, // the fraction box is hidden
        {UnitMode::Metric, "-5", "", "'-5' is not a valid whole number of millimetres."},
        // Beyond what a cabinet file may hold, the cabinet could not be saved.
        {UnitMode::Metric, "254001", "", "'254001' is more than the 254000 millimetres a cabinet may measure."},
    };
    for (const auto& c : cases) {
        model.units = c.units;
        model.record.setParamText(Param::Height, "34.5");
        model.rebuildParamValues();
        prompter.shown.clear();
        EXPECT_FALSE(enter(Param::Height, c.inches, c.fraction)) << c.inches << " " << c.fraction;
        EXPECT_EQ(model.record.paramText(Param::Height), "34.5");
        EXPECT_EQ(model.param(Param::Height), 34.5);
        ASSERT_EQ(prompter.shown.size(), 1u) << c.inches << " " << c.fraction;
        EXPECT_EQ(prompter.shown[0].kind, MessageKind::Error);
        EXPECT_EQ(prompter.shown[0].text, c.message);
    }
}

TEST_F(ParameterEntryTest, ShownAsWholeInchesAndFraction)
{
    model.record.setParamText(0, "0.75");
    EXPECT_EQ(ShowParameter(model, 0), (ParameterEntryText {"", "3/4"}));
    model.record.setParamText(0, "34.5");
    EXPECT_EQ(ShowParameter(model, 0), (ParameterEntryText {"34", "1/2"}));
    model.record.setParamText(0, "24");
    EXPECT_EQ(ShowParameter(model, 0), (ParameterEntryText {"24", ""}));
    model.record.setParamText(0, "2,99");
    EXPECT_EQ(ShowParameter(model, 0), (ParameterEntryText {"3", ""}));
}

TEST_F(ParameterEntryTest, WhatIsShownEntersBackUnchanged)
{
    for (int k = 0; k < 32 * 40; k += 7) {
        const std::string text = FormatDecimal(k / 32.0);
        model.record.setParamText(6, text);
        const auto shown = ShowParameter(model, 6);
        ASSERT_TRUE(EnterParameter(model, 6, shown, prompter)) << text;
        ASSERT_EQ(model.record.paramText(6), text) << shown;
    }
    EXPECT_TRUE(prompter.shown.empty());
}

TEST_F(ParameterEntryTest, ARefusedFractionKeepsTheOldText)
{
    model.record.setParamText(7, "1.5");
    model.rebuildParamValues();
    for (const char* fraction : {"1/3", "2/32", "abc", "0.5"}) {
        prompter.shown.clear();
        EXPECT_FALSE(enter(7, "12", fraction)) << fraction;
        EXPECT_EQ(model.record.paramText(7), "1.5");
        EXPECT_EQ(model.param(7), 1.5);
        ASSERT_EQ(prompter.shown.size(), 1u);
        EXPECT_EQ(prompter.shown[0].text, kBadFractionMessage);
    }
}

TEST_F(ParameterEntryTest, ARefusedWholeInchKeepsTheOldText)
{
    model.record.setParamText(8, "1.5");
    for (const char* inches : {"abc", "-1", "1000", "1.5"}) {
        prompter.shown.clear();
        EXPECT_FALSE(enter(8, inches, "1/2")) << inches;
        EXPECT_EQ(model.record.paramText(8), "1.5");
        EXPECT_EQ(prompter.shown.size(), 1u) << inches;
    }
}

TEST_F(ParameterEntryTest, MillimetresAreStoredAsInchesAndShownAsTyped)
{
    model.units = UnitMode::Metric;
    EXPECT_TRUE(enter(0, "876", ""));
    EXPECT_EQ(model.record.paramText(0), "34.48812");
    EXPECT_DOUBLE_EQ(model.param(0), 876 * 0.03937);
    EXPECT_EQ(ShowParameter(model, 0), (ParameterEntryText {"876", ""}));

    for (int mm : {0, 1, 19, 610, 2500, 9999}) {
        ASSERT_TRUE(enter(1, std::to_string(mm), ""));
        EXPECT_EQ(ShowParameter(model, 1).inches, std::to_string(mm));
    }
    EXPECT_TRUE(prompter.shown.empty());
}

TEST_F(ParameterEntryTest, MillimetresThatAreNotWholeNumbersStoreNothing)
{
    model.units = UnitMode::Metric;
    model.record.setParamText(0, "34.5");
    EXPECT_FALSE(enter(0, "12.5", ""));
    EXPECT_EQ(model.record.paramText(0), "34.5");
    EXPECT_EQ(prompter.shown.size(), 1u);
}
