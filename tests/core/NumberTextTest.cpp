// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/NumberText.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include <clocale>
#include <limits>
#include <locale>
#include <string>

using namespace boxmill;

namespace {

// A German-style number format: "," before the decimals, "." between
// thousands.
struct CommaDecimals : std::numpunct<char> {
    char do_decimal_point() const override { return ','; }
    char do_thousands_sep() const override { return '.'; }
    std::string do_grouping() const override { return "\3"; }
};

// Puts the process locale back however the test ends.
class GlobalLocaleGuard {
public:
    GlobalLocaleGuard()
        : m_cxx(std::locale())
        , m_c(std::setlocale(LC_ALL, nullptr))
    {
    }
    ~GlobalLocaleGuard()
    {
        std::locale::global(m_cxx);
        std::setlocale(LC_ALL, m_c.c_str());
    }
    GlobalLocaleGuard(const GlobalLocaleGuard&) = delete;
    GlobalLocaleGuard& operator=(const GlobalLocaleGuard&) = delete;

private:
    std::locale m_cxx;
    std::string m_c;
};

void ExpectPointWhateverTheLocale()
{
    EXPECT_EQ(FormatDecimal(0.75), "0.75");
    EXPECT_EQ(FormatDecimal(1234.5), "1234.5");
    EXPECT_EQ(FormatDecimal(876 * 0.03937), "34.48812");
    EXPECT_EQ(ParseDecimal("0.75"), 0.75);
    EXPECT_EQ(ParseDecimal("0,75"), 0.75);
    EXPECT_EQ(ParseDecimal("1234.5"), 1234.5);
}

} // namespace

TEST(FormatDecimal, GeneralFormWithoutTrailingZeros)
{
    EXPECT_EQ(FormatDecimal(0.0), "0");
    EXPECT_EQ(FormatDecimal(34.5), "34.5");
    EXPECT_EQ(FormatDecimal(24.0), "24");
    EXPECT_EQ(FormatDecimal(100.0), "100");
    EXPECT_EQ(FormatDecimal(1000.5), "1000.5");
    EXPECT_EQ(FormatDecimal(0.75), "0.75");
    EXPECT_EQ(FormatDecimal(0.03125), "0.03125");
    EXPECT_EQ(FormatDecimal(-2.5), "-2.5");
    EXPECT_EQ(FormatDecimal(0.1 + 0.2), "0.3");
    EXPECT_EQ(FormatDecimal(0.00001), "0.00001");
    EXPECT_EQ(FormatDecimal(1e14), "100000000000000");
}

TEST(FormatDecimal, FifteenSignificantDigits)
{
    EXPECT_EQ(FormatDecimal(1.0 / 3.0), "0.333333333333333");
    EXPECT_EQ(FormatDecimal(200.0 / 3.0), "66.6666666666667");
    EXPECT_EQ(FormatDecimal(123.456789012345678), "123.456789012346");
    EXPECT_EQ(FormatDecimal(0.000123456789012345678), "0.000123456789012346");
    EXPECT_EQ(FormatDecimal(-1.0 / 3.0), "-0.333333333333333");
}

TEST(FormatDecimal, NeverNegativeZero)
{
    EXPECT_EQ(FormatDecimal(-0.0), "0");
    EXPECT_EQ(FormatDecimal(0.0 * -1.0), "0");
}

TEST(FormatDecimal, EveryThirtySecondAndMillimetreReadsBackExactly)
{
    // What parameter entry stores: inches to 1/32, and whole millimetres.
    for (int k = 0; k <= 32 * 999 + 31; ++k) {
        const double inches = k / 32.0;
        const std::string text = FormatDecimal(inches);
        ASSERT_LE(text.size(), 10u) << inches;
        ASSERT_EQ(ParseDecimal(text), inches) << text;
    }
    for (int mm = 0; mm <= 9999; ++mm) {
        const double inches = mm * 0.03937;
        const std::string text = FormatDecimal(inches);
        ASSERT_LE(text.size(), 10u) << mm;
        ASSERT_NEAR(*ParseDecimal(text), inches, 1e-9) << text;
    }
}

TEST(FormatDecimal, ExponentFormReadsBack)
{
    for (double value : {1e15, 1.5e-6, -2.25e20, 1e300}) {
        const auto back = ParseDecimal(FormatDecimal(value));
        ASSERT_TRUE(back) << FormatDecimal(value);
        EXPECT_DOUBLE_EQ(*back, value);
    }
}

