// SPDX-License-Identifier: GPL-3.0-or-later
#include "DesignerControls.h"

#include "core/CabinetModel.h"

namespace boxmill {

DesignerControls::DesignerControls(const CabinetModel& model, DesignerState& state)
    : m_model(model)
    , m_state(state)
{
}

void DesignerControls::chooseMode(ModeButton button)
{
    const char* prompt = kPartitionPrompt;
    switch (button) {
    case ModeButton::AddMullion: prompt = kMullionPrompt; break;
    case ModeButton::AddShelves: prompt = kShelvesPrompt; break;
    case ModeButton::AddDrawer: prompt = kDrawersPrompt; break;
    case ModeButton::BankDrawers: prompt = kBankPrompt; break;
    case ModeButton::AddDoor: prompt = kDoorsPrompt; break;
    case ModeButton::AddPartition: prompt = kPartitionPrompt; break;
    }
    if (button == ModeButton::AddPartition) {
        m_state.addPartition = !m_state.addPartition;
        m_state.mode.reset();
    } else {
        m_state.mode = m_state.mode == button ? std::nullopt : std::optional<ModeButton>(button);
        // Shelves and doors have a partition variant; the other counts
        // belong to the section as a whole.
        if (button != ModeButton::AddShelves && button != ModeButton::AddDoor)
            m_state.addPartition = false;
    }
    // The prompt follows the click even when it raised the button.
    m_state.functionName = prompt;
    m_state.dataInput = 1;
}

bool DesignerControls::selectDataInput(int item)
{
    if (item < 0 || item >= DataInputItems(m_state))
        return false;
    m_state.dataInput = item;
    return true;
}

void DesignerControls::clear()
{
    m_state.dataInput = 0;
}

DesignerEffect DesignerControls::nextSection()
{
    const int next = m_state.shownSection + 1;
    m_state.shownSection = next > m_model.sectionCount ? 1 : next;
    DesignerEffect effect;
    effect.refillFrontDimensions = true;
    return effect;
}

DesignerEffect DesignerControls::sizeCabinet()
{
    DesignerEffect effect;
    effect.selectParameter = kSizeCabinetParameter;
    return effect;
}

} // namespace boxmill
