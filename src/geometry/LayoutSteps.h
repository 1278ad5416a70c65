// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The steps of one section's layout, in the order the recalculation runs
// them. Later steps read what earlier ones left in the result (the lower
// opening, the bank height), so the order matters. s is the section, 0..2.

namespace boxmill {
struct LayoutResult;
}

namespace boxmill::layout {

class LayoutInputs;

// Across the face.
void FaceWidth(const LayoutInputs& in, int s, LayoutResult& out);
void CarcassWidthAndDividers(const LayoutInputs& in, int s, LayoutResult& out);
void WidthRow(const LayoutInputs& in, int s, LayoutResult& out);

// Down the face.
void OpeningRows(const LayoutInputs& in, int s, LayoutResult& out);
void UpperShelfRow(const LayoutInputs& in, int s, LayoutResult& out);
void DrawerRows(const LayoutInputs& in, int s, LayoutResult& out);
void ShelfRow(const LayoutInputs& in, int s, LayoutResult& out);

// The carcass width rules after the equal share: mullion shift, divider
// placement and blind corner. Also used for a shelf that spans two sections.
double PlaceCarcassWidth(const LayoutInputs& in, int s, const LayoutResult& out, double w);

} // namespace boxmill::layout
