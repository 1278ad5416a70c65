// SPDX-License-Identifier: GPL-3.0-or-later
#include "PrintSettings.h"

#include "core/FileIo.h"
#include "core/MessageText.h"
#include "core/NumberText.h"
#include "core/TextFileContent.h"

#include <optional>

namespace boxmill {

namespace {

// Two short lines; anything longer is not a settings file.
constexpr std::size_t kPrintOptionsCap = 4 * 1024;

// The position a line gives in a list of `count` entries, or why it gives
// none.
Result<int> Position(std::string_view line, std::size_t count, std::string_view what, std::string_view where)
{
    const std::string_view text = TrimBlanks(line);
    const auto number = ParseInteger(text);
    if (!number) {
        // Digits too many for any integer are still a position far beyond
        // the list, not a missing one.
        std::string_view digits = text;
        if (!digits.empty() && (digits.front() == '-' || digits.front() == '+'))
            digits.remove_prefix(1);
        if (!digits.empty() && digits.find_first_not_of("0123456789") == std::string_view::npos)
            return Result<int>::failure("has the " + std::string(what) + " position " + FileTextForMessage(text) +
                                        " on its " + std::string(where) + " line, beyond its list");
        return Result<int>::failure("has no " + std::string(what) + " position on its " + std::string(where) + " line");
    }
    if (*number < 0 || *number >= static_cast<long long>(count))
        return Result<int>::failure("has the " + std::string(what) + " position " + std::to_string(*number) +
                                    " on its " + std::string(where) + " line, beyond its list");
    return static_cast<int>(*number);
}

template <std::size_t N> std::optional<int> IndexOf(const std::array<std::string_view, N>& items, std::string_view text)
{
    const auto wanted = ParseDecimal(text);
    if (!wanted)
        return std::nullopt;
    for (std::size_t i = 0; i < N; ++i)
        if (ParseDecimal(items[i]) == wanted)
            return static_cast<int>(i);
    return std::nullopt;
}

} // namespace

double PrintSettings::zoom() const
{
    return ParseDecimal(kZoomItems.at(static_cast<std::size_t>(zoomIndex))).value_or(1.0);
}

int PrintSettings::gap() const
{
    return static_cast<int>(ParseInteger(kGapItems.at(static_cast<std::size_t>(gapIndex))).value_or(10));
}

Result<PrintSettings> ParsePrintOptions(std::string_view bytes)
{
    const auto refuse = [](const std::string& why) {
        return Result<PrintSettings>::failure(std::string(kPrintOptionsFile) + " " + why +
                                              ": it must hold two lines, the positions of the zoom (0 to 8) and "
                                              "of the space (0 to 6).");
    };
    const auto text = TextFileContent(bytes);
    if (!text)
        return Result<PrintSettings>::failure(std::string(kPrintOptionsFile) + ": " + text.error() + ".");
    const std::vector<std::string> lines = SplitLines(*text);
    if (lines.size() < 2)
        return refuse("is incomplete");
    for (std::size_t i = 2; i < lines.size(); ++i)
        if (!TrimBlanks(lines[i]).empty())
            return refuse("has more than two lines");
    const auto zoom = Position(lines[0], kZoomItems.size(), "zoom", "first");
    if (!zoom)
        return refuse(zoom.error());
    const auto gap = Position(lines[1], kGapItems.size(), "space", "second");
    if (!gap)
        return refuse(gap.error());
    return PrintSettings {*zoom, *gap};
}

std::string FormatPrintOptions(const PrintSettings& settings)
{
    return JoinLinesCrLf({std::to_string(settings.zoomIndex), std::to_string(settings.gapIndex)});
}

Result<PrintSettings> ReadPrintOptions(const std::filesystem::path& programFolder)
{
    const auto path = programFolder / kPrintOptionsFile;
    const auto bytes = ReadFileBytes(path, kPrintOptionsCap);
    if (!bytes)
        return Result<PrintSettings>::failure(bytes.error());
    auto settings = ParsePrintOptions(*bytes);
    if (!settings)
        return Result<PrintSettings>::failure("Cannot use \"" + path.string() + "\". " + settings.error());
    return settings;
}

Status WritePrintOptions(const std::filesystem::path& programFolder, const PrintSettings& settings)
{
    return WriteFileAtomic(programFolder / kPrintOptionsFile, FormatPrintOptions(settings));
}

std::optional<int> ZoomIndexOf(std::string_view text)
{
    return IndexOf(kZoomItems, text);
}

std::optional<int> GapIndexOf(std::string_view text)
{
    return IndexOf(kGapItems, text);
}

} // namespace boxmill
