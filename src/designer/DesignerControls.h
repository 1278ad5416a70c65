// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "DesignerState.h"
#include "SectionEditor.h"

namespace boxmill {

class CabinetModel;

// The designer's commands that change only what it shows (the section, the
// mode buttons, the count), never the cabinet: a window runs them over the
// cabinet it reads. Those that change the cabinet are SectionEditor's,
// which needs the model the edit path hands it.
class DesignerControls {
public:
    DesignerControls(const CabinetModel& model, DesignerState& state);

    // A click on a mode button: sets the prompt and preselects "1".
    void chooseMode(ModeButton button);
    // Refuses an item outside the count list of the mode.
    bool selectDataInput(int item);
    void clear();
    DesignerEffect nextSection();
    DesignerEffect sizeCabinet();

private:
    const CabinetModel& m_model;
    DesignerState& m_state;
};

} // namespace boxmill
