// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/MessageText.h"

#include <optional>
#include <streambuf>
#include <string>
#include <string_view>

namespace boxmill::cli {

// Standard output or standard error as boxmill-cli writes them: the one way
// out for everything it prints. Text for a reader is cleaned a line at a
// time (TextForDisplay), so a wood name or a path holding an escape sequence
// cannot drive the terminal, and prints as UTF-8; a file's content that
// another program reads back (export) passes as bytes. A failed write is
// kept, so that a full disk is told at the end rather than lost.
class StandardStream : public std::streambuf {
public:
    // Text cleaned with `tabs`, or bytes as they are without it.
    StandardStream(int descriptor, std::optional<TabsShown> cleaned);
    ~StandardStream() override;
    StandardStream(const StandardStream&) = delete;
    StandardStream& operator=(const StandardStream&) = delete;

    // The errno of the first write that failed; 0 while every write went.
    int failure() const { return m_failure; }

protected:
    int_type overflow(int_type c) override;
    std::streamsize xsputn(const char* text, std::streamsize count) override;
    int sync() override;

private:
    // Writes what is pending up to its last line break, or all of it.
    void writePending(bool partLine);
    void write(std::string_view bytes);

    int m_descriptor;
    std::optional<TabsShown> m_cleaned;
    // Text waits for its line's end: a UTF-8 sequence is never split, and a
    // line is decided as a whole.
    std::string m_pending;
    int m_failure = 0;
};

} // namespace boxmill::cli
