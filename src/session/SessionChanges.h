// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

namespace boxmill {

// What one change of the session touched. Each window follows the parts it
// shows, so a change nobody shows repaints nothing.
enum class SessionChange : std::uint8_t {
    // The record, options or sections of the cabinet.
    Cabinet = 1U << 0,
    // Sizes, offsets and the drawing units (zoom is one).
    Layout = 1U << 1,
    // The viewer grid, the editor listing, the wood cost and the job total.
    CutLists = 1U << 2,
    // The wood names and prices of the wood listing file.
    WoodListing = 1U << 3,
    // The file name, the modified mark, what Undo and Redo would do.
    History = 1U << 4,
    // A new or opened cabinet, Undo, Redo, data read again: every control
    // reloads rather than comparing.
    Replaced = 1U << 5,
    // The designer's shown section.
    DesignerSection = 1U << 6,
};

class SessionChanges {
public:
    constexpr SessionChanges() = default;
    constexpr SessionChanges(SessionChange change) // NOLINT(google-explicit-constructor)
        : m_bits(static_cast<unsigned>(change))
    {
    }

    constexpr bool has(SessionChange change) const { return (m_bits & static_cast<unsigned>(change)) != 0; }
    constexpr bool empty() const { return m_bits == 0; }
    constexpr SessionChanges operator|(SessionChanges other) const { return SessionChanges(m_bits | other.m_bits); }
    constexpr bool operator==(const SessionChanges&) const = default;

    // An edit of the cabinet: everything that follows the record.
    static constexpr SessionChanges edit();
    static constexpr SessionChanges all() { return SessionChanges(0x7FU); }

private:
    explicit constexpr SessionChanges(unsigned bits)
        : m_bits(bits)
    {
    }
    unsigned m_bits = 0;
};

constexpr SessionChanges operator|(SessionChange a, SessionChange b)
{
    return SessionChanges(a) | SessionChanges(b);
}

constexpr SessionChanges SessionChanges::edit()
{
    return SessionChange::Cabinet | SessionChange::Layout | SessionChange::CutLists | SessionChange::History;
}

} // namespace boxmill
