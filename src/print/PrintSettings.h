// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/Result.h"

#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace boxmill {

inline constexpr const char* kPrintOptionsFile = "Printopt.dat";

// The entries of the "Print View Options" lists, as the window shows them.
inline constexpr std::array<std::string_view, 9> kZoomItems = {"1.0", "1.5", "2.0", "2.5", "3.0",
                                                               "3.5", "4.0", "4.5", "5.0"};
inline constexpr std::array<std::string_view, 7> kGapItems = {"10", "15", "20", "25", "30", "40", "50"};

// The chosen entries of the two lists, by position; the file keeps nothing
// else.
struct PrintSettings {
    int zoomIndex = 0;
    int gapIndex = 0;

    // Drawing units to screen pixels.
    double zoom() const;
    // Extra room between lines and after drawings, in screen pixels.
    int gap() const;

    friend bool operator==(const PrintSettings&, const PrintSettings&) = default;
};

// The file's two lines, each the position of an entry. Anything else (a
// missing line, a word, a position beyond its list) is refused with a
// message that names the file.
Result<PrintSettings> ParsePrintOptions(std::string_view bytes);
std::string FormatPrintOptions(const PrintSettings& settings);

// Printopt.dat in the program folder.
Result<PrintSettings> ReadPrintOptions(const std::filesystem::path& programFolder);
Status WritePrintOptions(const std::filesystem::path& programFolder, const PrintSettings& settings);

// The entry given by its text ("3", "3.0", "25"), as the command line takes
// it; nullopt when the list has no such entry.
std::optional<int> ZoomIndexOf(std::string_view text);
std::optional<int> GapIndexOf(std::string_view text);

} // namespace boxmill
