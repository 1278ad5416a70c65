// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/Result.h"

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace boxmill {

// The part of rich text the help and read-me windows show: paragraphs of
// styled runs. Everything else a word processor writes (fonts, colours,
// pictures, document properties, page setup) is read past.
enum class RtfAlignment { Left, Center, Right, Justify };

struct RtfRun {
    // UTF-8. A tab is '\t'; a line break inside the paragraph is '\n'.
    std::string text;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    // In half points, as the format counts them; 24 is 12 pt.
    int halfPoints = 24;
};

struct RtfParagraph {
    std::vector<RtfRun> runs;
    // 1 for a top-level heading, 2 below it, ...; 0 for body text.
    int headingLevel = 0;
    RtfAlignment alignment = RtfAlignment::Left;
    // In twips (1/1440 inch), as written; a negative first-line indent
    // hangs a bullet or number out to the left of the text.
    int leftIndent = 0;
    int firstLineIndent = 0;
    // Tab stops from the left margin, in twips.
    std::vector<int> tabStops;
    int spaceBefore = 0;
    int spaceAfter = 0;
};

struct RtfDocument {
    std::vector<RtfParagraph> paragraphs;
};

// Limits that keep a damaged or hostile file from costing unbounded time or
// memory; a document past any of them is refused with a message.
namespace RtfLimit {
// A manual with screenshots is a few megabytes; a 50 MB file is not help.
inline constexpr std::size_t Bytes = 16 * 1024 * 1024;
inline constexpr std::size_t GroupDepth = 512;
inline constexpr std::size_t Paragraphs = 200000;
// Alternating bold and plain words make a run every few bytes.
inline constexpr std::size_t Runs = 1000000;
} // namespace RtfLimit

// Reads the bytes of an RTF document. A malformed one (no "{\rtf" header,
// unbalanced braces, a truncated or invalid escape, groups nested past the
// limit, too large) gives a message that says what is wrong and where.
Result<RtfDocument> ReadRtf(std::string_view bytes);

// Reads a file through the size-capped reader; every message names the file.
Result<RtfDocument> ReadRtfFile(const std::filesystem::path& path);

// The text of the document, UTF-8, paragraphs separated by "\n" (no newline
// after the last); line breaks are "\n" and tabs "\t" as well.
std::string RtfPlainText(const RtfDocument& document);

} // namespace boxmill
