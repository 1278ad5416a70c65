// SPDX-License-Identifier: GPL-3.0-or-later
#include "SectionEditor.h"

#include "SectionCleanup.h"
#include "core/CabinetModel.h"
#include "core/Prompter.h"
#include "geometry/Layout.h"
#include "geometry/LayoutResult.h"
#include "geometry/MullionOffset.h"
#include "geometry/PartitionOffset.h"

#include <algorithm>

namespace boxmill {

namespace {

int ShownSectionIndex(const DesignerState& state)
{
    return std::clamp(state.shownSection, 1, kSections) - 1;
}

} // namespace

std::string MullionOffsetLimitMessage(int sectionCount)
{
    return "Mullion offsets allowed in " + std::to_string(sectionCount - 1) + " of " + std::to_string(sectionCount) +
           " sections only.";
}

int MullionOffsetParameter(const DesignerState& state)
{
    return Param::FirstSectionWidth + ShownSectionIndex(state);
}

int PartitionOffsetParameter(const DesignerState& state)
{
    return Param::FirstPartitionOpening + ShownSectionIndex(state);
}

int DataInputItems(const DesignerState& state)
{
    if (state.isDown(ModeButton::AddMullion))
        return kSections;
    if (state.isDown(ModeButton::AddDoor))
        return kMaxDoors + 1;
    if (state.addPartition && !state.isDown(ModeButton::AddShelves))
        return kMaxPartitions + 1;
    return kDataInputItems;
}

SectionEditor::SectionEditor(CabinetModel& model, LayoutResult& layout, Prompter& prompter, DesignerState& state)
    : m_model(model)
    , m_layout(layout)
    , m_prompter(prompter)
    , m_state(state)
{
}

std::string EnterEditName(const DesignerState& state)
{
    if (state.addPartition) {
        if (state.isDown(ModeButton::AddShelves))
            return "Add Partition Shelves";
        if (state.isDown(ModeButton::AddDoor))
            return "Add Partition Doors";
        return "Add Partition";
    }
    if (!state.mode)
        return "Enter";
    switch (*state.mode) {
    case ModeButton::AddMullion: return "Add Mullions";
    case ModeButton::AddShelves: return "Add Shelves";
    case ModeButton::AddDrawer: return "Add Drawers";
    case ModeButton::BankDrawers: return "Bank Drawers";
    case ModeButton::AddDoor: return "Add Doors";
    case ModeButton::AddPartition: return "Add Partition";
    }
    return "Enter";
}

int SectionEditor::section() const
{
    return ShownSectionIndex(m_state);
}

void SectionEditor::setSectionCount(int count)
{
    const int previous = m_model.sectionCount;
    m_model.record.setSectionCount(count);
    m_model.sectionCount = count;
    if (count == previous)
        return;
    // The mullion shifts were measured for the old sections; without this a
    // section that kept no offset would go on carrying its share of one
    // that went away with a removed section.
    ClearRemovedSections(m_model);
    m_layout.clearMullionShifts();
    m_model.rebuildDrawingUnits();
    ReapplySectionOffsets(m_model, m_layout);
}

DesignerEffect SectionEditor::enter()
{
    bool inputError = false;
    const auto refuse = [&](MessageKind kind, const char* text) {
        m_prompter.message(kind, text);
        inputError = true;
    };
    const int v = m_state.dataInput;
    const int s = section();
    const auto set = [&](SectionItem item, int value) { m_model.record.setSectionItem(s, item, value); };
    const auto get = [&](SectionItem item) { return m_model.sectionItem(s, item); };
    const bool partition = m_state.addPartition;
    const bool shelves = m_state.isDown(ModeButton::AddShelves);
    const bool doors = m_state.isDown(ModeButton::AddDoor);

    if (m_state.isDown(ModeButton::AddMullion)) {
        if (v >= 0 && v <= 2)
            setSectionCount(v + 1);
        else
            refuse(MessageKind::Error, kTooManyMullions);
    }
    if (shelves && !partition) {
        if (v <= kMaxShelves)
            set(SectionItem::Shelves, v);
        else
            refuse(MessageKind::Error, kTooManyShelves);
    }
    if (m_state.isDown(ModeButton::AddDrawer)) {
        if (v <= kMaxDrawers)
            set(SectionItem::DrawerCount, v);
        else
            refuse(MessageKind::Error, kTooManyDrawers);
        if (get(SectionItem::DrawerCount) < get(SectionItem::DrawerBanks)) {
            refuse(MessageKind::Warning, kBankLostDrawer);
            set(SectionItem::DrawerBanks, get(SectionItem::DrawerCount));
        }
    }
    if (m_state.isDown(ModeButton::BankDrawers)) {
        set(SectionItem::DrawerBanks, v);
        if (get(SectionItem::DrawerCount) < get(SectionItem::DrawerBanks)) {
            refuse(MessageKind::Error, kBankTooLarge);
            set(SectionItem::DrawerBanks, get(SectionItem::DrawerCount));
        }
    }
    if (doors && !partition) {
        if (v <= kMaxDoors)
            set(SectionItem::DoorCount, v);
        else
            refuse(MessageKind::Error, kTooManyDoors);
    }
    if (partition && !shelves && !doors) {
        if (v <= kMaxPartitions) {
            set(SectionItem::Partition, v);
            // Without its partition the upper opening is gone, and with it
            // its shelves, doors and position; left behind they would still
            // be cut and listed.
            if (v == 0)
                for (const auto item : {SectionItem::PartitionShelves, SectionItem::PartitionDoors,
                                        SectionItem::PartitionAbove, SectionItem::PartitionBelow})
                    set(item, 0);
        } else
            refuse(MessageKind::Error, kOnePartitionOnly);
    }
    if (partition && shelves) {
        if (v <= kMaxShelves)
            set(SectionItem::PartitionShelves, v);
        else
            refuse(MessageKind::Error, kTooManyShelves);
    }
    if (partition && doors) {
        if (v <= kMaxDoors)
            set(SectionItem::PartitionDoors, v);
        else
            refuse(MessageKind::Error, kTooManyDoors);
    }

    DesignerEffect effect = recalculate();
    effect.inputError = inputError;
    return effect;
}

DesignerEffect SectionEditor::addMullionOffset()
{
    m_state.resetEditModes();
    const int s = section();
    const int previous = m_model.sectionItem(s, SectionItem::MullionOffset);
    m_model.record.setSectionItem(s, SectionItem::MullionOffset, 1);
    // Stale flags of sections beyond the count are counted too: they come
    // back with their section.
    int offsets = 0;
    for (int other = 0; other < kSections; ++other)
        if (m_model.sectionItem(other, SectionItem::MullionOffset) != 0)
            ++offsets;
    const int n = m_model.sectionCount;
    if (offsets > n - 1) {
        m_prompter.message(MessageKind::Error, MullionOffsetLimitMessage(n));
        // Only the flag this click set is withdrawn; an offset the section
        // already had stays.
        m_model.record.setSectionItem(s, SectionItem::MullionOffset, previous);
        DesignerEffect refused;
        refused.inputError = true;
        return refused;
    }
    m_model.rebuildDrawingUnits();
    ApplyMullionOffset(m_model, s, m_layout);
    return recalculate();
}

DesignerEffect SectionEditor::removeMullionOffsets()
{
    m_state.resetEditModes();
    for (int s = 0; s < kSections; ++s)
        m_model.record.setSectionItem(s, SectionItem::MullionOffset, 0);
    m_layout.clearMullionShifts();
    return recalculate();
}

DesignerEffect SectionEditor::movePartition(bool above)
{
    m_state.resetEditModes();
    const int s = section();
    m_model.record.setSectionItem(s, SectionItem::PartitionAbove, above ? 1 : 0);
    m_model.record.setSectionItem(s, SectionItem::PartitionBelow, above ? 0 : 1);
    m_model.rebuildDrawingUnits();
    ApplyPartitionOffset(m_model, s, above ? SectionItem::PartitionAbove : SectionItem::PartitionBelow, m_layout);
    return recalculate();
}

DesignerEffect SectionEditor::movePartitionAboveCenter()
{
    return movePartition(true);
}

DesignerEffect SectionEditor::movePartitionBelowCenter()
{
    return movePartition(false);
}

DesignerEffect SectionEditor::centerPartition()
{
    const int s = section();
    m_model.record.setSectionItem(s, SectionItem::PartitionAbove, 0);
    m_model.record.setSectionItem(s, SectionItem::PartitionBelow, 0);
    return recalculate();
}

DesignerEffect SectionEditor::centerAllPartitions()
{
    for (int s = 0; s < kSections; ++s) {
        m_model.record.setSectionItem(s, SectionItem::PartitionAbove, 0);
        m_model.record.setSectionItem(s, SectionItem::PartitionBelow, 0);
    }
    return recalculate();
}

DesignerEffect SectionEditor::recalculate()
{
    // Applied before the layout is computed, the bank rule keeps the
    // shelves and doors of a banked section out of the sectional grid and
    // the cut lists.
    for (int s = 0; s < std::clamp(m_model.sectionCount, 1, kSections); ++s)
        ApplyBankRule(m_model, s);
    m_model.rebuildDrawingUnits();
    RecalculateLayout(m_model, m_layout);
    ApplySectionOffsets(m_model, m_layout);
    DesignerEffect effect;
    effect.redraw = true;
    effect.refillFrontDimensions = true;
    return effect;
}

} // namespace boxmill
