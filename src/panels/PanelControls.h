// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/Constants.h"
#include "core/PanelStyle.h"

#include <array>

namespace boxmill {

// Which of one section's controls in a group the user may change.
struct PanelSectionEnabled {
    bool doublePanel = false;
    bool negativeOffset = false;
    bool horizontal = false;
    bool vertical = false;

    friend bool operator==(const PanelSectionEnabled&, const PanelSectionEnabled&) = default;
};

struct PanelControlsEnabled {
    std::array<std::array<PanelSectionEnabled, kSections>, 2> groups {};

    const PanelSectionEnabled& at(Opening group, int s) const
    {
        return groups.at(group == Opening::Upper ? 1 : 0).at(static_cast<std::size_t>(s));
    }
};

// The raised panel designer's controls as a style and the cabinet's section
// count leave them: a section the cabinet has can take a double panel; the
// mid rail's direction is open once it has one, and its Negative Offset
// while the group's "Double Panels Offset" is checked too. A checked box
// that is closed keeps its check: a style outlives the sections it covers.
PanelControlsEnabled PanelControlStates(const PanelStyle& style, int sectionCount);

} // namespace boxmill
