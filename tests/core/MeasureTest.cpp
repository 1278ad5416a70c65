// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/Measure.h"
#include "ScriptedPrompter.h"

#include <gtest/gtest.h>

using namespace boxmill;

TEST(FormatMeasureInches, RoundsToThirtySecondsAndCarries)
{
    EXPECT_EQ(FormatMeasure(0.0, UnitMode::Inches), "");
    EXPECT_EQ(FormatMeasure(0.75, UnitMode::Inches), "3/4");
    EXPECT_EQ(FormatMeasure(12.0, UnitMode::Inches), "12 ");
    EXPECT_EQ(FormatMeasure(12.5, UnitMode::Inches), "12 1/2");
    EXPECT_EQ(FormatMeasure(2.99, UnitMode::Inches), "3 ");
    EXPECT_EQ(FormatMeasure(2.96875, UnitMode::Inches), "2 31/32");
    EXPECT_EQ(FormatMeasure(2.984375, UnitMode::Inches), "3 ");
    EXPECT_EQ(FormatMeasure(0.01, UnitMode::Inches), "");
    EXPECT_EQ(FormatMeasure(-2.5, UnitMode::Inches), "-2 ");
    EXPECT_EQ(FormatMeasure(34.5, UnitMode::Inches), "34 1/2");
}

TEST(FormatMeasureInches, HalfThirtySecondsRoundToEven)
{
    // 2.5/32 lies between 1/16 (2/32) and 3/32: ties go to the even count.
    EXPECT_EQ(FormatMeasure(2.5 * kThirtySecond, UnitMode::Inches), "1/16");
    EXPECT_EQ(FormatMeasure(3.5 * kThirtySecond, UnitMode::Inches), "1/8");
    EXPECT_EQ(FormatMeasure(1.4 * kThirtySecond, UnitMode::Inches), "1/32");
}

TEST(FormatMeasureMetric, WholeMillimetresWithHalfRoundingDown)
{
    EXPECT_EQ(FormatMeasure(1.0, UnitMode::Metric), "25");
    EXPECT_EQ(FormatMeasure(0.5, UnitMode::Metric), "13");
    EXPECT_EQ(FormatMeasure(0.4921, UnitMode::Metric), "12");
    EXPECT_EQ(FormatMeasure(876 * kInchesPerMillimetre, UnitMode::Metric), "876");
    EXPECT_EQ(FormatMeasure(0.5 / kMillimetresPerInch, UnitMode::Metric), "0");
}

TEST(FormatMeasureMetric, EveryWholeMillimetreComesBackUnchanged)
{
    test::ScriptedPrompter prompter;
    for (int mm = 0; mm <= 3000; ++mm) {
        const auto inches = ParseMeasure(std::to_string(mm), UnitMode::Metric, prompter);
        ASSERT_TRUE(inches);
        ASSERT_EQ(FormatMeasure(*inches, UnitMode::Metric), std::to_string(mm));
    }
    EXPECT_TRUE(prompter.shown.empty());
}

TEST(ParseMeasureInches, AcceptsOnlyTheTableTexts)
{
    test::ScriptedPrompter prompter;
    EXPECT_EQ(ParseMeasure("5/32", UnitMode::Inches, prompter), 0.15625);
    EXPECT_EQ(ParseMeasure("0", UnitMode::Inches, prompter), 0.0);
    EXPECT_EQ(ParseMeasure("31/32", UnitMode::Inches, prompter), 31 * kThirtySecond);
    EXPECT_TRUE(prompter.shown.empty());

    for (const char* refused : {"1/3", "2/32", "", " 1/2", "1/2 ", "3/4x"}) {
        prompter.shown.clear();
        EXPECT_FALSE(ParseMeasure(refused, UnitMode::Inches, prompter)) << refused;
        ASSERT_EQ(prompter.shown.size(), 1u);
        EXPECT_EQ(prompter.shown[0].kind, MessageKind::Error);
        EXPECT_EQ(prompter.shown[0].text, kBadFractionMessage);
    }
    // Odd thirty-seconds are taken, so the message must not speak of
    // sixteenths.
    EXPECT_EQ(kBadFractionMessage,
              "You entered an incorrect fraction. Fractions allowed in 1/32 increments only, in lowest terms.");
}

TEST(ParseMeasureMetric, WholeNumbersOnly)
{
    test::ScriptedPrompter prompter;
    EXPECT_DOUBLE_EQ(*ParseMeasure("876", UnitMode::Metric, prompter), 876 * 0.03937);
    EXPECT_TRUE(prompter.shown.empty());
    EXPECT_FALSE(ParseMeasure("12.5", UnitMode::Metric, prompter));
    EXPECT_FALSE(ParseMeasure("abc", UnitMode::Metric, prompter));
    EXPECT_FALSE(ParseMeasure("99999999999999999999", UnitMode::Metric, prompter));
    EXPECT_EQ(prompter.shown.size(), 3u);
    // A negative length would come out as boards of negative length.
    for (const char* refused : {"-5", "-1", ""}) {
        prompter.shown.clear();
        EXPECT_FALSE(ParseMeasure(refused, UnitMode::Metric, prompter)) << refused;
        ASSERT_EQ(prompter.shown.size(), 1u);
        EXPECT_EQ(prompter.shown[0].text, "'" + std::string(refused) + "' is not a valid whole number of millimetres.");
    }
    EXPECT_EQ(ParseMeasure("-0", UnitMode::Metric, prompter), 0.0);
}

TEST(ToDrawingUnits, CutsDownToQuarterInches)
{
    EXPECT_EQ(ToDrawingUnits(10.3, 1), 41);
    EXPECT_EQ(ToDrawingUnits(10.74, 1), 42);
    EXPECT_EQ(ToDrawingUnits(10.75, 1), 43);
    EXPECT_EQ(ToDrawingUnits(-10.3, 1), -41);
    EXPECT_EQ(ToDrawingUnits(10.3, 2), 82);
    EXPECT_EQ(ToDrawingUnits(0.24, 2), 0);
}

TEST(ToDrawingUnits, CorruptValuesDoNotOverflow)
{
    EXPECT_EQ(ToDrawingUnits(1e300, 2), std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(ToDrawingUnits(-1e300, 2), -std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(ToDrawingUnits(std::numeric_limits<double>::quiet_NaN(), 1), 0);
}

TEST(UnitFlags, OnlyByteZeroEqualToOneMeansInches)
{
    EXPECT_EQ((UnitFlags {1, 0}.mode()), UnitMode::Inches);
    EXPECT_EQ((UnitFlags {1, 1}.mode()), UnitMode::Inches);
    EXPECT_EQ((UnitFlags {0, 1}.mode()), UnitMode::Metric);
    EXPECT_EQ((UnitFlags {2, 0}.mode()), UnitMode::Metric);
    EXPECT_EQ(AreaDivisor(UnitMode::Inches), 144.0);
    EXPECT_EQ(AreaDivisor(UnitMode::Metric), 6.451626);
}
