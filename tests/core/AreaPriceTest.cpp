// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/AreaPrice.h"

#include <gtest/gtest.h>

#include <string>

using namespace boxmill;

TEST(AreaPrice, MetricShowsPricesPerSquareMetreAndStoresThemPerSquareFoot)
{
    struct Case {
        const char* stored; // per square foot
        const char* shown;  // per square metre
    };
    // 6.50 / 0.0929034116 = 69.965: "70" is the shortest that stores 6.5.
    const Case cases[] = {{"6.50", "70"}, {"13.5", "145"}, {"0.65", "7"}, {"9.95", "107.1"}, {"0", "0"}};
    for (const auto& c : cases) {
        EXPECT_EQ(ShownPriceText(c.stored, UnitMode::Metric), c.shown) << c.stored;
        EXPECT_EQ(ParseMoney(StoredPriceText(c.shown, UnitMode::Metric).value_or("")), ParseMoney(c.stored)) << c.shown;
        EXPECT_EQ(ShownPriceText(c.stored, UnitMode::Inches), c.stored);
    }
    EXPECT_EQ(StoredPriceText("70", UnitMode::Metric), "6.5");
    EXPECT_EQ(StoredPriceText("4,50", UnitMode::Inches), "4,50");
    EXPECT_EQ(StoredPriceText("4.505", UnitMode::Inches, 4), "4.50");
    for (const auto mode : {UnitMode::Inches, UnitMode::Metric})
        EXPECT_EQ(StoredPriceText("abc", mode), std::nullopt);
    EXPECT_EQ(ShownPriceText("abc", UnitMode::Metric), "abc");
    EXPECT_NEAR(ShownArea(11.0, UnitMode::Metric), 1.0219375, 1e-6);
    EXPECT_EQ(ShownArea(11.0, UnitMode::Inches), 11.0);
}

TEST(AreaPrice, EveryPriceShownInMetricAndTypedBackIsStoredUnchanged)
{
    // Every price in cents up to 999.99, and some with four decimals; the
    // record keeps five characters of a price.
    for (Money cents = 0; cents < 100000; ++cents) {
        const Money price = cents * 100 + (cents % 7 == 0 ? 25 : 0);
        const std::string stored = MoneyText(price);
        const std::string shown = ShownPriceText(stored, UnitMode::Metric);
        ASSERT_EQ(ParseMoney(StoredPriceText(shown, UnitMode::Metric).value_or("")), price) << stored << " " << shown;
        if (stored.size() <= 5) {
            ASSERT_EQ(ParseMoney(StoredPriceText(shown, UnitMode::Metric, 5).value_or("")), price) << stored;
        }
    }
}
