// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/CabinetModel.h"
#include "geometry/LayoutResult.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace boxmill {

// The cabinet as an edit leaves it. The record is 2,564 bytes and the rest
// a few kilobytes, so a whole copy per edit is cheaper than working out the
// inverse of each command, and it cannot drift from what the edit did.
struct CabinetSnapshot {
    CabinetDocument document;
    // The mullion and partition shifts carry from one recalculation to the
    // next, so they belong to the cabinet's state too.
    LayoutResult layout;
};

// Undo and redo over whole snapshots: state 0 is the cabinet as it was
// loaded, state i the one edit i left. Undoing moves back along the list;
// a new edit drops the states that were undone.
class EditHistory {
public:
    // A new cabinet: one state, no edits, and that state is the saved one.
    void reset(CabinetSnapshot start);

    // Records the state `name` left. With `merge`, an edit that repeats the
    // last one's name replaces its state instead (typing into one box is
    // one edit, not one per key), unless that state is the saved one.
    void record(std::string name, CabinetSnapshot after, bool merge = false);

    bool canUndo() const { return m_current > 0; }
    bool canRedo() const { return m_current + 1 < m_states.size(); }
    // The name of the edit Undo or Redo would take back or do again.
    const std::string& undoName() const;
    const std::string& redoName() const;
    // Move one edit back or forward; the state to show, or none at the end.
    const CabinetSnapshot* undo();
    const CabinetSnapshot* redo();

    // The current state is the one in the file now.
    void markSaved() { m_saved = m_current; }
    // No state of this history is the one in the file.
    void markUnsaved() { m_saved.reset(); }
    bool modified() const { return m_saved != m_current; }
    std::size_t size() const { return m_states.size(); }

private:
    struct Entry {
        std::string name;
        CabinetSnapshot state;
    };
    std::vector<Entry> m_states;
    std::size_t m_current = 0;
    // Which state the file holds; none once the edits that led back to it
    // were dropped by a new branch.
    std::optional<std::size_t> m_saved = 0;
};

} // namespace boxmill
