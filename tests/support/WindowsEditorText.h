// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Every reader of a text file takes what a Windows editor saves: UTF-8 with
// a byte order mark reads as without one, and UTF-16 is refused as an
// encoding, naming the file, rather than as a mistake on some line. Each
// layer's tests hold its own readers to this.
#include "core/TextFileContent.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <string_view>

namespace boxmill::test {

// ASCII text as UTF-16, each character followed or preceded by its NUL.
inline std::string Utf16(std::string_view text, bool littleEndian)
{
    std::string wide;
    for (const char c : text)
        wide += littleEndian ? std::string {c, '\0'} : std::string {'\0', c};
    return wide;
}

inline std::string ReadError(const std::string& message)
{
    return "error: " + message;
}

struct TextReader {
    const char* family;
    std::string text;
    // What the reader made of the bytes: the first field it read, or
    // ReadError and its message.
    std::function<std::string(const std::string&)> read;
    // The name its refusal must give, if the reader knows the file's name.
    const char* fileName;
};

inline void ExpectReadsWhatAWindowsEditorSaves(const TextReader& reader)
{
    SCOPED_TRACE(reader.family);
    const std::string plain = reader.read(reader.text);
    ASSERT_EQ(plain.rfind("error: ", 0), std::string::npos) << plain;
    EXPECT_EQ(reader.read("\xEF\xBB\xBF" + reader.text), plain);
    for (const std::string& wide : {"\xFF\xFE" + Utf16(reader.text, true), "\xFE\xFF" + Utf16(reader.text, false),
                                    Utf16(reader.text, true), Utf16(reader.text, false)}) {
        const std::string refused = reader.read(wide);
        EXPECT_NE(refused.find(kUtf16Text), std::string::npos) << refused;
        if (reader.fileName != nullptr) {
            EXPECT_NE(refused.find(reader.fileName), std::string::npos) << refused;
        }
    }
}

} // namespace boxmill::test
