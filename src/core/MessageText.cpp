// SPDX-License-Identifier: GPL-3.0-or-later
#include "MessageText.h"

#include <optional>

namespace boxmill {

namespace {

constexpr std::string_view kEllipsis = "\xE2\x80\xA6";
constexpr std::string_view kReplacement = "\xEF\xBF\xBD";

struct Decoded {
    char32_t code;
    std::size_t length;
};

// One well-formed UTF-8 sequence at `at`: shortest form, no surrogates,
// nothing beyond U+10FFFF.
std::optional<Decoded> DecodeUtf8(std::string_view text, std::size_t at)
{
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(at);
    if (lead < 0x80)
        return Decoded {lead, 1};
    std::size_t length = 0;
    char32_t code = 0;
    char32_t smallest = 0;
    if ((lead & 0xE0u) == 0xC0u) {
        length = 2;
        code = lead & 0x1Fu;
        smallest = 0x80;
    } else if ((lead & 0xF0u) == 0xE0u) {
        length = 3;
        code = lead & 0x0Fu;
        smallest = 0x800;
    } else if ((lead & 0xF8u) == 0xF0u) {
        length = 4;
        code = lead & 0x07u;
        smallest = 0x10000;
    } else {
        return std::nullopt;
    }
    if (at + length > text.size())
        return std::nullopt;
    for (std::size_t i = 1; i < length; ++i) {
        const unsigned char next = byte(at + i);
        if ((next & 0xC0u) != 0x80u)
            return std::nullopt;
        code = (code << 6) | (next & 0x3Fu);
    }
    if (code < smallest || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
        return std::nullopt;
    return Decoded {code, length};
}

bool IsValidUtf8(std::string_view text)
{
    for (std::size_t at = 0; at < text.size();) {
        const auto decoded = DecodeUtf8(text, at);
        if (!decoded)
            return false;
        at += decoded->length;
    }
    return true;
}

// C0 and C1 controls, DEL, and the characters that turn the direction of
// the text around it or break its line.
bool Unshowable(char32_t c)
{
    return c < 0x20 || (c >= 0x7F && c <= 0x9F) || c == 0x2028 || c == 0x2029 || (c >= 0x202A && c <= 0x202E) ||
           (c >= 0x2066 && c <= 0x2069) || c == 0x200E || c == 0x200F || c == 0x061C;
}

void AppendUtf8(std::string& out, char32_t c)
{
    const auto put = [&](char32_t bits) { out += static_cast<char>(static_cast<unsigned char>(bits)); };
    if (c < 0x80) {
        put(c);
    } else if (c < 0x800) {
        put(0xC0 | (c >> 6));
        put(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        put(0xE0 | (c >> 12));
        put(0x80 | ((c >> 6) & 0x3F));
        put(0x80 | (c & 0x3F));
    } else {
        put(0xF0 | (c >> 18));
        put(0x80 | ((c >> 12) & 0x3F));
        put(0x80 | ((c >> 6) & 0x3F));
        put(0x80 | (c & 0x3F));
    }
}

void AppendShown(std::string& out, char32_t c, bool lineBreaks, TabsShown tabs)
{
    if (c == '\t')
        out += tabs == TabsShown::Kept ? '\t' : ' ';
    else if (c == '\n' && lineBreaks)
        out += '\n';
    else if (Unshowable(c))
        out += kReplacement;
    else
        AppendUtf8(out, c);
}

} // namespace

std::string FileTextForMessage(std::string_view text, std::size_t length)
{
    const bool utf8 = IsValidUtf8(text);
    std::string shown;
    std::size_t characters = 0;
    // Where the text is cut if it turns out too long: the ellipsis takes the
    // place of the last character that fits.
    std::size_t cut = 0;
    for (std::size_t at = 0; at < text.size(); ++characters) {
        if (characters == length) {
            shown.resize(cut);
            return shown + std::string(kEllipsis);
        }
        if (characters + 1 == length)
            cut = shown.size();
        char32_t c = static_cast<unsigned char>(text[at]);
        std::size_t step = 1;
        if (utf8) {
            const auto decoded = DecodeUtf8(text, at);
            c = decoded->code;
            step = decoded->length;
        }
        AppendShown(shown, c, false, TabsShown::AsBlanks);
        at += step;
    }
    return shown;
}

std::string QuoteTypedText(std::string_view text)
{
    return "'" + FileTextForMessage(text) + "'";
}

std::string TextForDisplay(std::string_view text, TabsShown tabs)
{
    // Decided a sequence at a time rather than for the whole text: a
    // message in UTF-8 may quote a wood name in Latin-1, and both must show.
    std::string shown;
    shown.reserve(text.size());
    for (std::size_t at = 0; at < text.size();) {
        const auto decoded = DecodeUtf8(text, at);
        AppendShown(shown, decoded ? decoded->code : static_cast<unsigned char>(text[at]), true, tabs);
        at += decoded ? decoded->length : 1;
    }
    return shown;
}

std::string ListedMessage(std::string heading, const std::vector<std::string>& entries)
{
    for (std::size_t i = 0; i < entries.size() && i < kListedEntries; ++i)
        heading += "\n" + entries[i];
    if (entries.size() > kListedEntries)
        heading += "\nand " + std::to_string(entries.size() - kListedEntries) + " more.";
    return heading;
}

std::string QuoteFileText(std::string_view text, std::size_t length)
{
    return "\"" + FileTextForMessage(text, length) + "\"";
}

} // namespace boxmill
