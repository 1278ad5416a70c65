// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <string>

namespace boxmill {

class CabinetModel;
struct LayoutResult;

// The designer window grows with the drawing and never gets narrower than
// this once it is wider.
inline constexpr int kDesignerWideWidth = 450;
inline constexpr int kDesignerMinHeight = 373;

// The window's width for a drawing `drawingWidth` units wide: room for the
// drawing and its margin, or else back to the usual width; a window that is
// already narrow enough keeps its width.
int DesignerWindowWidth(int drawingWidth, int currentWidth);
// The window's height for a drawing `drawingHeight` units high.
int DesignerWindowHeight(int drawingHeight);

// The four panels of the status bar: the cabinet's height, width and depth,
// and the height of the face opening from the last recalculation.
std::array<std::string, 4> DesignerStatusTexts(const CabinetModel& model, const LayoutResult& layout);

} // namespace boxmill
