// SPDX-License-Identifier: GPL-3.0-or-later
#include "Stock.h"

#include "core/FileIo.h"
#include "core/MessageText.h"
#include "core/NumberText.h"
#include "core/TextFileContent.h"

#include <cmath>

namespace boxmill {

namespace {

constexpr double kSameThickness = 1.0 / 64.0;

constexpr std::string_view kHeader =
    "# The stock each wood is bought in, one entry a line (see docs/STOCK-FILE.md).\n"
    "#   sheet WOOD | THICKNESS | LENGTH x WIDTH | grain or no grain | PRICE PER SHEET\n"
    "#   board WOOD | THICKNESS | LENGTH or LENGTH x WIDTH | WASTE %\n"
    "# Lengths and thicknesses in decimal inches; the thickness \"any\" serves every\n"
    "# thickness of the wood that has no entry of its own. A sheet's grain runs\n"
    "# along its length. A board's width lets narrow parts share a board.\n";

bool SameThickness(const std::optional<double>& a, const std::optional<double>& b)
{
    if (!a || !b)
        return !a && !b;
    return std::fabs(*a - *b) < kSameThickness;
}

std::optional<double> Length(std::string_view text, double largest)
{
    const auto value = ParseDecimal(text);
    if (!value || !std::isfinite(*value) || *value <= 0.0 || *value > largest)
        return std::nullopt;
    return value;
}

// The reason the fields cannot be an entry, or nothing when `entry` was
// filled in.
std::string ReadEntry(std::string_view line, StockEntry& entry)
{
    const std::size_t blank = line.find(' ');
    const std::string_view word = line.substr(0, blank);
    if (word == "sheet")
        entry.kind = StockKind::Sheet;
    else if (word == "board")
        entry.kind = StockKind::Board;
    else
        return "an entry starts with \"sheet\" or \"board\"";
    const auto fields = SplitBarFields(blank == std::string_view::npos ? std::string_view() : line.substr(blank + 1));
    const std::size_t wanted = entry.kind == StockKind::Sheet ? 5 : 4;
    if (fields.size() != wanted) {
        return entry.kind == StockKind::Sheet ? "a sheet is WOOD | THICKNESS | LENGTH x WIDTH | grain | PRICE"
                                              : "a board is WOOD | THICKNESS | LENGTH | WASTE %";
    }
    if (fields[0].empty())
        return "the wood has no name";
    entry.wood = std::string(fields[0]);
    if (fields[1] != kAnyThickness) {
        entry.thickness = Length(fields[1], kThickestStock);
        if (!entry.thickness)
            return "the thickness is not \"any\" or a number of inches above 0 and at most " +
                   FormatDecimal(kThickestStock);
    }
    const std::size_t times = fields[2].find('x');
    if (entry.kind == StockKind::Board) {
        // The width is newer than the file: a board line without it stays
        // valid and keeps meaning one part a board's length.
        const auto length = Length(fields[2].substr(0, times), kLongestStock);
        const auto width = times == std::string_view::npos ? std::optional<double>(0.0)
                                                           : Length(fields[2].substr(times + 1), kLongestStock);
        std::string_view waste = fields[3];
        if (!waste.empty() && waste.back() == '%')
            waste = TrimBlanks(waste.substr(0, waste.size() - 1));
        const auto percent = ParseDecimal(waste);
        if (!length || !width)
            return "the board length is not LENGTH or LENGTH x WIDTH in inches, each above 0 and at most " +
                   FormatDecimal(kLongestStock);
        if (!percent || !(*percent >= 0.0 && *percent <= kMostWastePercent))
            return "the waste allowance is not a percentage from 0 to " + FormatDecimal(kMostWastePercent);
        entry.length = *length;
        entry.width = *width;
        entry.wastePercent = *percent;
        return {};
    }
    const auto length = Length(fields[2].substr(0, times), kLongestStock);
    const auto width =
        times == std::string_view::npos ? std::nullopt : Length(fields[2].substr(times + 1), kLongestStock);
    if (!length || !width)
        return "the size is not LENGTH x WIDTH in inches, each above 0 and at most " + FormatDecimal(kLongestStock);
    if (fields[3] != "grain" && fields[3] != "no grain")
        return "the grain is \"grain\" or \"no grain\"";
    const auto price = ParseMoney(fields[4]);
    if (!price || *price < 0)
        return "the price is not an amount";
    entry.length = *length;
    entry.width = *width;
    entry.grain = fields[3] == "grain";
    entry.price = *price;
    return {};
}

std::string Place(std::string_view fileName, std::size_t line)
{
    return FileTextForMessage(fileName) + ", line " + std::to_string(line) + ": ";
}

std::string ThicknessText(const std::optional<double>& thickness)
{
    return thickness ? FormatDecimal(*thickness) : std::string(kAnyThickness);
}

bool Within(double value, double largest)
{
    return std::isfinite(value) && value > 0.0 && value <= largest;
}

// Why the reader would not give the entry back as it is, or nothing.
std::string Unwritable(const StockEntry& entry)
{
    if (!IsStockWoodName(entry.wood))
        return "the wood needs a name without \"|\" or blanks at either end";
    if (entry.thickness && !Within(*entry.thickness, kThickestStock))
        return "the thickness is not above 0 and at most " + FormatDecimal(kThickestStock) + " inches";
    if (!Within(entry.length, kLongestStock))
        return "the length is not above 0 and at most " + FormatDecimal(kLongestStock) + " inches";
    if (entry.kind == StockKind::Sheet) {
        if (!Within(entry.width, kLongestStock))
            return "the width is not above 0 and at most " + FormatDecimal(kLongestStock) + " inches";
        if (entry.price < 0)
            return "the price is below 0";
        return {};
    }
    if (entry.width != 0.0 && !Within(entry.width, kLongestStock))
        return "the width is not above 0 and at most " + FormatDecimal(kLongestStock) + " inches";
    if (!(entry.wastePercent >= 0.0 && entry.wastePercent <= kMostWastePercent))
        return "the waste allowance is not from 0 to " + FormatDecimal(kMostWastePercent) + " %";
    return {};
}

// A line of the header StockText writes, which is written afresh.
bool IsHeaderLine(std::string_view line)
{
    for (const std::string_view header : SplitLines(kHeader)) {
        if (TrimBlanks(header) == line)
            return true;
    }
    return false;
}

} // namespace

bool IsStockWoodName(std::string_view wood)
{
    return !wood.empty() && TrimBlanks(wood) == wood && wood.find_first_of("|\r\n") == std::string_view::npos;
}

const StockEntry* StockList::find(std::string_view wood, double thickness) const
{
    const StockEntry* any = nullptr;
    for (const auto& entry : entries) {
        if (entry.wood != wood)
            continue;
        if (!entry.thickness)
            any = &entry;
        else if (SameThickness(entry.thickness, thickness))
            return &entry;
    }
    return any;
}

StockList ParseStockText(std::string_view text, std::string_view fileName)
{
    StockList list;
    const auto content = TextFileContent(text);
    if (!content) {
        list.problems.push_back(FileTextForMessage(fileName) + ": " + content.error() + ".");
        return list;
    }
    std::vector<std::size_t> lineOf;
    const auto lines = SplitLines(*content);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string_view line = TrimBlanks(lines[i]);
        if (line.empty())
            continue;
        if (line.front() == '#') {
            if (!IsHeaderLine(line))
                list.comments.emplace_back(line);
            continue;
        }
        StockEntry entry;
        if (const std::string why = ReadEntry(line, entry); !why.empty()) {
            list.problems.push_back(Place(fileName, i + 1) + why + ", not " + QuoteFileText(line) + ".");
            continue;
        }
        bool repeated = false;
        for (std::size_t e = 0; e < list.entries.size() && !repeated; ++e) {
            const auto& earlier = list.entries[e];
            if (earlier.wood == entry.wood && SameThickness(earlier.thickness, entry.thickness)) {
                list.problems.push_back(Place(fileName, i + 1) + FileTextForMessage(entry.wood) + " at " +
                                        ThicknessText(entry.thickness) + " already has its stock on line " +
                                        std::to_string(lineOf[e]) + ".");
                repeated = true;
            }
        }
        if (repeated)
            continue;
        list.entries.push_back(std::move(entry));
        lineOf.push_back(i + 1);
    }
    return list;
}

