// SPDX-License-Identifier: GPL-3.0-or-later
#include "PanelControls.h"

namespace boxmill {

PanelControlsEnabled PanelControlStates(const PanelStyle& style, int sectionCount)
{
    PanelControlsEnabled states;
    for (const Opening group : {Opening::Lower, Opening::Upper}) {
        for (int s = 0; s < kSections; ++s) {
            PanelSectionEnabled& section =
                states.groups.at(group == Opening::Upper ? 1 : 0).at(static_cast<std::size_t>(s));
            section.doublePanel = s == 0 || s < sectionCount;
            const bool open = section.doublePanel && style.control(group, s, PanelControl::DoublePanel);
            section.horizontal = open;
            section.vertical = open;
            section.negativeOffset = open && style.panelsOffset(group);
        }
    }
    return states;
}

} // namespace boxmill
