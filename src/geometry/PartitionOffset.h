// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/CabinetRecord.h"

#include <cstdint>

namespace boxmill {

class CabinetModel;
struct LayoutResult;

// Moves the partition of `section` (0..2) off centre by the difference
// between the wanted height of its upper opening (parameters 32..34) and the
// centred height the last recalculation left in `layout`; the direction is
// the item's: PartitionAbove raises it, PartitionBelow lowers it. Does
// nothing unless that item of the section is set. The item then records the
// distance for the drawing (see PartitionItemValue).
void ApplyPartitionOffset(CabinetModel& model, int section, SectionItem direction, LayoutResult& layout);

// The byte a moved partition's item keeps: its distance from centre in
// drawing units. It doubles as the "moved" flag, so a shift too small to
// draw still records 1, and one too large for a byte records 255 rather
// than wrapping round to a small or zero distance. Only a centred
// partition records 0.
std::uint8_t PartitionItemValue(double shift, int drawScale);

} // namespace boxmill
