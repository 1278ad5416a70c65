// SPDX-License-Identifier: GPL-3.0-or-later
#include "SectionCleanup.h"

#include "core/CabinetModel.h"

#include <algorithm>

namespace boxmill {

void ClearRemovedSections(CabinetModel& model)
{
    static constexpr SectionItem kCleared[] = {
        SectionItem::Shelves,        SectionItem::DrawerCount,      SectionItem::DoorCount,
        SectionItem::MullionOffset,  SectionItem::Partition,        SectionItem::PartitionAbove,
        SectionItem::PartitionBelow, SectionItem::PartitionShelves, SectionItem::PartitionDoors,
    };
    for (int s = std::clamp(model.sectionCount, 1, kSections); s < kSections; ++s)
        for (const SectionItem item : kCleared)
            model.record.setSectionItem(s, item, 0);
}

bool ApplyBankRule(CabinetModel& model, int section)
{
    if (model.banksInUse(section) == 0)
        return false;
    model.record.setSectionItem(section, SectionItem::Shelves, 0);
    model.record.setSectionItem(section, SectionItem::DoorCount, 0);
    return true;
}

void ApplyEditRules(CabinetModel& model, int sectionsBefore)
{
    if (model.sectionCount < sectionsBefore)
        ClearRemovedSections(model);
    for (int s = 0; s < std::clamp(model.sectionCount, 1, kSections); ++s)
        ApplyBankRule(model, s);
}

} // namespace boxmill
