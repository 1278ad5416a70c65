// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>

namespace boxmill {

// The mode buttons of the "Cabinet Section Editor". The first five are
// exclusive; AddPartition is a toggle of its own that may stay down with
// AddShelves or AddDoor (partition shelves, partition doors).
enum class ModeButton { AddShelves, AddMullion, BankDrawers, AddDrawer, AddDoor, AddPartition };

inline constexpr const char* kNotSelectedPrompt = "Not Selected";

// What the designer window shows besides the drawing: the section being
// edited, the chosen mode, the prompt and the count to enter. It belongs to
// the program's session, not to the cabinet, and outlives the window.
struct DesignerState {
    // 1..3; every redraw keeps it within the cabinet's sections.
    int shownSection = 1;
    // The one of the five exclusive buttons that is down, if any.
    std::optional<ModeButton> mode;
    bool addPartition = false;
    std::string functionName = kNotSelectedPrompt;
    // Index of the selected item of the count list "0" .. "4".
    int dataInput = 0;

    bool isDown(ModeButton button) const { return button == ModeButton::AddPartition ? addPartition : mode == button; }
    void resetEditModes()
    {
        mode.reset();
        addPartition = false;
    }
};

// The items of the count list, as the window lists them: "0" to "4" at
// most, fewer where the mode allows fewer (DataInputItems).
inline constexpr int kDataInputItems = 5;
inline std::string DataInputText(int item)
{
    return std::to_string(item);
}

} // namespace boxmill
