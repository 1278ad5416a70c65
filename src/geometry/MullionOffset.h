// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace boxmill {

class CabinetModel;
struct LayoutResult;

// Moves the mullion next to `section` (0..2) so that the section gets its
// wanted width (parameters 70..72), measured from the nominal width the
// last recalculation left in `layout`; the other sections give up the
// difference, so the shifts always add up to 0. Does nothing unless the
// section's MullionOffset flag is set and the cabinet has two or three
// sections. Refreshes MullionShiftUnits for the drawing.
void ApplyMullionOffset(const CabinetModel& model, int section, LayoutResult& layout);

} // namespace boxmill
