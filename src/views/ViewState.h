// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ConstructionView.h"
#include "geometry/Calculators.h"

#include <cstddef>
#include <optional>
#include <vector>

namespace boxmill {

class CabinetModel;
struct LayoutResult;

// What the face frame, door and drawer view windows remember between
// refreshes: the section (and opening, or drawer) their labels show and
// which parts their tables list. Sections and drawers count from 1, as the
// labels show them; a number outside the cabinet is held to it when drawn.

// "Show Section" lists the members of the shown section, "Show Complete"
// those of every section in turn.
enum class FaceListing { Section, Complete };

struct FaceViewState {
    int section = 1;
    FaceListing listing = FaceListing::Section;
};

// "Show Selected" lists the doors of the shown opening; "Show Section" both
// openings of the section, and then draws the lower one.
enum class DoorListing { Selected, Section };

struct DoorViewState {
    int section = 1;
    Opening opening = Opening::Lower; // "Lower" or "Upper", as the label says
    DoorListing listing = DoorListing::Selected;
};

// "Show Selected" lists the shown drawer, "Show Section" every drawer of its
// section.
enum class DrawerListing { Selected, Section };

struct DrawerViewState {
    int section = 1;
    int drawer = 1;
    DrawerListing listing = DrawerListing::Selected;
};

// The tool bar commands with rules of their own. Each returns the state to
// refresh the view with.

// The view moved to `section` (the designer's, as a view opens), held to
// the cabinet's sections; the door and drawer views as "Next Section"
// leaves them.
FaceViewState GoToSection(const CabinetModel& model, FaceViewState state, int section);
DoorViewState GoToSection(const CabinetModel& model, DoorViewState state, int section);
DrawerViewState GoToSection(const CabinetModel& model, DrawerViewState state, int section);

// "Next Section": the one after the shown section, back to 1 after the last.
FaceViewState NextSection(const CabinetModel& model, FaceViewState state);
// The same; a section without a partition has no upper opening to stay on.
DoorViewState NextSection(const CabinetModel& model, DoorViewState state);
// The same; the drawer label comes down to the new section's drawer count.
DrawerViewState NextSection(const CabinetModel& model, DrawerViewState state);

// "Upper/Lower Toggle": switches openings in a section with a partition;
// does nothing while both openings are listed.
DoorViewState ToggleUpperLower(const CabinetModel& model, DoorViewState state);
// "Show Selected" / "Show Section": either starts again on the lower opening.
DoorViewState ChooseListing(DoorViewState state, DoorListing listing);

// "Next Drawer In Section": 1, 2, ... up to the section's drawer count and
// round again; 1 in a section without drawers.
DrawerViewState NextDrawer(const CabinetModel& model, DrawerViewState state);

// The tables of these views grow with the parts they list. Their grids keep
// at least this many rows with the heading (the views pad `rows` with empty
// ones to fill them), and their columns narrow to make room for a scroll bar
// once there are more.
inline constexpr int kFaceViewMinGridRows = 6;
inline constexpr int kDoorViewMinGridRows = 7;
inline constexpr int kDrawerViewMinGridRows = 6;
int GrowingTableColumnWidth(const ConstructionView& view, int minGridRows);

// Shared by the sources of the face frame, door and drawer views only.
namespace viewparts {

// Lengths in the units of one view: whole quarter inches (the designer's),
// or whole eighth inches ("fine"), each times the zoom.
class ViewUnits {
public:
    ViewUnits(const CabinetModel& model, bool fine);

    int operator()(double inches) const;
    int P(int param) const;
    int T(int partRow) const;
    int perInch() const { return (m_fine ? 8 : 4) * m_scale; }

private:
    const CabinetModel& m_model;
    bool m_fine;
    int m_scale;
};

// The shown section, 0..2, within the cabinet's sections.
int SectionIndex(const CabinetModel& model, int shownSection);

// The rows of a view's table, filled from the part calculators.
class RowFiller {
public:
    RowFiller(const CabinetModel& model, const LayoutResult& layout);

    const CalcContext& context() const { return m_context; }
    // A board whose length shows as nothing is left out, as the cut list
    // leaves it out.
    void add(const char* part, const PartSize& size);
    void add(const char* part, const std::optional<PartSize>& size);
    // The rows, padded to fill a grid of `minGridRows` with its heading.
    std::vector<ViewRow> take(int minGridRows);

private:
    // A view only shows sizes; the wood totals of a cut list stay as they are.
    PartAreas m_scratch {};
    CalcContext m_context;
    std::vector<ViewRow> m_rows;
};

Shape MakeShape(const char* name, const char* hint, int parameter);
void Place(Shape& shape, int left, int top, int width, int height);

} // namespace viewparts

} // namespace boxmill
