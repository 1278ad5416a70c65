// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Batch.h"

#include "core/Messages.h"
#include "geometry/Calculators.h"

#include <string_view>

namespace boxmill {

class CabinetModel;
struct LayoutResult;

inline constexpr std::string_view kBackInsideWarning =
    "The \"Back Inside\" check box in \"Cabinet Cut Options\" under \"Cabinet Options Settings\" should be checked "
    "for a detached base design.";
inline constexpr std::string_view kDrawerDepthMessage =
    "Drawer depth and cabinet depth error. Shorten \"Drawer Depth\" at least 1 inch less than Cabinet Depth.";

// What a group builder reads, where it counts the wood (the calculators
// add every board's area to `context.areas`) and where it says what the
// user should know.
struct GroupInputs {
    CalcContext context;
    Messages& told;

    const CabinetModel& model() const { return context.model; }
    const LayoutResult& layout() const { return context.layout; }
};

// The start of every build: no areas yet, and the one construction that a
// detached base cannot be built with is pointed out. The build goes on.
void StartCutListBuild(CabinetModel& model, Messages& told);

// The four groups of boards. Each appends its batches, in their fixed order,
// to `list`; a batch that lists no board is left out.
void BuildCabinetList(const GroupInputs& in, CutList& list);
void BuildFaceFrameList(const GroupInputs& in, CutList& list);
void BuildDrawerList(const GroupInputs& in, CutList& list);
void BuildDoorList(const GroupInputs& in, CutList& list);

// Whether the drawer list cuts any box: drawer boxes are included and some
// drawer of the cabinet has its box enabled.
bool ListsDrawerBoxes(const CabinetModel& model);

} // namespace boxmill