TEST(FormatDecimal, WritesAPointWhateverTheCxxGlobalLocale)
{
    GlobalLocaleGuard guard;
    std::locale::global(std::locale(std::locale::classic(), new CommaDecimals));
    ExpectPointWhateverTheLocale();
}

TEST(FormatDecimal, WritesAPointWhateverTheCLocale)
{
    GlobalLocaleGuard guard;
    const char* chosen = nullptr;
    for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "fr_FR.utf8", "nl_NL.UTF-8", "es_ES.UTF-8",
                             "it_IT.UTF-8", "ru_RU.UTF-8", "de_DE"}) {
        if (std::setlocale(LC_ALL, name) && std::localeconv()->decimal_point[0] == ',') {
            chosen = name;
            break;
        }
    }
    if (!chosen) {
        // Build one for this test from the locale sources, as a user's
        // machine would have it installed.
        const auto folder = std::filesystem::temp_directory_path() / "boxmill-test-locales";
        std::filesystem::create_directories(folder);
        const std::string command =
            "localedef -i de_DE -f UTF-8 '" + (folder / "de_DE.UTF-8").string() + "' >/dev/null 2>&1";
        if (std::system(command.c_str()) == 0) {
            setenv("LOCPATH", folder.c_str(), 1);
            if (std::setlocale(LC_ALL, "de_DE.UTF-8") && std::localeconv()->decimal_point[0] == ',')
                chosen = "de_DE.UTF-8";
        }
    }
    if (!chosen)
        GTEST_SKIP() << "no locale with a decimal comma is installed or can be built";
    std::locale::global(std::locale(chosen));
    ExpectPointWhateverTheLocale();
}

TEST(ParseDecimal, AcceptsPointOrCommaAndSurroundingBlanks)
{
    EXPECT_EQ(ParseDecimal("34.5"), 34.5);
    EXPECT_EQ(ParseDecimal("34,5"), 34.5);
    EXPECT_EQ(ParseDecimal(" 34.5 "), 34.5);
    EXPECT_EQ(ParseDecimal(".75"), 0.75);
    EXPECT_EQ(ParseDecimal("5."), 5.0);
    EXPECT_EQ(ParseDecimal("-2.5"), -2.5);
    EXPECT_EQ(ParseDecimal("+2.5"), 2.5);
    EXPECT_EQ(ParseDecimal("0"), 0.0);
}

TEST(ParseDecimal, RefusesWhatIsNotOneNumber)
{
    for (const char* text : {"", " ", "abc", "1.2.3", "1,2,3", "1,000.5", "12abc", "1 2", "inf", "-inf", "nan",
                             "infinity", "0x10", "1e400", "--5", "++5", "+", "-", "."}) {
        EXPECT_EQ(ParseDecimal(text), std::nullopt) << '"' << text << '"';
    }
}

// KNOWN FAULT: "+-5" is read as -5 because the "+" is dropped before the
// text reaches a parser that accepts its own "-" (NumberText.cpp, ParseDecimal
// and ParseInteger). A doubled sign is a typo, not a negative number.
TEST(ParseDecimal, RefusesASecondSign)
{
    EXPECT_EQ(ParseDecimal("+-5"), std::nullopt);
    EXPECT_EQ(ParseInteger("+-5"), std::nullopt);
}

TEST(ParseInteger, WholeNumbersWithAnOptionalSign)
{
    EXPECT_EQ(ParseInteger("876"), 876);
    EXPECT_EQ(ParseInteger("-5"), -5);
    EXPECT_EQ(ParseInteger("+7"), 7);
    EXPECT_EQ(ParseInteger(" 12 "), 12);
    for (const char* text : {"", "+", "12.5", "12,5", "abc", "1e3", "99999999999999999999", "0x1A"})
        EXPECT_EQ(ParseInteger(text), std::nullopt) << '"' << text << '"';
}

TEST(TrimBlanks, RemovesBlanksTabsAndLineEndsAtBothEnds)
{
    EXPECT_EQ(TrimBlanks(" \tOak Plywood\r\n"), "Oak Plywood");
    EXPECT_EQ(TrimBlanks("   "), "");
    EXPECT_EQ(TrimBlanks(""), "");
}
