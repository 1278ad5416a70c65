// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Result.h"

#include <string_view>

namespace boxmill {

// Why a text file cannot be read, as a message gives it after the file's
// name: the readers take UTF-8 or Latin-1, one byte a character.
inline constexpr std::string_view kUtf16Text =
    "it is saved as UTF-16, an encoding the program does not read; save it as UTF-8";

// The text a reader of the program's text files takes from a file's bytes:
// without the byte order mark Windows editors put before UTF-8. UTF-16, by
// its byte order mark (FF FE, FE FF) or by a start where every other byte is
// NUL, is refused with kUtf16Text rather than read as lines of nonsense.
Result<std::string_view> TextFileContent(std::string_view bytes);

} // namespace boxmill
