// SPDX-License-Identifier: GPL-3.0-or-later
#include "Layout.h"

#include "LayoutInputs.h"
#include "LayoutSteps.h"
#include "MullionOffset.h"
#include "PartitionOffset.h"

namespace boxmill {

using layout::LayoutInputs;

void RecalculateLayout(const CabinetModel& model, LayoutResult& result)
{
    const LayoutInputs in(model);
    const int sections = in.sectionsInUse();
    for (auto& row : result.grid) {
        for (int s = sections; s < kSections; ++s)
            row[static_cast<std::size_t>(s)].clear();
    }
    for (int s = 0; s < sections; ++s) {
        layout::FaceWidth(in, s, result);
        layout::CarcassWidthAndDividers(in, s, result);
        layout::WidthRow(in, s, result);
        layout::OpeningRows(in, s, result);
        layout::UpperShelfRow(in, s, result);
        layout::DrawerRows(in, s, result);
        layout::ShelfRow(in, s, result);
    }
}

void SectionWidthRow(const CabinetModel& model, int section, LayoutResult& result)
{
    if (section < 0 || section >= kSections)
        return;
    layout::WidthRow(LayoutInputs(model), section, result);
}

void UpperLowerRows(const CabinetModel& model, int section, LayoutResult& result)
{
    if (section < 0 || section >= kSections)
        return;
    layout::OpeningRows(LayoutInputs(model), section, result);
}

void ReapplySectionOffsets(CabinetModel& model, LayoutResult& result)
{
    const int sections = LayoutInputs(model).sectionsInUse();
    for (int s = 0; s < sections; ++s) {
        SectionWidthRow(model, s, result);
        UpperLowerRows(model, s, result);
        ApplyMullionOffset(model, s, result);
        ApplyPartitionOffset(model, s, SectionItem::PartitionAbove, result);
        ApplyPartitionOffset(model, s, SectionItem::PartitionBelow, result);
    }
}

void ApplySectionOffsets(CabinetModel& model, LayoutResult& result)
{
    const int sections = LayoutInputs(model).sectionsInUse();
    for (int s = 0; s < sections; ++s) {
        ApplyMullionOffset(model, s, result);
        ApplyPartitionOffset(model, s, SectionItem::PartitionAbove, result);
        ApplyPartitionOffset(model, s, SectionItem::PartitionBelow, result);
    }
}

void LayoutAfterLoad(CabinetModel& model, LayoutResult& result)
{
    result.clearMullionShifts();
    ReapplySectionOffsets(model, result);
    RecalculateLayout(model, result);
}

double PlaceCarcassWidth(const CabinetModel& model, const LayoutResult& result, int section, double width)
{
    if (section < 0 || section >= kSections)
        return width;
    return layout::PlaceCarcassWidth(LayoutInputs(model), section, result, width);
}

} // namespace boxmill
