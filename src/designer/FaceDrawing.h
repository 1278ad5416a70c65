// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "FaceShapes.h"

namespace boxmill {

class CabinetModel;
struct LayoutResult;

// Where the drawing's top-left corner lies in the designer's client area.
inline constexpr int kFaceOriginX = 292;
inline constexpr int kFaceOriginY = 72;

// Drawing units are whole quarter inches; a corrupt length may reach the
// int32 limit, and sums of a few such would overflow. Nothing real comes
// near a million units (about 20 000 feet), so every drawing made from the
// face drawing's units holds its lengths there.
inline constexpr int kDrawingUnitLimit = 1'000'000;

// The cabinet's face as the designer shows it: every shape of
// FaceShapeCatalogue() placed in drawing units (model.paramUnits, origin
// included) and shown or hidden by the design, the include checks, the
// options and the enable flags. Run after a recalculation of `layout` and
// the offsets that follow it; drawing changes nothing.
ShapeSet DrawCabinetFace(const CabinetModel& model, const LayoutResult& layout);

// The same into an existing set, which keeps its strings between redraws;
// any set is accepted and replaced by the catalogue when it is not one.
void DrawCabinetFace(const CabinetModel& model, const LayoutResult& layout, ShapeSet& shapes);

} // namespace boxmill
