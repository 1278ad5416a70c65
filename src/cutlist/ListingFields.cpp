// SPDX-License-Identifier: GPL-3.0-or-later
#include "ListingFields.h"

namespace boxmill {

namespace {

void AppendField(std::string& line, std::string_view text, std::size_t width)
{
    line += text;
    if (!text.empty() && text.size() < width)
        line.append(width - text.size(), ' ');
}

} // namespace

std::string Field(std::string_view text, std::size_t width)
{
    std::string field;
    AppendField(field, text, width);
    return field;
}

std::string BoardLine(std::string_view quantity, std::string_view part, std::string_view width, std::string_view length,
                      std::string_view woodStock)
{
    std::string line;
    line.reserve(64 + part.size() + woodStock.size());
    AppendField(line, quantity, 9);
    AppendField(line, part, 18);
    AppendField(line, width, 12);
    AppendField(line, length, 12);
    AppendField(line, woodStock, 13);
    return line;
}

std::string WoodLine(std::string_view wood, std::string_view area)
{
    std::string line;
    line.reserve(27 + wood.size());
    AppendField(line, wood, 15);
    AppendField(line, area, 12);
    return line;
}

std::string MillLine(std::string_view label, std::string_view heightTop, std::string_view depth)
{
    std::string line;
    line.reserve(66 + label.size());
    AppendField(line, label, 45);
    AppendField(line, heightTop, 16);
    AppendField(line, depth, 5);
    return line;
}

} // namespace boxmill
