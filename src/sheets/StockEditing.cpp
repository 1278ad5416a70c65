// SPDX-License-Identifier: GPL-3.0-or-later
#include "StockEditing.h"

#include "CutListSheets.h"

#include "core/MessageText.h"
#include "core/NumberText.h"
#include "cutlist/WoodEditBoxes.h"

#include <algorithm>
#include <cctype>
#include <cmath>

namespace boxmill {

namespace {

// The size most sheet goods and boards are sold in.
constexpr double kUsualLength = 96.0;
constexpr double kUsualSheetWidth = 48.0;
constexpr double kUsualWastePercent = 20.0;

std::string LengthText(double inches, UnitMode units)
{
    return std::string(TrimBlanks(FormatMeasure(inches, units)));
}

std::string HowToType(UnitMode units)
{
    return units == UnitMode::Inches ? "inches and a fraction in 32nds, such as 48, 23 1/2 or 3/4"
                                     : "whole millimetres, such as 1220";
}

// A length of stock as typed, up to `largest` inches.
Result<double> TypedLength(std::string_view what, std::string_view text, double largest, UnitMode units)
{
    const auto inches = ListedLength(text, units);
    if (!inches)
        return Result<double>::failure("The " + std::string(what) + " " + QuoteFileText(text) +
                                       " cannot be read: type " + HowToType(units) + ".");
    if (!(*inches > 0.0 && *inches <= largest))
        return Result<double>::failure("The " + std::string(what) + " must be above 0 and at most " +
                                       LengthText(largest, units) +
                                       (units == UnitMode::Inches ? " inches." : " millimetres."));
    return *inches;
}

bool IsAny(std::string_view text)
{
    return std::equal(text.begin(), text.end(), kAnyThickness.begin(), kAnyThickness.end(),
                      [](char a, char b) { return std::tolower(static_cast<unsigned char>(a)) == b; });
}

} // namespace

bool StockColumnApplies(StockKind kind, StockColumn column)
{
    switch (column) {
    case StockColumn::Grain:
    case StockColumn::Price: return kind == StockKind::Sheet;
    case StockColumn::Waste: return kind == StockKind::Board;
    default: return true;
    }
}

std::string StockCellText(const StockEntry& entry, StockColumn column, UnitMode units)
{
    if (!StockColumnApplies(entry.kind, column))
        return {};
    switch (column) {
    case StockColumn::Kind: return entry.kind == StockKind::Sheet ? "Sheet" : "Board";
    case StockColumn::Wood: return entry.wood;
    case StockColumn::Thickness:
        return entry.thickness ? LengthText(*entry.thickness, units) : std::string(kAnyThickness);
    case StockColumn::Length: return LengthText(entry.length, units);
    case StockColumn::Width: return entry.width > 0.0 ? LengthText(entry.width, units) : std::string();
    case StockColumn::Grain: return {};
    case StockColumn::Price: return FormatMoney(entry.price);
    case StockColumn::Waste: return FormatDecimal(entry.wastePercent);
    }
    return {};
}

Result<StockEntry> EditStockCell(StockEntry entry, StockColumn column, std::string_view typed, UnitMode units)
{
    const std::string_view text = TrimBlanks(typed);
    switch (column) {
    case StockColumn::Kind:
    case StockColumn::Grain: break;
    case StockColumn::Wood:
        if (!IsStockWoodName(text))
            return Result<StockEntry>::failure("The wood needs a name, without \"|\".");
        entry.wood = std::string(text);
        break;
    case StockColumn::Thickness: {
        if (IsAny(text)) {
            entry.thickness.reset();
            break;
        }
        const auto thickness = TypedLength("thickness", text, kThickestStock, units);
        if (!thickness)
            return Result<StockEntry>::failure(thickness.error() + " \"any\" serves every thickness of the wood.");
        entry.thickness = *thickness;
        break;
    }
    case StockColumn::Length: {
        const auto length = TypedLength("length", text, kLongestStock, units);
        if (!length)
            return Result<StockEntry>::failure(length.error());
        entry.length = *length;
        break;
    }
    case StockColumn::Width: {
        // A board's width may stay open: then each part takes a board's
        // length of its own.
        if (text.empty() && entry.kind == StockKind::Board) {
            entry.width = 0.0;
            break;
        }
        const auto width = TypedLength("width", text, kLongestStock, units);
        if (!width)
            return Result<StockEntry>::failure(width.error());
        entry.width = *width;
        break;
    }
    case StockColumn::Price: {
        const auto price = ParseMoney(text);
        if (!price || *price < 0)
            return Result<StockEntry>::failure("The price " + QuoteFileText(text) +
                                               " is not an amount, such as 62 or 34.50.");
        entry.price = *price;
        break;
    }
    case StockColumn::Waste: {
        std::string_view number = text;
        if (!number.empty() && number.back() == '%')
            number = TrimBlanks(number.substr(0, number.size() - 1));
        const auto percent = ParseDecimal(number);
        if (!percent || !(*percent >= 0.0 && *percent <= kMostWastePercent))
            return Result<StockEntry>::failure("The waste allowance " + QuoteFileText(text) +
                                               " is not a percentage from 0 to " + FormatDecimal(kMostWastePercent) +
                                               ".");
        entry.wastePercent = *percent;
        break;
    }
    }
    return entry;
}

std::vector<ListedWood> ListedWoods(const std::vector<std::string>& items, UnitMode units)
{
    std::vector<ListedWood> woods;
    for (const std::string& item : items) {
        const WoodEditBoxes boxes = EditBoxesFromItem(item, units);
        const auto thickness = ThicknessOfBoxes(boxes, units);
        if (boxes.woodType.empty() || boxes.costSft.empty() || !thickness)
            continue;
        woods.push_back({boxes.woodType, *thickness, LengthText(*thickness, units)});
    }
    return woods;
}

std::vector<std::string> ListedWoodNames(const std::vector<ListedWood>& woods)
{
    std::vector<std::string> names;
    for (const auto& wood : woods) {
        if (std::find(names.begin(), names.end(), wood.name) == names.end())
            names.push_back(wood.name);
    }
    return names;
}

std::vector<std::string> WoodsWithoutStock(const std::vector<ListedWood>& woods, const std::vector<StockEntry>& entries)
{
    const StockList stock {entries, {}, {}};
    std::vector<std::string> missing;
    for (const auto& wood : woods) {
        if (!stock.find(wood.name, wood.thickness))
            missing.push_back(wood.name + " " + wood.thicknessText);
    }
    return missing;
}

StockEntry NewStockEntry(StockKind kind, const std::vector<ListedWood>& woods, const std::vector<StockEntry>& entries)
{
    StockEntry entry;
    entry.kind = kind;
    entry.length = kUsualLength;
    if (kind == StockKind::Sheet) {
        entry.width = kUsualSheetWidth;
        entry.grain = true;
    } else {
        entry.wastePercent = kUsualWastePercent;
    }
    const StockList stock {entries, {}, {}};
    const auto unserved = std::find_if(woods.begin(), woods.end(),
                                       [&](const ListedWood& wood) { return !stock.find(wood.name, wood.thickness); });
    if (unserved != woods.end()) {
        entry.wood = unserved->name;
        entry.thickness = unserved->thickness;
    }
    return entry;
}

} // namespace boxmill
