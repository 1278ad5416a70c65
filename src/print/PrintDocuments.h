// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "PrintPages.h"

#include "core/CabinetModel.h"
#include "geometry/LayoutResult.h"
#include "views/ViewState.h"

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace boxmill {

// The cabinet as it prints: every drawing at one quarter inch per unit,
// whatever zoom the windows show it at, which stays theirs.
struct PrintCabinet {
    CabinetModel model;
    LayoutResult layout;
};
PrintCabinet AtPrintScale(const CabinetModel& model, const LayoutResult& layout);

// Headings and tables are cells of 20 characters; an empty cell shows "".
std::string Cells(std::initializer_list<std::string_view> cells);

// Before the drawings: the sectional dimensions of every opening.
std::vector<std::string> OpeningSizesLines(const LayoutResult& layout);

// "Cabinet Construction Views": the opening sizes, then five shop drawings,
// each on a page of its own under its heading: the face frame of
// `section`, the front/shell, top and side views and the designer's
// drawing of the finished cabinet.
void ComposeConstructionViews(PageComposer& pages, const CabinetModel& model, const LayoutResult& layout, int section);

// The shop drawings of the door view of one opening and of the drawer view
// of one drawer.
void ComposeDoorView(PageComposer& pages, const CabinetModel& model, const LayoutResult& layout,
                     const DoorViewState& state);
void ComposeDrawerView(PageComposer& pages, const CabinetModel& model, const LayoutResult& layout,
                       const DrawerViewState& state);

// What "Door/Drawer Construction Views" prints: the doors of the first
// section that has any (in its lower opening, or else its upper one) and
// the first drawer of the first section that has drawers.
DoorViewState FirstDoorOpening(const CabinetModel& model);
DrawerViewState FirstDrawer(const CabinetModel& model);

} // namespace boxmill
