// SPDX-License-Identifier: GPL-3.0-or-later
// The layout is recalculated after every edit and every load; it must stay
// far below anything a user could notice.
#include "core/CabinetModel.h"
#include "geometry/Layout.h"
#include "geometry/MullionOffset.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

using namespace boxmill;

// Three sections with everything the layout looks at in use: a blind
// corner, flush dividers, offset mullions, partitions moved both ways,
// separately sized and banked drawers, shelves above and below.
CabinetModel BusyCabinet()
{
    CabinetModel model;
    const std::pair<int, const char*> params[] = {
        {0, "34.5"}, {1, "72"},    {3, "4"},     {5, "1.5"},  {6, "1.5"},    {7, "1.5"},   {8, "1.75"},   {9, "12"},
        {12, "1.5"}, {13, "2"},    {14, "5.5"},  {15, "6.5"}, {16, "7"},     {17, "8"},    {18, "6"},     {19, "6"},
        {20, "6"},   {21, "6"},    {22, "4"},    {23, "5"},   {24, "6"},     {25, "7"},    {32, "10.5"},  {33, "14"},
        {34, "12"},  {35, "1.5"},  {36, "0.25"}, {50, "0.5"}, {58, "0.375"}, {59, "0.25"}, {62, "0.375"}, {63, "0.25"},
        {66, "0.5"}, {68, "0.25"}, {70, "22.5"}, {71, "14"},  {72, "16"},
    };
    for (const auto& [index, text] : params)
        model.record.setParamText(index, text);
    model.rebuildParamValues();
    for (int row = 0; row < kPartRows; ++row)
        model.record.setPartStockText(row, row == 15 ? "0.75" : "0.625");
    model.rebuildPartArrays();
    for (int item : {0, 1, 2, 3, 4, 7, 8, 9, 10, 11, 12, 13, 14, 15})
        model.record.setIncludeFlag(item, true);
    model.record.setFlag(RecordOffset::BlindCorner, true);
    model.options.set(CabinetOption::FlushLeft1, true);
    model.options.set(CabinetOption::FlushRight2, true);
    model.options.set(CabinetOption::LeftScribe, true);

    model.record.setSectionCount(3);
    model.sectionCount = 3;
    for (int s = 0; s < kSections; ++s) {
        model.record.setSectionItem(s, SectionItem::Shelves, 2);
        model.record.setSectionItem(s, SectionItem::DrawerCount, 4);
        model.record.setSectionItem(s, SectionItem::DrawerBanks, s);
        model.record.setSectionItem(s, SectionItem::Partition, 1);
        model.record.setSectionItem(s, SectionItem::PartitionShelves, 3);
        model.record.setSectionItem(s, SectionItem::PartitionAbove, s == 1 ? 0 : 1);
        model.record.setSectionItem(s, SectionItem::PartitionBelow, s == 1 ? 1 : 0);
    }
    model.record.setSectionItem(0, SectionItem::MullionOffset, 1);
    model.record.setSectionItem(2, SectionItem::MullionOffset, 1);
    return model;
}

void FullRecalculation(benchmark::State& state)
{
    CabinetModel model = BusyCabinet();
    LayoutResult layout;
    LayoutAfterLoad(model, layout);
    for (auto _ : state) {
        RecalculateLayout(model, layout);
        benchmark::DoNotOptimize(layout);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(FullRecalculation);

void RecalculationAfterLoad(benchmark::State& state)
{
    const CabinetModel loaded = BusyCabinet();
    LayoutResult layout;
    for (auto _ : state) {
        CabinetModel model = loaded;
        LayoutAfterLoad(model, layout);
        benchmark::DoNotOptimize(layout);
    }
}
BENCHMARK(RecalculationAfterLoad);

} // namespace
