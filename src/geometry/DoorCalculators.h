// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "geometry/Calculators.h"

#include <optional>

namespace boxmill {

// The frame-and-panel doors of one opening of a section. The door's size
// comes from the opening (its height in the layout, the section's face
// width shared among the opening's doors), grown by the overlay or shrunk by
// the inset gap; its frame and raised panel follow from that one size, so
// stiles, rails, mid rail and panel of a door fit together. DoorSizing
// holds the rule, which the drawings of doors follow too.
// Each calculator adds its area to `context.areas`; `section` is 0..2 and
// anything else is refused with std::out_of_range.

// The clear height of an opening, from the layout.
double DoorOpeningHeight(const LayoutResult& layout, int section, Opening opening);

PartSize CalcDoorStile(const CalcContext& context, int section, Opening opening, Side side);

// The rails between the stiles.
enum class RailEnd { Top, Bottom };
PartSize CalcDoorRail(const CalcContext& context, int section, Opening opening, RailEnd end);

// A door of a double-panel style has two panels; with the style's offset the
// first is longer and the second shorter by the offset. A single panel is
// always the first.
enum class PanelOrder { First, Second };
PartSize CalcDoorPanel(const CalcContext& context, int section, Opening opening, PanelOrder order);

// The rail between the two panels of a double-panel door; nothing (and no
// area) when the opening's doors have a single panel.
std::optional<PartSize> CalcDoorMidRail(const CalcContext& context, int section, Opening opening);

} // namespace boxmill
