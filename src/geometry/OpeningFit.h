// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/PanelStyle.h" // Opening

#include <optional>
#include <string>
#include <vector>

namespace boxmill {

class CabinetModel;
struct LayoutResult;

// Whether what the user put into an opening can be built there. The design
// is never changed for it: a part that cannot be made is left out of the
// cut lists, the cost, the cutting diagrams and the drawings, all of which
// ask here, and the message says which sizes to change.

// The doors of an opening are made whole or not at all: a door whose
// stiles, rails or panels come to nothing (no room under the drawers, rails
// taller than the door, stiles wider than it, a panel no larger than the
// tongues that hold it) cannot be built, and neither can its door mullion.
// Nothing when the doors fit or the opening has none; otherwise the message
// naming the opening, the part that does not fit and the sizes to change.
std::optional<std::string> DoorMisfit(const CabinetModel& model, const LayoutResult& layout, int section,
                                      Opening opening);

inline bool DoorsFit(const CabinetModel& model, const LayoutResult& layout, int section, Opening opening)
{
    return !DoorMisfit(model, layout, section, opening);
}

// A drawer too is made whole or not at all: one left no height by the
// drawers above it (the bank of a section whose other drawers fill it), or
// whose face or box comes to nothing, cannot be built. `drawer` is 0..3.
std::optional<std::string> DrawerMisfit(const CabinetModel& model, const LayoutResult& layout, int section, int drawer);

inline bool DrawerFits(const CabinetModel& model, const LayoutResult& layout, int section, int drawer)
{
    return !DrawerMisfit(model, layout, section, drawer);
}

// Shelves share what the drawers leave of a section's main opening; where
// the drawers fill it, the shelves have nowhere to stand and are left out.
// A banked section is left to its own rule: it holds drawers only.
std::optional<std::string> ShelfMisfit(const CabinetModel& model, const LayoutResult& layout, int section);

inline bool ShelvesFit(const CabinetModel& model, const LayoutResult& layout, int section)
{
    return !ShelfMisfit(model, layout, section);
}

// Every opening of the cabinet that is too small for what it holds, in
// section order, main opening first: drawers taller together than their
// opening, drawers, doors and shelves that cannot be built.
std::vector<std::string> OpeningMisfits(const CabinetModel& model, const LayoutResult& layout);

} // namespace boxmill
