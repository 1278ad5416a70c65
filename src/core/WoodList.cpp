// SPDX-License-Identifier: GPL-3.0-or-later
#include "WoodList.h"

#include "AreaPrice.h"
#include "CabinetRecord.h"
#include "MessageText.h"
#include "NumberText.h"

#include <algorithm>
#include <cctype>

namespace boxmill {

Result<WoodEntry> ParseWoodLine(std::string_view line)
{
    const auto first = line.find('*');
    const auto second = first == std::string_view::npos ? first : line.find('*', first + 1);
    if (second == std::string_view::npos)
        return Result<WoodEntry>::failure("it needs the form name*thickness*price");
    const auto thicknessText = line.substr(first + 1, second - first - 1);
    const auto thickness = ParseDecimal(thicknessText);
    if (!thickness)
        return Result<WoodEntry>::failure("its thickness " + QuoteFileText(thicknessText) + " is not a number");
    // The thickness becomes a part's stock, which a cabinet file may only
    // hold within these bounds.
    if (*thickness < 0.0 || *thickness > kLargestLength)
        return Result<WoodEntry>::failure("its thickness " + QuoteFileText(thicknessText) + " is not from 0 to " +
                                          FormatDecimal(kLargestLength) + " inches");
    return WoodEntry {std::string(line.substr(0, first)), *thickness, std::string(line.substr(second + 1))};
}

std::string WoodListItem(const WoodEntry& entry, UnitMode mode)
{
    const bool belowAnInch = mode == UnitMode::Inches && entry.thickness < 1.0;
    return entry.name + (belowAnInch ? "*0 " : "*") + FormatMeasure(entry.thickness, mode) + "*" +
           ShownPriceText(entry.rest, mode);
}

std::string WoodSettingText(std::string_view woodName, double stock, UnitMode mode)
{
    const bool belowAnInch = mode == UnitMode::Inches && stock < 1.0;
    return std::string(woodName) + (belowAnInch ? "*0-" : "*") + FormatMeasure(stock, mode);
}

void SortListItems(std::vector<std::string>& items)
{
    const auto lower = [](char c) { return std::tolower(static_cast<unsigned char>(c)); };
    std::stable_sort(items.begin(), items.end(), [&](const std::string& a, const std::string& b) {
        return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                            [&](char x, char y) { return lower(x) < lower(y); });
    });
}

WoodListing BuildWoodListing(const std::vector<std::string>& lines, UnitMode mode)
{
    WoodListing listing;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (TrimBlanks(lines[i]).empty())
            continue;
        auto entry = ParseWoodLine(lines[i]);
        if (!entry) {
            listing.skipped.push_back("line " + std::to_string(i + 1) + " " + QuoteFileText(lines[i]) + ": " +
                                      entry.error());
            continue;
        }
        listing.items.push_back(WoodListItem(*entry, mode));
    }
    SortListItems(listing.items);
    return listing;
}

} // namespace boxmill
