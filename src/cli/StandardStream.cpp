// SPDX-License-Identifier: GPL-3.0-or-later
#include "StandardStream.h"

#include <cerrno>

#include <unistd.h>

namespace boxmill::cli {

StandardStream::StandardStream(int descriptor, std::optional<TabsShown> cleaned)
    : m_descriptor(descriptor)
    , m_cleaned(cleaned)
{
}

StandardStream::~StandardStream()
{
    writePending(true);
}

StandardStream::int_type StandardStream::overflow(int_type c)
{
    if (traits_type::eq_int_type(c, traits_type::eof()))
        return traits_type::not_eof(c);
    const char byte = traits_type::to_char_type(c);
    xsputn(&byte, 1);
    return c;
}

std::streamsize StandardStream::xsputn(const char* text, std::streamsize count)
{
    const std::string_view bytes(text, static_cast<std::size_t>(count));
    if (!m_cleaned) {
        write(bytes);
    } else {
        m_pending += bytes;
        if (bytes.find('\n') != std::string_view::npos)
            writePending(false);
    }
    return count;
}

int StandardStream::sync()
{
    writePending(true);
    return m_failure == 0 ? 0 : -1;
}

void StandardStream::writePending(bool partLine)
{
    if (!m_cleaned)
        return;
    // No line break gives npos + 1, that is nothing yet.
    const std::size_t end = partLine ? m_pending.size() : m_pending.rfind('\n') + 1;
    if (end == 0)
        return;
    write(TextForDisplay(std::string_view(m_pending).substr(0, end), *m_cleaned));
    m_pending.erase(0, end);
}

void StandardStream::write(std::string_view bytes)
{
    // After a failure nothing more goes out: half a listing after a gap
    // would look whole.
    while (!bytes.empty() && m_failure == 0) {
        const ssize_t written = ::write(m_descriptor, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR)
            continue;
        if (written < 0) {
            m_failure = errno;
            return;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
}

} // namespace boxmill::cli
