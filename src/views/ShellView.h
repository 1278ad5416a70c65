// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ConstructionView.h"

namespace boxmill {

class CabinetModel;
struct LayoutResult;

// The front/shell construction view: the carcass seen from the front with
// the face frame taken off (sides, top, bottom, carcass rail, toe kick,
// back, front panel, dividers, partitions, shelves and nailers) over every
// section, and the table of their finished sizes.
//
// `shownSection` is the designer's section (1..3, kept within the
// cabinet's sections); only the table's "Partitions" and "Shelves" rows
// follow it. `currentWidth` is the window's width now, which a narrow
// cabinet lets it keep. Run after a recalculation of `layout` with the
// model's drawing units rebuilt, as for the designer's drawing.
ConstructionView DrawShellView(const CabinetModel& model, const LayoutResult& layout, int shownSection,
                               int currentWidth);

// The section "Next Section" shows after `shownSection`: one on, and back
// to the first after the last.
int NextShellSection(const CabinetModel& model, int shownSection);

} // namespace boxmill
