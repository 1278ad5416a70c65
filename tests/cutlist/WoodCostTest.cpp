// SPDX-License-Identifier: GPL-3.0-or-later
#include "cutlist/CostCalculator.h"
#include "cutlist/JobTotal.h"

#include "PartKinds.h"
#include "ScriptedPrompter.h"

#include <gtest/gtest.h>

#include <limits>
#include <tuple>

using namespace boxmill;
using test::SetKind;

namespace {

// Worked by hand, inch mode:
//   kind 0  Red Oak 3/4, 2.2 sq ft at 4.50  \ one row, same wood and stock:
//   kind 1  Red Oak 3/4, 1.5 sq ft at 5.00  / 3.7 -> 4 units x 4.50 (first price) = 18.00
//   kind 4  Birch Plywood 1/4, exactly 3.0  -> 4 units x 1.35                      =  5.40
//   kind 26 Red Oak 1/2, 0.4 sq ft at 3.10  -> 1 unit  x 3.10                      =  3.10
//   kind 7  Poplar, no boards in this list  -> no row
//   parts total 26.50; job: 2 hours at 25.00 = 50.00, plus 26.50                 = 76.50
CabinetModel WorkedExample()
{
    CabinetModel model;
    SetKind(model, 0, "Red Oak", "0.75", "4.50", 2.2);
    SetKind(model, 1, "Red Oak", "0.75", "5.00", 1.5);
    SetKind(model, 4, "Birch Plywood", "0.25", "1.35", 3.0);
    SetKind(model, 26, "Red Oak", "0.5", "3.10", 0.4);
    SetKind(model, 7, "Poplar", "0.75", "4.50", 0.0);
    model.record.setHours("2");
    model.record.setCost("25");
    return model;
}

std::vector<std::string> AreaTexts(const WoodCost& cost)
{
    std::vector<std::string> texts;
    for (const auto& row : cost.rows)
        texts.push_back(row.woodText + " | " + row.areaText + " | " + FormatMoney(row.cost));
    return texts;
}

} // namespace

TEST(UpdateWoodCost, WorkedExample)
{
    const auto cost = UpdateWoodCost(WorkedExample());
    EXPECT_EQ(AreaTexts(cost), (std::vector<std::string> {"Red Oak | 4 x 3/4 | 18.00", "Birch Plywood | 4 x 1/4 | 5.40",
                                                          "Red Oak | 1 x 1/2 | 3.10"}));
    EXPECT_EQ(cost.partsTotal, 265000);
    EXPECT_EQ(cost.gridRows(), 6);

    CostCalculator calculator;
    EXPECT_EQ(calculator.update(WorkedExample()), Messages {});
    EXPECT_EQ(calculator.jobTotalText(), "76.50");
}

TEST(UpdateWoodCost, MergesOnlyEqualWoodAndEqualStock)
{
    CabinetModel model;
    SetKind(model, 0, "Oak1", "2", "1", 0.5); // "Oak1" "2 " and "Oak" "12 " read the
    SetKind(model, 1, "Oak", "12", "1", 0.5); // same when joined, yet are different wood
    SetKind(model, 2, "Oak", "0.75", "1", 0.5);
    SetKind(model, 3, "Ash", "0.75", "1", 0.5);
    SetKind(model, 4, "Oak", "0.76", "1", 0.5); // shown as 3/4 too: joins kind 2
    EXPECT_EQ(AreaTexts(UpdateWoodCost(model)),
              (std::vector<std::string> {"Oak1 | 1 x 2  | 1.00", "Oak | 1 x 12  | 1.00", "Oak | 2 x 3/4 | 2.00",
                                         "Ash | 1 x 3/4 | 1.00"}));
    SetKind(model, 5, "Elm", "0.75", "1", 1.0);
    SetKind(model, 6, "Fir", "0.75", "1", 1.0);
    EXPECT_EQ(UpdateWoodCost(model).gridRows(), 7); // six rows and the header
}