Result<StockList> ReadStockFile(const std::filesystem::path& path)
{
    // Refused whole, unlike a line that cannot be read: the stock window
    // must not offer to write over a file it could not read at all.
    auto bytes = ReadTextFile(path, FileCap::DataFile);
    if (!bytes)
        return Result<StockList>::failure(bytes.error());
    return ParseStockText(*bytes, path.filename().string());
}

Result<std::string> StockText(const std::vector<StockEntry>& entries, const std::vector<std::string>& comments)
{
    std::string text(kHeader);
    for (const std::string& comment : comments) {
        // One comment, one line: a line break would turn the rest into an
        // entry of its own.
        for (const std::string_view line : SplitLines(comment)) {
            const std::string_view kept = TrimBlanks(line);
            if (!kept.empty())
                text += (kept.front() == '#' ? "" : "# ") + std::string(kept) + '\n';
        }
    }
    for (std::size_t e = 0; e < entries.size(); ++e) {
        const StockEntry& entry = entries[e];
        const bool sheet = entry.kind == StockKind::Sheet;
        std::string why = Unwritable(entry);
        // The reader keeps the first of two such lines and drops the other.
        for (std::size_t earlier = 0; earlier < e && why.empty(); ++earlier) {
            if (entries[earlier].wood == entry.wood && SameThickness(entries[earlier].thickness, entry.thickness))
                why = "an earlier entry has the same wood and thickness";
        }
        if (!why.empty())
            return Result<std::string>::failure("The stock of " + QuoteFileText(entry.wood) + " at " +
                                                ThicknessText(entry.thickness) + " cannot be written: " + why + ".");
        text += sheet ? "sheet " : "board ";
        text += entry.wood + " | " + ThicknessText(entry.thickness) + " | " + FormatDecimal(entry.length);
        if (sheet) {
            text += " x " + FormatDecimal(entry.width) + (entry.grain ? " | grain | " : " | no grain | ") +
                    MoneyText(entry.price);
        } else {
            if (entry.width > 0.0)
                text += " x " + FormatDecimal(entry.width);
            text += " | " + FormatDecimal(entry.wastePercent) + " %";
        }
        text += '\n';
    }
    return text;
}

Status WriteStockFile(const std::filesystem::path& path, const std::vector<StockEntry>& entries,
                      const std::vector<std::string>& comments)
{
    const auto text = StockText(entries, comments);
    if (!text)
        return Status::failure(text.error());
    return WriteFileAtomic(path, *text);
}

} // namespace boxmill
