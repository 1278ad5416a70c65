// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Result.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace boxmill {

class Prompter;

enum class UnitMode { Inches, Metric };

// The two bytes of Standard.dat: byte 0 set means inches, anything else is
// metric.
struct UnitFlags {
    std::uint8_t inches = 1;
    std::uint8_t metric = 0;

    UnitMode mode() const { return inches == 1 ? UnitMode::Inches : UnitMode::Metric; }
    static UnitFlags forMode(UnitMode mode);
};

inline constexpr double kMillimetresPerInch = 25.4000508001016; // 1 / 0.03937
inline constexpr double kInchesPerMillimetre = 0.03937;
inline constexpr double kThirtySecond = 0.03125;

// Entry i names i/32 inch in lowest terms.
extern const std::array<std::string_view, 32> FractionTable;

inline constexpr std::string_view kBadFractionMessage =
    "You entered an incorrect fraction. Fractions allowed in 1/32 increments only, in lowest terms.";

// The single conversion point from a length in inches to the text the user
// sees: inches with a fraction to 1/32, or whole millimetres.
std::string FormatMeasure(double inches, UnitMode mode);

// The fraction part in inch mode (one of the table's texts, exactly), or a
// whole number of millimetres in metric mode, never negative. A refused text
// is reported through the prompter and yields nullopt; the caller keeps its
// old value.
std::optional<double> ParseMeasure(std::string_view text, UnitMode mode, Prompter& prompter);
// The same, the refusal the message that says why.
Result<double> ReadMeasure(std::string_view text, UnitMode mode);

// Lengths cut down to whole quarter inches, each quarter `drawScale` units.
std::int32_t ToDrawingUnits(double inches, int drawScale);

// Square inches to the wood-cost area unit: a divisor in inch mode (square
// feet), a multiplier in metric mode (square centimetres).
double AreaDivisor(UnitMode mode);

} // namespace boxmill
