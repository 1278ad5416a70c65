// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds arbitrary bytes to the reader of the help and read-me documents: a
// refusal must be a message fit to show, and a document read must give
// well-formed text no larger than the bytes could account for.
#include "FuzzSupport.h"

#include "help/RtfReader.h"

#include <cstdlib>

namespace {

bool IsUtf8(std::string_view text)
{
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const std::size_t length = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC2 ? 2 : 0;
        if (length == 0 || i + length > text.size())
            return false;
        for (std::size_t k = 1; k < length; ++k) {
            if ((static_cast<unsigned char>(text[i + k]) & 0xC0u) != 0x80u)
                return false;
        }
        i += length;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace boxmill;
    const auto document = ReadRtf(fuzz::Bytes(data, size));
    if (!document) {
        fuzz::CheckingPrompter prompter;
        prompter.message(MessageKind::Error, document.error());
        return 0;
    }
    const std::string text = RtfPlainText(*document);
    // A byte stands for at most one character of three bytes in UTF-8.
    if (!IsUtf8(text) || text.size() > 3 * size)
        std::abort();
    return 0;
}
