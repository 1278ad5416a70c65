// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/Money.h"
#include "core/Result.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace boxmill {

inline constexpr std::string_view kStockFileName = "Stock.txt";
inline constexpr std::string_view kAnyThickness = "any";
// No saw takes a sheet or a board of more than this; a larger number is a
// typing mistake (inches taken for millimetres) rather than stock.
inline constexpr double kLongestStock = 1000.0;
inline constexpr double kThickestStock = 100.0;
inline constexpr double kMostWastePercent = 1000.0;

enum class StockKind { Sheet, Board };

// How one wood is bought. Lengths are inches. A sheet's grain, when it has
// one, runs along its length.
struct StockEntry {
    StockKind kind = StockKind::Sheet;
    std::string wood;
    // Nothing: the entry serves every thickness of the wood that has no
    // entry of its own.
    std::optional<double> thickness;
    double length = 0.0;
    double width = 0.0;        // a board's may be 0: not given
    bool grain = false;        // sheets only
    Money price = 0;           // per sheet; boards are priced by Wood.dat's area price
    double wastePercent = 0.0; // boards only

    bool operator==(const StockEntry&) const = default;
};

struct StockList {
    std::vector<StockEntry> entries;
    // One explanation per line that could not be read, naming the file and
    // the line; such a line is left out, never guessed at.
    std::vector<std::string> problems;
    // Comment lines written by hand ("# ..."), in file order, for a writer
    // to keep; the header every written file starts with is not among them.
    std::vector<std::string> comments;

    // The entry of exactly this thickness (to a sixty-fourth), else the
    // wood's entry for any thickness.
    const StockEntry* find(std::string_view wood, double thickness) const;
};

// A name the file reads back as the same wood: not empty, without "|" or a
// line break, no blanks at either end.
bool IsStockWoodName(std::string_view wood);

// `fileName` only names the file in the explanations.
StockList ParseStockText(std::string_view text, std::string_view fileName = kStockFileName);
Result<StockList> ReadStockFile(const std::filesystem::path& path);

// The file's text, with its explaining header. An entry the file could not
// read back as it is is refused, naming the entry: a wood name
// IsStockWoodName refuses, a size that is not positive or beyond the
// largest, or a second entry for a wood and thickness.
// `comments` follow the header, each made a comment line if it is not one.
Result<std::string> StockText(const std::vector<StockEntry>& entries, const std::vector<std::string>& comments = {});
// Whole or not at all: a refused entry or a failed write keeps the old file.
Status WriteStockFile(const std::filesystem::path& path, const std::vector<StockEntry>& entries,
                      const std::vector<std::string>& comments = {});

} // namespace boxmill