TEST(UpdateWoodCost, MetricCostsTheSameAndShowsTheSquareFeetBoughtInSquareMetres)
{
    // Areas are square feet in both units: 10.0 -> 11 bought x 10.00 = 110.00,
    // shown as 11 x 0.0929034116 = 1.0219 square metres; 0.4 -> 1 x 1.00.
    CabinetModel model;
    SetKind(model, 0, "Oak", "0.74803", "10", 10.0);
    SetKind(model, 1, "Poplar", "0.49212", "1", 0.4);
    const auto inches = UpdateWoodCost(model);
    model.units = UnitMode::Metric;
    const auto metric = UpdateWoodCost(model);
    EXPECT_EQ(AreaTexts(inches), (std::vector<std::string> {"Oak | 11 x 3/4 | 110.00", "Poplar | 1 x 1/2 | 1.00"}));
    EXPECT_EQ(AreaTexts(metric), (std::vector<std::string> {"Oak | 1.02 x 19 | 110.00", "Poplar | 0.09 x 12 | 1.00"}));
    EXPECT_EQ(metric.partsTotal, inches.partsTotal);
    EXPECT_EQ(WoodCostAreaTitle(UnitMode::Metric), "SqM x Stock");
}

TEST(UpdateWoodCost, AnAbsurdAreaSaturatesInsteadOfWrapping)
{
    CabinetModel model;
    SetKind(model, 0, "Oak", "0.75", "99999", 1e300);
    SetKind(model, 1, "Ash", "0.75", "99999", 1e17);
    EXPECT_EQ(UpdateWoodCost(model).partsTotal, std::numeric_limits<Money>::max());
}

TEST(JobTotal, HoursTimesTheRoundedRatePlusTheParts)
{
    EXPECT_EQ(JobTotal("2", "25", 400000).value(), 900000);
    EXPECT_EQ(JobTotal("1.5", "33.33", 0).value(), 499950);
    // The rate is rounded to a ten-thousandth first: 0.00007 becomes 0.0001,
    // so ten hours cost 0.001, not 0.0007.
    EXPECT_EQ(JobTotal("10", "7e-5", 0).value(), 10);
    EXPECT_EQ(JobTotal("2,5", "4", 0).value(), 100000);
    EXPECT_EQ(JobTotal("-0", "0", 400000).value(), 400000);

    // Negative labour would make the job cheaper than its wood; a figure
    // too large is told its range, not that it is no number.
    const std::tuple<const char*, const char*, std::string_view> refused[] = {
        {"x", "25", kJobTotalMessage},
        {"2", "", kJobTotalMessage},
        {"1e99", "25", kHoursRangeMessage},
        {"2", "9e99", kLabourRateRangeMessage},
        {"-2", "25", kHoursRangeMessage},
        {"2", "-25", kLabourRateRangeMessage},
        {"-0.5", "-25", kHoursRangeMessage},
        {"12345", "25", kHoursRangeMessage},
        {"2", "123456", kLabourRateRangeMessage},
    };
    for (const auto& [hours, rate, message] : refused) {
        const auto total = JobTotal(hours, rate, 400000);
        ASSERT_FALSE(total.ok()) << hours << " " << rate;
        EXPECT_EQ(total.error(), message);
    }
}

TEST(CostCalculator, ShowsNoJobTotalForHoursThatCannotBeUsed)
{
    auto model = WorkedExample();
    test::ScriptedPrompter prompter;
    CostCalculator calculator;
    Tell(prompter, calculator.update(model));
    EXPECT_EQ(calculator.jobTotalText(), "76.50");

    // The old total beside other hours would pass for theirs.
    model.record.setHours("x");
    model.partArea[26] = 0.0;
    Tell(prompter, calculator.update(model));
    EXPECT_EQ(prompter.shown.at(0).text, kJobTotalMessage);
    EXPECT_EQ(calculator.jobTotalText(), "");
    EXPECT_EQ(calculator.cost().partsTotal, 234000); // the listing is renewed all the same

    model.record.setHours("-2");
    Tell(prompter, calculator.update(model));
    Tell(prompter, calculator.jobTotalClicked(model));
    EXPECT_EQ(prompter.shown.at(1).text, kHoursRangeMessage);
    EXPECT_EQ(prompter.shown.at(2).text, kHoursRangeMessage);
    EXPECT_EQ(calculator.jobTotalText(), "");

    // A click takes the current parts total, with two decimals as always.
    model.record.setHours("1.25");
    model.record.setCost("25.1");
    Tell(prompter, calculator.jobTotalClicked(model));
    EXPECT_EQ(calculator.jobTotalText(), "54.77");
    Tell(prompter, calculator.update(model));
    EXPECT_EQ(calculator.jobTotalText(), "54.77");
}
