// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Constants.h"

#include <array>
#include <cstdint>

namespace boxmill {

class CabinetRecord;

// The two openings of a section. Lower is the section's main opening (the
// whole section when it has no partition, otherwise the part below the
// partition rail); Upper is the opening above the partition rail. The raised
// panel designer's "Lower Panels" and "Upper Panels" groups are the doors of
// these openings.
enum class Opening { Lower, Upper };

// A section's four controls in a group, in the order of their bytes.
enum class PanelControl { DoublePanel, NegativeOffset, Horizontal, Vertical };

inline constexpr int kPanelStyleSize = 26;

// The raised panel style: for the doors of each section's two openings, one
// panel or two, which way the mid rail between two runs, and for each group
// whether that rail sits off centre. Kept as the 26 bytes that panel files
// and the cabinet record hold: byte 0 the lower group's "Double Panels
// Offset", then four bytes per section A, B, C; byte 13 the upper group's,
// then four per section again. Whatever a file holds is written back.
class PanelStyle {
public:
    using Bytes = std::array<std::uint8_t, kPanelStyleSize>;

    PanelStyle() { m_bytes.fill(0); }
    explicit PanelStyle(const Bytes& bytes)
        : m_bytes(bytes)
    {
    }
    // The designer's controls before a style is loaded: single panels, every
    // mid rail direction on Horizontal.
    static PanelStyle FormDefaults();

    const Bytes& bytes() const { return m_bytes; }

    static int offsetByte(Opening group) { return group == Opening::Lower ? 0 : 13; }
    // s is 0, 1, 2 for sections A, B, C.
    static int controlByte(Opening group, int s, PanelControl control)
    {
        return offsetByte(group) + 1 + 4 * s + static_cast<int>(control);
    }

    bool panelsOffset(Opening group) const { return m_bytes.at(static_cast<std::size_t>(offsetByte(group))) != 0; }
    void setPanelsOffset(Opening group, bool on) { setByte(offsetByte(group), on); }
    bool control(Opening group, int s, PanelControl control) const
    {
        return m_bytes.at(static_cast<std::size_t>(controlByte(group, s, control))) != 0;
    }
    // Horizontal and Vertical are one choice: setting either sets the other
    // to its opposite.
    void setControl(Opening group, int s, PanelControl control, bool on);

    friend bool operator==(const PanelStyle&, const PanelStyle&) = default;

private:
    void setByte(int index, bool on) { m_bytes.at(static_cast<std::size_t>(index)) = on ? 1 : 0; }
    Bytes m_bytes;
};

// One opening's style as the door calculators, the drawings and the mill
// options read it: the copy its section holds, which keeps no Vertical.
struct OpeningPanelStyle {
    bool doublePanel = false;
    // The two panels lie one above the other, the mid rail across the door;
    // otherwise side by side with the rail upright.
    bool horizontal = false;
    bool offset = false;
    bool negative = false;
    // The parameter that holds how far an offset rail leaves the centre.
    int offsetParam = 0;

    // +1 when the rail leaves the centre upwards (horizontal) or to the right
    // (upright), -1 the other way, 0 when it stays centred.
    int offsetSign() const { return !offset ? 0 : negative ? -1 : 1; }
};

OpeningPanelStyle SectionPanelStyle(const CabinetRecord& record, int s, Opening opening);

// The style in the cabinet record (bytes 2323 to 2348), and back.
PanelStyle LoadPanelStyle(const CabinetRecord& record);
void StorePanelStyle(const PanelStyle& style, CabinetRecord& record);
// Each section's items 11 to 18 take the style of its two openings, for the
// door calculators: the group's offset, Double Panel, Negative Offset and
// Horizontal. Sections the cabinet does not use get theirs too, so a style
// outlives removing a section and adding it again.
void CopyPanelStyleToSections(const PanelStyle& style, CabinetRecord& record);

} // namespace boxmill
