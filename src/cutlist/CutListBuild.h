// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Batch.h"

#include "core/Messages.h"

namespace boxmill {

class CabinetModel;
struct LayoutResult;

// The five cut lists of the viewer and of the wood estimator's buttons.
enum class CutListKind { Complete, Cabinet, FaceFrame, Drawers, Doors };

// A whole build: the model's part areas are cleared and refilled with the
// wood of exactly these boards. The complete list runs the face frame
// first, then the carcass, the drawers and the doors. The messages point
// out constructions that cannot be built as they stand.
WithMessages<CutList> BuildCutList(CutListKind kind, CabinetModel& model, const LayoutResult& layout);

} // namespace boxmill
