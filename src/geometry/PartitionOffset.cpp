// SPDX-License-Identifier: GPL-3.0-or-later
#include "PartitionOffset.h"

#include "LayoutResult.h"
#include "core/CabinetModel.h"
#include "core/ParameterIndex.h"

#include <algorithm>
#include <cmath>

namespace boxmill {

std::uint8_t PartitionItemValue(double shift, int drawScale)
{
    if (!(shift > 0.0))
        return 0;
    const std::int32_t units = ToDrawingUnits(shift, drawScale);
    return static_cast<std::uint8_t>(std::clamp<std::int32_t>(units, 1, 255));
}

void ApplyPartitionOffset(CabinetModel& model, int section, SectionItem direction, LayoutResult& layout)
{
    if (direction != SectionItem::PartitionAbove && direction != SectionItem::PartitionBelow)
        return;
    if (section < 0 || section >= kSections || model.sectionItem(section, direction) == 0)
        return;
    const auto s = static_cast<std::size_t>(section);
    const double wanted = model.param(Param::FirstPartitionOpening + section);
    // Only the distance is taken from the parameter; the item says which way.
    // A wanted height equal to the centred one centres the partition.
    double shift = std::fabs(wanted - layout.PartitionNominal[s]);
    if (!std::isfinite(shift))
        shift = 0.0;
    layout.PartitionShift[s] = shift;
    model.record.setSectionItem(section, direction, PartitionItemValue(shift, model.drawScale));
}

} // namespace boxmill
