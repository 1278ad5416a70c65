// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/Measure.h"
#include "core/ParameterEntry.h"
#include "core/Result.h"
#include "cutlist/WoodEditBoxes.h"
#include "designer/DesignerState.h"

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace boxmill {
class CabinetSession;
}

namespace boxmill::cli {

class CliPrompter;
struct StepKind;

// One step of `boxmill-cli edit`, as far as it can be checked without the
// cabinet: a known step with the words it takes.
struct EditStep {
    const StepKind* kind = nullptr;
    // The step's name, then its words.
    std::vector<std::string> words;

    // "drawers 5", for the list of refused steps.
    std::string text() const;
};

// The steps the words spell, or why one of them cannot be read: an unknown
// step, a word missing, "on" or "off" expected, a count or section that is
// no number in range, an option or enable switch that does not exist.
// Names from the program folder's data files are checked as steps run.
Result<std::vector<EditStep>> ReadEditSteps(std::span<const std::string> words);

// Makes the steps' edits as the windows make them: each through the session
// command the window calls, the designer's edit state (shown section, mode
// buttons, count) carried from step to step as the designer window keeps it.
class EditRun {
public:
    EditRun(CabinetSession& session, CliPrompter& prompter);

    // True when the step was refused: it showed an error, or met a question
    // that nobody was there to answer.
    bool apply(const EditStep& step);

    CabinetSession& session() { return m_session; }
    DesignerState& designer() { return m_designer; }
    // A refusal of the command line's own, shown like the program's.
    void refuse(const std::string& why);

private:
    CabinetSession& m_session;
    CliPrompter& m_prompter;
    DesignerState m_designer;
};

// The "Parameter Value" boxes as a value typed on the command line fills
// them: "34 1/2" whole inches and fraction, "3/4" the fraction alone,
// "34.5" whole inches and the fraction of 32nds it holds (any other decimal
// is left for the fraction box to refuse); in metric, the millimetres.
ParameterEntryText TypedParameter(std::string_view value, UnitMode units);

// The wood edit boxes for a listing item: the listing's own form
// (Red Oak*0 3/4*6.50) as selecting it fills them, and Wood.dat's decimal
// thickness (Red Oak*0.75*6.50) as a parameter value is split.
WoodEditBoxes TypedWoodItem(std::string_view item, UnitMode units);

} // namespace boxmill::cli
