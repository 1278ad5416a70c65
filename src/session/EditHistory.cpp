// SPDX-License-Identifier: GPL-3.0-or-later
#include "EditHistory.h"

#include <utility>

namespace boxmill {

namespace {
const std::string kNoEdit;
} // namespace

void EditHistory::reset(CabinetSnapshot start)
{
    m_states.clear();
    m_states.push_back(Entry {std::string(), std::move(start)});
    m_current = 0;
    m_saved = 0;
}

void EditHistory::record(std::string name, CabinetSnapshot after, bool merge)
{
    if (m_states.empty()) {
        reset(std::move(after));
        return;
    }
    m_states.resize(m_current + 1);
    if (m_saved && *m_saved > m_current)
        m_saved.reset();
    if (merge && m_current > 0 && m_states[m_current].name == name && m_saved != m_current) {
        m_states[m_current].state = std::move(after);
        return;
    }
    m_states.push_back(Entry {std::move(name), std::move(after)});
    ++m_current;
}

const std::string& EditHistory::undoName() const
{
    return canUndo() ? m_states[m_current].name : kNoEdit;
}

const std::string& EditHistory::redoName() const
{
    return canRedo() ? m_states[m_current + 1].name : kNoEdit;
}

const CabinetSnapshot* EditHistory::undo()
{
    if (!canUndo())
        return nullptr;
    --m_current;
    return &m_states[m_current].state;
}

const CabinetSnapshot* EditHistory::redo()
{
    if (!canRedo())
        return nullptr;
    ++m_current;
    return &m_states[m_current].state;
}

} // namespace boxmill
