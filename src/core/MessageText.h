// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace boxmill {

// Messages that show what a file holds (a line of Wood.dat, a value of a
// cabinet file) must stay readable whatever the file holds: a line of
// 64 KB would make a message box taller than the screen, and control bytes
// would drive the terminal of boxmill-cli.
inline constexpr std::size_t kQuotedTextLength = 80;

// The text as a message may show it: at most `length` characters, a longer
// text cut with "…"; control and direction-changing characters replaced by
// U+FFFD (a tab by a blank). Like the windows, valid UTF-8 is read as such
// and anything else as Latin-1; the result is always UTF-8, so a message
// that quotes a file stays one encoding.
std::string FileTextForMessage(std::string_view text, std::size_t length = kQuotedTextLength);

// The same in double quotes, for messages that quote a file's content.
std::string QuoteFileText(std::string_view text, std::size_t length = kQuotedTextLength);

// What the user typed, in single quotes, cut and cleaned as above: a
// message may quote a box's whole content or a command line's word.
std::string QuoteTypedText(std::string_view text);

// What a tab becomes on a screen: tab-separated output keeps it, a message
// shows a blank.
enum class TabsShown { Kept, AsBlanks };

// Any text as a terminal or a message box shows it, whole: valid UTF-8
// sequences stay and every other byte is read as Latin-1 (the single bytes
// of old files' wood names), so the result is always UTF-8; line breaks
// stay, and control and direction-changing characters become U+FFFD, so
// that no text read from a file or typed on a command line can move the
// cursor, retitle the terminal or turn a message around. The files written
// for other programs keep their bytes: this is for the screen only.
std::string TextForDisplay(std::string_view text, TabsShown tabs);

// A message that lists what is wrong (fields, lines) names this many and
// then says how many more, so that it fits on the screen.
inline constexpr std::size_t kListedEntries = 10;

// `entries`, one on a line each after `heading`, cut as above.
std::string ListedMessage(std::string heading, const std::vector<std::string>& entries);

} // namespace boxmill
