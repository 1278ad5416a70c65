// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace boxmill {

class CabinetModel;

// The rules that keep a section's counts consistent after an edit; the
// section editor runs them as it edits, the session after every other edit.

// Sections beyond the section count are emptied so that nothing of them
// comes back when sections are added again. The bank count is kept: the
// drawer entry lowers a bank that has lost its drawers.
void ClearRemovedSections(CabinetModel& model);

// A section whose drawers are banked (a bank of at most its drawer count)
// holds drawers only: its shelves and doors go. Returns true when the
// section's bank is in use.
bool ApplyBankRule(CabinetModel& model, int section);

// Both, as an edit that left the cabinet with `model.sectionCount` sections
// out of `sectionsBefore` needs them: removed sections emptied, and the bank
// rule in every section.
void ApplyEditRules(CabinetModel& model, int sectionsBefore);

} // namespace boxmill
