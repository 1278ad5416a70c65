// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "LayoutResult.h"

namespace boxmill {

class CabinetModel;

// Recomputes every existing section's widths, openings, drawers and shelf
// spacing and refills the sectional dimensions grid; the columns of
// sections that do not exist are emptied. The mullion and partition shifts
// already in `layout` are applied, not recomputed.
void RecalculateLayout(const CabinetModel& model, LayoutResult& layout);

// The "Width" row of one section (0..2) with its nominal width, and the
// "Upper"/"Lower" rows with the opening heights and the centred partition
// height. The offsets are measured from these nominal values, so they run
// on their own before the offsets are applied.
void SectionWidthRow(const CabinetModel& model, int section, LayoutResult& layout);
void UpperLowerRows(const CabinetModel& model, int section, LayoutResult& layout);

// For each existing section: its nominal width and heights, then its
// mullion offset and partition offsets again from the current parameters.
// Run it whenever the parameters or the section table may have moved the
// nominal values the offsets were measured from; follow it with
// RecalculateLayout.
void ReapplySectionOffsets(CabinetModel& model, LayoutResult& layout);

// The offsets of the existing sections applied again to the layout just
// recalculated, as every edit ends: the mullion shifts and the partition
// items follow the nominal sizes of that recalculation.
void ApplySectionOffsets(CabinetModel& model, LayoutResult& layout);

// What follows reading a cabinet: the previous cabinet's mullion shifts are
// dropped, the offsets the new one records are applied, and the whole layout
// is computed. Writes the partition offsets back into the section table.
void LayoutAfterLoad(CabinetModel& model, LayoutResult& layout);

// The width of a shelf-length span of section `section` after the mullion
// shift, divider placement and blind corner rules that turn equal carcass
// shares into the sections' carcass widths.
double PlaceCarcassWidth(const CabinetModel& model, const LayoutResult& layout, int section, double width);

} // namespace boxmill
