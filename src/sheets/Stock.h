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

    // The entry of exactly this thickness (to a sixty-fourth), else the
    // wood's entry for any thickness.
    const StockEntry* find(std::string_view wood, double thickness) const;
};

// `fileName` only names the file in the explanations.
StockList ParseStockText(std::string_view text, std::string_view fileName = kStockFileName);
Result<StockList> ReadStockFile(const std::filesystem::path& path);

// The file's text, with its explaining header. A wood name the file could
// not read back (empty, with a "|", a line break or blanks at either end)
// or a size that is not a positive number is refused, naming the entry.
Result<std::string> StockText(const std::vector<StockEntry>& entries);
// Whole or not at all: a refused entry or a failed write keeps the old file.
Status WriteStockFile(const std::filesystem::path& path, const std::vector<StockEntry>& entries);

} // namespace boxmill
