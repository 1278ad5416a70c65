// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>

namespace boxmill::rtf {

inline constexpr char32_t kReplacement = 0xFFFD;

// The character a byte of an \'hh escape or of raw 8-bit text stands for in
// the document's ANSI code page. Code pages other than Windows-1252 and
// Latin-1 are not known here: their upper half reads as U+FFFD rather than
// as the wrong letters.
char32_t DecodeCodePageByte(int codePage, std::uint8_t byte);

void AppendUtf8(std::string& out, char32_t c);

} // namespace boxmill::rtf
