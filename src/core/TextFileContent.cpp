// SPDX-License-Identifier: GPL-3.0-or-later
#include "TextFileContent.h"

#include <algorithm>

namespace boxmill {

namespace {

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16LittleEndianMark = "\xFF\xFE";
constexpr std::string_view kUtf16BigEndianMark = "\xFE\xFF";
// Enough characters to tell UTF-16 from a text that holds a stray NUL.
constexpr std::size_t kLookedAt = 512;

// Text in UTF-16 without a byte order mark: the high bytes of Latin
// letters are NUL, so one byte in two is; a file of nothing but NULs is no
// text of either kind and is left to the reader.
bool LooksLikeUtf16(std::string_view bytes)
{
    const std::size_t pairs = std::min(bytes.size(), kLookedAt) / 2;
    if (pairs == 0)
        return false;
    std::size_t nulAtEven = 0;
    std::size_t nulAtOdd = 0;
    for (std::size_t i = 0; i < pairs; ++i) {
        nulAtEven += bytes[2 * i] == '\0' ? 1 : 0;
        nulAtOdd += bytes[2 * i + 1] == '\0' ? 1 : 0;
    }
    const std::size_t more = std::max(nulAtEven, nulAtOdd);
    const std::size_t fewer = std::min(nulAtEven, nulAtOdd);
    return 2 * more >= pairs && 2 * fewer < pairs;
}

} // namespace

Result<std::string_view> TextFileContent(std::string_view bytes)
{
    if (bytes.starts_with(kUtf16LittleEndianMark) || bytes.starts_with(kUtf16BigEndianMark) || LooksLikeUtf16(bytes))
        return Result<std::string_view>::failure(std::string(kUtf16Text));
    if (bytes.starts_with(kUtf8Mark))
        bytes.remove_prefix(kUtf8Mark.size());
    return bytes;
}

} // namespace boxmill
