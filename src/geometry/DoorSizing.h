// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/CabinetModel.h"
#include "core/IncludeParts.h"
#include "core/ParameterIndex.h"

namespace boxmill {

// How big a door is for its opening. The cut list works in inches and the
// drawings in their own units, but all of them size doors by this one rule,
// so that the door drawn is the door cut and every member of its frame (the
// stiles, the top, bottom and mid rails, the panel) fits the same door.
template <typename Length> struct DoorSizing {
    // What a door adds to its opening each way: an overlay on both sides,
    // or, inset, less a gap on both.
    Length growth {};
    // What stands between the two doors of a pair.
    Length between {};

    // Lengths in whole drawing units halve toward zero.
    Length doorWidth(Length openingWidth, int doors) const
    {
        return (doors == 2 ? (openingWidth - between) / 2 : openingWidth) + growth;
    }
    Length doorHeight(Length openingHeight) const { return openingHeight + growth; }
};

// `length(param)` is a parameter in the caller's measure; a drawing
// converts each parameter on its own before they are added.
template <typename ParamLength> auto SizeDoors(const CabinetModel& model, ParamLength length)
{
    DoorSizing<decltype(length(0))> sizing;
    sizing.growth =
        model.options[CabinetOption::DoorInset] ? -2 * length(Param::DoorInsetGap) : 2 * length(Param::DoorOverlay);
    // Without a door mullion a pair keeps the door gap and an overlay's
    // width each side of it between the doors, hung inset or not; the shop
    // has always cut the rails of such pairs so.
    sizing.between = model.include(IncludeItem::DoorMullions) ? length(Param::DoorMullion)
                                                              : length(Param::DoorGap) + 2 * length(Param::DoorOverlay);
    return sizing;
}

} // namespace boxmill
