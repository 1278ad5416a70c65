// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/CabinetModel.h"
#include "geometry/Layout.h"

#include <initializer_list>
#include <utility>

namespace boxmill::test {

// A cabinet put together field by field, the way a loaded record would hold
// it: every parameter "0", every stock 3/4, nothing included, the options
// of a fresh options window.
inline CabinetModel BareCabinet(int sections = 1)
{
    CabinetModel model;
    for (int i = 0; i < kParamSlots; ++i)
        model.record.setParamText(i, "0");
    for (int row = 0; row < kPartSlots; ++row) {
        model.record.setPartStockText(row, "0.75");
        model.record.setPartPriceText(row, "0");
    }
    model.rebuildParamValues();
    model.rebuildPartArrays();
    model.record.setSectionCount(sections);
    model.sectionCount = sections;
    // A file without its nailer count is refused on opening.
    model.record.setNailerCount("1");
    return model;
}

inline void SetParams(CabinetModel& model, std::initializer_list<std::pair<int, const char*>> values)
{
    for (const auto& [index, text] : values)
        model.record.setParamText(index, text);
    model.rebuildParamValues();
}

inline void SetStock(CabinetModel& model, int row, const char* text)
{
    model.record.setPartStockText(row, text);
    model.rebuildPartArrays();
}

inline void Include(CabinetModel& model, std::initializer_list<int> items, bool value = true)
{
    for (int item : items)
        model.record.setIncludeFlag(item, value);
}

inline void SetSections(CabinetModel& model, int sections)
{
    model.record.setSectionCount(sections);
    model.sectionCount = sections;
}

inline void SetItem(CabinetModel& model, int section, SectionItem item, int value)
{
    model.record.setSectionItem(section, item, value);
}

inline LayoutResult Recalculated(const CabinetModel& model)
{
    LayoutResult layout;
    RecalculateLayout(model, layout);
    return layout;
}

// Parameter and item positions the tests name often.
namespace p {
inline constexpr int Height = 0, Width = 1, ToeKick = 3, RightStile = 5, LeftStile = 6, TopRail = 7, BottomRail = 8,
                     BlindPanel = 9, MidRail = 12, Mullion = 13, DrawerA1 = 14, DrawerB1 = 18, DrawerC1 = 22,
                     UpperOpening1 = 32, PartitionRail = 35, BottomDado = 36, BottomSetting = 50, TopRabbit = 58,
                     TopDado = 59, CarcassRabbit = 62, CarcassDado = 63, TopOverlay = 66, Scribe = 68,
                     SectionWidth1 = 70;
}
namespace inc {
inline constexpr int Top = 0, Bottom = 1, LeftSide = 2, RightSide = 3, ToeKick = 7, FaceFrame = 8, Mullions = 9,
                     CarcassRail = 19;
}
namespace row {
inline constexpr int Top = 0, Bottom = 1, LeftSide = 2, RightSide = 3, Shelf = 14, Divider = 15;
}

} // namespace boxmill::test
