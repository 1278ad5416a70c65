// SPDX-License-Identifier: GPL-3.0-or-later
#include "Measure.h"

#include "MessageText.h"
#include "NumberText.h"
#include "Prompter.h"

#include <cmath>
#include <limits>

namespace boxmill {

const std::array<std::string_view, 32> FractionTable = {
    "0",     "1/32",  "1/16",  "3/32",  "1/8",   "5/32",  "3/16",  "7/32",  "1/4",   "9/32",  "5/16",
    "11/32", "3/8",   "13/32", "7/16",  "15/32", "1/2",   "17/32", "9/16",  "19/32", "5/8",   "21/32",
    "11/16", "23/32", "3/4",   "25/32", "13/16", "27/32", "7/8",   "29/32", "15/16", "31/32",
};

UnitFlags UnitFlags::forMode(UnitMode mode)
{
    return mode == UnitMode::Inches ? UnitFlags {1, 0} : UnitFlags {0, 1};
}

namespace {

// Whole parts beyond this cannot be shown as integer text; no real cabinet
// comes near it, but a corrupt value must not overflow the conversion.
constexpr double kLargestWhole = 1e15;

std::string WholeText(double whole)
{
    if (!(std::fabs(whole) < kLargestWhole))
        return FormatDecimal(whole);
    return std::to_string(static_cast<long long>(whole));
}

std::string FormatInches(double value)
{
    if (!std::isfinite(value))
        return {};
    double whole = std::trunc(value);
    const double frac = value - whole;
    double n = 0.0;
    if (frac >= kThirtySecond)
        n = frac / kThirtySecond;
    if (n > 31.0) {
        n = 0.0;
        whole += 1.0;
    }
    const auto index = static_cast<int>(std::nearbyint(n)); // ties to even
    std::string fraction = index == 0 ? std::string() : std::string(FractionTable[static_cast<std::size_t>(index)]);
    if (whole == 0.0)
        return fraction;
    return WholeText(whole) + " " + fraction;
}

std::string FormatMillimetres(double value)
{
    const double mm = value * kMillimetresPerInch;
    if (!std::isfinite(mm))
        return {};
    double whole = std::trunc(mm);
    // A half rounds down, as the stored millimetre values expect.
    if (mm - whole > 0.5)
        whole += 1.0;
    return WholeText(whole);
}

} // namespace

std::string FormatMeasure(double inches, UnitMode mode)
{
    return mode == UnitMode::Inches ? FormatInches(inches) : FormatMillimetres(inches);
}

Result<double> ReadMeasure(std::string_view text, UnitMode mode)
{
    if (mode == UnitMode::Inches) {
        for (std::size_t i = 0; i < FractionTable.size(); ++i) {
            if (text == FractionTable[i])
                return static_cast<double>(i) * kThirtySecond;
        }
        return Result<double>::failure(std::string(kBadFractionMessage));
    }
    // No length the user types can be negative; it would only come out again
    // as a board of negative length.
    const auto millimetres = ParseInteger(text);
    if (!millimetres || *millimetres < 0 || *millimetres > 1'000'000'000LL)
        return Result<double>::failure(QuoteTypedText(text) + " is not a valid whole number of millimetres.");
    return static_cast<double>(*millimetres) * kInchesPerMillimetre;
}

std::optional<double> ParseMeasure(std::string_view text, UnitMode mode, Prompter& prompter)
{
    auto measure = ReadMeasure(text, mode);
    if (!measure) {
        prompter.message(MessageKind::Error, measure.error());
        return std::nullopt;
    }
    return *measure;
}

std::int32_t ToDrawingUnits(double inches, int drawScale)
{
    if (!std::isfinite(inches))
        return 0;
    const bool negative = inches < 0.0;
    const double x = negative ? -inches : inches;
    const double whole = std::trunc(x);
    const double f = x - whole;
    int quarters = 0;
    if (f >= 0.75)
        quarters = 3;
    else if (f >= 0.5)
        quarters = 2;
    else if (f >= 0.25)
        quarters = 1;
    // Saturate rather than overflow: a corrupt value draws off the page
    // instead of wrapping round to a plausible-looking number.
    const double units = whole * 4.0 * drawScale + quarters * drawScale;
    constexpr double limit = std::numeric_limits<std::int32_t>::max();
    const double clamped = units > limit ? limit : units;
    const auto result = static_cast<std::int32_t>(clamped);
    return negative ? -result : result;
}

double AreaDivisor(UnitMode mode)
{
    return mode == UnitMode::Inches ? 144.0 : 6.451626;
}

} // namespace boxmill
