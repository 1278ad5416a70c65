// SPDX-License-Identifier: GPL-3.0-or-later
#include "MullionOffset.h"

#include "LayoutResult.h"
#include "core/CabinetModel.h"
#include "core/ParameterIndex.h"

namespace boxmill {

void ApplyMullionOffset(const CabinetModel& model, int section, LayoutResult& layout)
{
    if (section < 0 || section >= kSections || model.sectionItem(section, SectionItem::MullionOffset) == 0)
        return;
    const auto at = [](int s) { return static_cast<std::size_t>(s); };
    auto& shift = layout.MullionShift;
    const double wanted = model.param(Param::FirstSectionWidth + section);
    const int n = model.sectionCount;

    if (n == 2) {
        if (section > 1)
            return;
        shift[at(section)] = wanted - layout.SectionNominalWidth[at(section)];
        shift[at(1 - section)] = -shift[at(section)];
    } else if (n == 3) {
        shift[at(section)] = wanted - layout.SectionNominalWidth[at(section)];
        const int first = section == 0 ? 1 : 0;
        const int second = section == 2 ? 1 : 2;
        const auto offset = [&](int s) { return model.sectionItem(s, SectionItem::MullionOffset) != 0; };
        // A second offset section keeps its own width; the third section
        // alone makes up for both.
        if (offset(first)) {
            shift[at(second)] = -(shift[at(section)] + shift[at(first)]);
        } else if (offset(second)) {
            shift[at(first)] = -(shift[at(section)] + shift[at(second)]);
        } else {
            shift[at(first)] = -shift[at(section)] / 2;
            shift[at(second)] = -shift[at(section)] / 2;
        }
    } else {
        return;
    }
    for (int s = 0; s < kSections; ++s)
        layout.MullionShiftUnits[at(s)] = ToDrawingUnits(shift[at(s)], model.drawScale);
}

} // namespace boxmill
