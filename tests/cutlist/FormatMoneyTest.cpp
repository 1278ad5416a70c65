// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/Money.h"

#include <gtest/gtest.h>

#include <limits>

using namespace boxmill;

TEST(FormatMoney, CutsToTwoDecimalsWithoutRounding)
{
    EXPECT_EQ(FormatMoney(123499), "12.34");
    EXPECT_EQ(FormatMoney(70000), "7.00");
    EXPECT_EQ(FormatMoney(75000), "7.50");
    EXPECT_EQ(FormatMoney(1), "0.00");
    EXPECT_EQ(FormatMoney(0), "0");
    EXPECT_EQ(FormatMoney(-1), "0");
    EXPECT_EQ(FormatMoney(std::numeric_limits<Money>::max()), "922337203685477.58");
    EXPECT_EQ(MoneyText(std::numeric_limits<Money>::min()), "-922337203685477.5808");
    EXPECT_EQ(MoneyText(-5000), "-0.5");
}

TEST(FormatTwoDecimals, CutsTheDecimalTextNotTheBinaryValue)
{
    EXPECT_EQ(FormatTwoDecimals(12.349), "12.34");
    EXPECT_EQ(FormatTwoDecimals(7.0), "7.00");
    // 1.15 is 1.1499999... in binary; cutting value * 100 would give 1.14.
    EXPECT_EQ(FormatTwoDecimals(1.15), "1.15");
    EXPECT_EQ(FormatTwoDecimals(-2.5), "0");
    // No exponent at either end of the range.
    EXPECT_EQ(FormatTwoDecimals(1e-7), "0.00");
    EXPECT_EQ(FormatTwoDecimals(1e16), "10000000000000000.00");
}
