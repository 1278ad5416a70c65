// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/Prompter.h"

#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

namespace boxmill::fuzz {

// Keeps what would be shown, so a target can check that every message is
// fit to show: whatever a file holds, a message quotes it short and clean.
class CheckingPrompter : public Prompter {
public:
    void message(MessageKind, std::string_view text) override { check(text); }
    bool ask(MessageKind, std::string_view text, QuestionButtons) override
    {
        check(text);
        return false;
    }

private:
    static void check(std::string_view text)
    {
        std::size_t lineLength = 0;
        for (std::size_t i = 0; i < text.size(); ++i) {
            const auto byte = static_cast<unsigned char>(text[i]);
            if (byte == '\n') {
                lineLength = 0;
                continue;
            }
            // Only line breaks between the quoted lines, no C1 control in
            // UTF-8, and no line longer than a sentence or two around the
            // cut quotes.
            const unsigned next = i + 1 < text.size() ? static_cast<unsigned char>(text[i + 1]) : 0u;
            const bool c1 = byte == 0xC2 && next >= 0x80 && next < 0xA0;
            if (byte < 0x20 || byte == 0x7F || c1)
                std::abort();
            if ((byte & 0xC0u) != 0x80u && ++lineLength > 400)
                std::abort();
        }
    }
};

inline std::string_view Bytes(const std::uint8_t* data, std::size_t size)
{
    return {reinterpret_cast<const char*>(data), size};
}

} // namespace boxmill::fuzz
