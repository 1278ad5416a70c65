// SPDX-License-Identifier: GPL-3.0-or-later
#include "AreaPrice.h"

#include "NumberText.h"

#include <array>
#include <charconv>
#include <cmath>

namespace boxmill {

namespace {

constexpr int kMostDecimals = 4;
// Beyond this no decimal of a price means anything, and powers of ten
// times it leave the range of whole numbers a double holds exactly.
constexpr double kLargestConvertedPrice = 1.0e12;

// Trailing zeros are kept only where they say how closely a price was
// given: 254.70 is not the price that 254.7 would store.
std::string FixedText(double value, int decimals, bool trimZeros = true)
{
    std::array<char, 64> buffer {};
    const auto end =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::fixed, decimals).ptr;
    std::string text(buffer.data(), end);
    if (trimZeros && text.find('.') != std::string::npos) {
        while (text.back() == '0')
            text.pop_back();
        if (text.back() == '.')
            text.pop_back();
    }
    if (text.front() == '-' && text.find_first_not_of("-0.") == std::string::npos)
        text.erase(0, 1);
    return text;
}

int DecimalsTyped(std::string_view text)
{
    text = TrimBlanks(text);
    const auto point = text.find_first_of(".,");
    return point == std::string_view::npos ? 0 : static_cast<int>(text.size() - point - 1);
}

} // namespace

double ShownArea(double squareFeet, UnitMode mode)
{
    return mode == UnitMode::Inches ? squareFeet : squareFeet * kSquareMetresPerSquareFoot;
}

std::optional<std::string> StoredPriceText(std::string_view shownPrice, UnitMode mode, std::size_t capacity)
{
    const auto typed = ParseDecimal(shownPrice);
    if (!typed || !ParseMoney(shownPrice))
        return std::nullopt;
    if (mode == UnitMode::Inches) {
        std::string text(shownPrice.substr(0, capacity));
        if (!ParseMoney(text))
            return std::nullopt;
        return text;
    }
    const double perSquareFoot = *typed * kSquareMetresPerSquareFoot;
    const int decimals = DecimalsTyped(shownPrice);
    // The shortest price per square foot that is shown again as typed, so
    // that 70 stays 70 and the shipped 6.50 comes back as 6.5.
    if (std::fabs(*typed) < kLargestConvertedPrice && decimals <= kMostDecimals) {
        const double scale = std::pow(10.0, decimals);
        for (int d = 0; d <= kMostDecimals; ++d) {
            const std::string text = FixedText(perSquareFoot, d);
            const auto candidate = ParseDecimal(text);
            if (text.size() <= capacity && candidate &&
                std::llround(*candidate / kSquareMetresPerSquareFoot * scale) == std::llround(*typed * scale))
                return text;
        }
    }
    for (int d = kMostDecimals; d > 0; --d) {
        if (std::string text = FixedText(perSquareFoot, d); text.size() <= capacity)
            return text;
    }
    return FixedText(perSquareFoot, 0);
}

std::string ShownPriceText(std::string_view storedPrice, UnitMode mode)
{
    const auto stored = ParseMoney(storedPrice);
    if (mode == UnitMode::Inches || !stored)
        return std::string(storedPrice);
    const double perSquareMetre =
        static_cast<double>(*stored) / static_cast<double>(kMoneyScale) / kSquareMetresPerSquareFoot;
    if (!(std::fabs(perSquareMetre) < kLargestConvertedPrice))
        return FixedText(perSquareMetre, 0);
    // The fewest decimals that, typed back unchanged, store the same price.
    for (int d = 0; d < kMostDecimals; ++d) {
        std::string text = FixedText(perSquareMetre, d, false);
        const auto back = StoredPriceText(text, mode);
        if (back && ParseMoney(*back) == stored)
            return text;
    }
    return FixedText(perSquareMetre, kMostDecimals, false);
}

} // namespace boxmill
