// SPDX-License-Identifier: GPL-3.0-or-later
#include "NumberText.h"

#include <array>
#include <charconv>
#include <cmath>

namespace boxmill {

std::string_view TrimBlanks(std::string_view text)
{
    const auto isBlank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

std::string FormatDecimal(double value)
{
    if (!std::isfinite(value))
        return "0";
    if (value == 0.0)
        return "0"; // never "-0"
    const double magnitude = std::fabs(value);
    std::array<char, 64> buffer {};
    // Fixed notation in the range a person reads comfortably, like the
    // general format of the old program; %g would switch at 1e-4 already.
    const auto format =
        (magnitude >= 1e-5 && magnitude < 1e15) ? std::chars_format::fixed : std::chars_format::scientific;
    std::to_chars_result result;
    if (format == std::chars_format::fixed) {
        // 15 significant digits, then drop the trailing zeros.
        const int integerDigits = magnitude >= 1.0 ? static_cast<int>(std::floor(std::log10(magnitude))) + 1 : 1;
        int decimals = 15 - integerDigits;
        if (magnitude < 1.0)
            decimals = 15 - static_cast<int>(std::floor(std::log10(magnitude))) - 1;
        if (decimals < 0)
            decimals = 0;
        result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, format, decimals);
    } else {
        result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, format, 14);
    }
    std::string text(buffer.data(), result.ptr);
    const auto exponentAt = text.find('e');
    std::string exponent;
    if (exponentAt != std::string::npos) {
        exponent = text.substr(exponentAt);
        text.erase(exponentAt);
    }
    if (text.find('.') != std::string::npos) {
        while (!text.empty() && text.back() == '0')
            text.pop_back();
        if (!text.empty() && text.back() == '.')
            text.pop_back();
    }
    if (text == "-0")
        text = "0";
    return text + exponent;
}

std::optional<double> ParseDecimal(std::string_view text)
{
    text = TrimBlanks(text);
    if (text.empty() || text.size() > 63)
        return std::nullopt;
    std::array<char, 64> buffer {};
    std::size_t length = 0;
    for (char c : text)
        buffer[length++] = (c == ',') ? '.' : c;
    const char* begin = buffer.data();
    const char* end = buffer.data() + length;
    // One sign at most: from_chars takes a "-" of its own after our "+".
    if (*begin == '+' && length > 1 && begin[1] != '-')
        ++begin;
    double value = 0.0;
    const auto [ptr, error] = std::from_chars(begin, end, value);
    if (error != std::errc() || ptr != end || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::optional<long long> ParseInteger(std::string_view text)
{
    text = TrimBlanks(text);
    if (text.size() > 1 && text.front() == '+' && text[1] != '-')
        text.remove_prefix(1);
    if (text.empty())
        return std::nullopt;
    long long value = 0;
    const auto [ptr, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || ptr != text.data() + text.size())
        return std::nullopt;
    return value;
}

std::vector<std::string_view> SplitBarFields(std::string_view text)
{
    std::vector<std::string_view> fields;
    std::size_t start = 0;
    for (;;) {
        const std::size_t bar = text.find('|', start);
        fields.push_back(TrimBlanks(text.substr(start, bar == std::string_view::npos ? bar : bar - start)));
        if (bar == std::string_view::npos)
            return fields;
        start = bar + 1;
    }
}

} // namespace boxmill
