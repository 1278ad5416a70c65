// SPDX-License-Identifier: GPL-3.0-or-later
#include "WoodEditBoxes.h"

#include "core/AreaPrice.h"
#include "core/NumberText.h"

namespace boxmill {

namespace {

bool HasLineBreak(std::string_view text)
{
    return text.find_first_of("\r\n") != std::string_view::npos;
}

} // namespace

WoodEditBoxes EditBoxesFromItem(std::string_view item, UnitMode mode)
{
    WoodEditBoxes boxes;
    const auto firstStar = item.find('*');
    boxes.woodType = std::string(item.substr(0, firstStar));
    if (firstStar == std::string_view::npos)
        return boxes;
    const auto rest = item.substr(firstStar + 1);
    const auto secondStar = rest.find('*');
    // The thickness ends at the second "*" whatever it holds, so a malformed
    // item never spills its price into the thickness boxes.
    const auto thickness = rest.substr(0, secondStar);
    if (secondStar != std::string_view::npos)
        boxes.costSft = std::string(rest.substr(secondStar + 1));
    if (mode == UnitMode::Metric) {
        boxes.inchThick = std::string(thickness);
        boxes.fracThick = "0";
        return boxes;
    }
    const auto blank = thickness.find(' ');
    boxes.inchThick = std::string(thickness.substr(0, blank));
    if (blank != std::string_view::npos) {
        boxes.fracThick = std::string(thickness.substr(blank + 1));
        if (boxes.fracThick.empty())
            boxes.fracThick = "0";
    }
    return boxes;
}

bool AllBoxesFilled(const WoodEditBoxes& boxes, UnitMode mode)
{
    return !boxes.woodType.empty() && !boxes.inchThick.empty() && !boxes.costSft.empty() &&
           (mode == UnitMode::Metric || !boxes.fracThick.empty());
}

Result<double> ThicknessOfBoxes(const WoodEditBoxes& boxes, UnitMode mode)
{
    double inches = 0.0;
    if (mode == UnitMode::Metric) {
        auto millimetres = ReadMeasure(boxes.inchThick, mode);
        if (!millimetres)
            return millimetres;
        inches = *millimetres;
    } else {
        const auto whole = ParseInteger(boxes.inchThick);
        if (!whole)
            return Result<double>::failure("'" + boxes.inchThick + "' is not a valid number of whole inches.");
        auto fraction = ReadMeasure(boxes.fracThick, mode);
        if (!fraction)
            return fraction;
        inches = static_cast<double>(*whole) + *fraction;
    }
    // Wood.dat would keep a negative thickness, but inches cannot show one.
    if (inches < 0.0)
        return Result<double>::failure("A thickness cannot be negative.");
    return inches;
}

Result<WoodEntry> ReadWoodBoxes(const WoodEditBoxes& boxes, UnitMode mode)
{
    // Wood.dat separates its fields with "*" and its woods with line breaks.
    if (boxes.woodType.find('*') != std::string::npos || HasLineBreak(boxes.woodType))
        return Result<WoodEntry>::failure("A wood name cannot contain \"*\" or a line break.");
    const auto thickness = ThicknessOfBoxes(boxes, mode);
    if (!thickness)
        return Result<WoodEntry>::failure(thickness.error());
    const auto price = HasLineBreak(boxes.costSft) ? std::nullopt : StoredPriceText(boxes.costSft, mode);
    if (!price)
        return Result<WoodEntry>::failure(NotACostMessage(boxes.costSft));
    return WoodEntry {boxes.woodType, *thickness, *price};
}

std::string NotACostMessage(std::string_view costText)
{
    return "The cost '" + std::string(costText) + "' is not a number.";
}

} // namespace boxmill
