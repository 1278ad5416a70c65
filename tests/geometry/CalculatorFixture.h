// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/CabinetModel.h"
#include "geometry/LayoutResult.h"
#include "geometry/PartCalculators.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <utility>

namespace boxmill::calctest {

// A cabinet built up field by field as a loaded record would hold it: every
// parameter 0, every stock 3/4 inch of a wood named after its row, nothing
// included, the options of a fresh options window. Each test fills the
// layout with just the values its calculators read.
class CalculatorFixture : public ::testing::Test {
protected:
    CalculatorFixture()
    {
        for (int i = 0; i < kParamSlots; ++i)
            model.record.setParamText(i, "0");
        for (int row = 0; row < kPartSlots; ++row) {
            model.record.setPartStockText(row, "0.75");
            model.record.setPartWood(row, "Wood" + std::to_string(row));
        }
        model.rebuildParamValues();
        model.rebuildPartArrays();
        sections(1);
    }

    CalcContext context() { return {model, layout, areas}; }

    void params(std::initializer_list<std::pair<int, const char*>> values)
    {
        for (const auto& [index, text] : values)
            model.record.setParamText(index, text);
        model.rebuildParamValues();
    }
    void stock(int row, const char* text)
    {
        model.record.setPartStockText(row, text);
        model.rebuildPartArrays();
    }
    void include(std::initializer_list<int> items, bool value = true)
    {
        for (int item : items)
            model.record.setIncludeFlag(item, value);
    }
    void option(CabinetOption which, bool value = true) { model.options.set(which, value); }
    void flag(int recordOffset, bool value = true) { model.record.setFlag(recordOffset, value); }
    void sections(int count)
    {
        model.record.setSectionCount(count);
        model.sectionCount = count;
    }
    void item(int section, SectionItem which, int value) { model.record.setSectionItem(section, which, value); }

    CabinetModel model;
    LayoutResult layout;
    PartAreas areas {};
};

// Include items by position.
namespace inc {
inline constexpr int Top = 0, Bottom = 1, LeftSide = 2, RightSide = 3, Back = 4, Front = 5, Nailers = 6, Toekick = 7,
                     FaceFrame = 8, Mullions = 9, MidRails = 10, Shelves = 11, Partitions = 12, PartitionRails = 13,
                     DrawerBoxes = 14, DrawerFaces = 15, DoorFrames = 16, DoorPanels = 17, DoorMullions = 18,
                     CarcassRail = 19;
}

} // namespace boxmill::calctest
