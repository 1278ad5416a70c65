// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/CabinetOptions.h"
#include "core/ParameterEntry.h"
#include "designer/SectionEditor.h"

#include <optional>
#include <string>

namespace boxmill {

class CabinetSession;
struct WoodEditBoxes;

// Every edit a user can make, as one session command each. The windows and
// boxmill-cli's `edit` call these, so both go through the same checks,
// rules, messages and Undo steps. Each returns true when the cabinet
// changed.

// A dimension parameter typed into the "Parameter Value" boxes; named for
// Undo by the parameter's name.
bool EditParameter(CabinetSession& session, int index, const ParameterEntryText& typed);
// An include check. `selectParameter` receives the parameter the check
// brings forward (the door gap when door mullions go). The top and the
// carcass rail are kept apart, asking which to keep.
bool EditInclude(CabinetSession& session, int item, bool checked, std::optional<int>* selectParameter = nullptr);
// A click on an include item that leaves its check alone still keeps the
// top and the carcass rail apart.
bool EditTopOrCarcassRail(CabinetSession& session, int item);
// A construction option; "Mate" and "Blind Corner" exclude each other.
bool EditOption(CabinetSession& session, CabinetOption option, bool checked, std::string name);
bool EditNailerCount(CabinetSession& session, int count);
// A flag of the record: the cabinet's check boxes and the editing window's
// enable switches.
bool EditRecordFlag(CabinetSession& session, int offset, bool on, std::string name);
bool EditBlindCorner(CabinetSession& session, bool checked);
bool EditRaisedPanelSides(CabinetSession& session, bool on);
// The wood of a part kind, `gridRow` counted from 1 as the Wood Settings
// grid does. `cell` receives the grid's new text when it was accepted.
bool EditPartWood(CabinetSession& session, int gridRow, const WoodEditBoxes& boxes,
                  std::optional<std::string>* cell = nullptr);
// The labour boxes as they are typed; one Undo step per box. Hours or a
// rate out of range is refused with the message that gives the range, and
// the last good value stays.
bool EditHours(CabinetSession& session, const std::string& text);
bool EditCost(CabinetSession& session, const std::string& text);

// A section editor command on the shown section of `state`, as one edit.
// `changed` tells whether the cabinet changed (a refused entry does not).
DesignerEffect EditSection(CabinetSession& session, DesignerState& state, const std::string& name,
                           DesignerEffect (*command)(SectionEditor&), bool* changed = nullptr);

} // namespace boxmill
