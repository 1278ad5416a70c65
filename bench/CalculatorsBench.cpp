// SPDX-License-Identifier: GPL-3.0-or-later
// A complete cut list sizes every board of the cabinet, and the views and
// the designer do it again on every redraw; with the recalculation before
// it, it has to stay far below anything a user could notice.
#include "core/CabinetModel.h"
#include "geometry/Layout.h"
#include "geometry/PartCalculators.h"

#include <benchmark/benchmark.h>

#include <utility>

namespace {

using namespace boxmill;

// Three sections using every kind of board: a blind corner on a detached
// base, an offset mullion, partitions with shelves and doors above them,
// separately sized and banked drawers, pairs of doors with double panels
// both ways.
CabinetModel BusyCabinet()
{
    CabinetModel model;
    const std::pair<int, const char*> params[] = {
        {0, "34.5"},   {1, "72"},    {2, "24"},     {3, "4"},      {4, "3"},       {5, "1.5"},     {6, "1.5"},
        {7, "1.5"},    {8, "1.75"},  {9, "12"},     {12, "1.5"},   {13, "2"},      {14, "5.5"},    {15, "6.5"},
        {18, "6"},     {19, "6"},    {20, "6"},     {21, "6"},     {22, "5"},      {26, "0.75"},   {27, "21"},
        {28, "0.25"},  {29, "0.5"},  {30, "0.375"}, {31, "0.125"}, {32, "10.5"},   {34, "12"},     {35, "1.5"},
        {36, "0.25"},  {37, "4"},    {38, "2.25"},  {39, "2.25"},  {40, "2.25"},   {41, "2.5"},    {42, "0.375"},
        {43, "1.5"},   {44, "2"},    {45, "0.375"}, {46, "1"},     {47, "0.5"},    {48, "4"},      {49, "0.25"},
        {50, "0.5"},   {51, "0.5"},  {52, "0.25"},  {54, "0.5"},   {55, "0.0625"}, {56, "0.0625"}, {57, "0.25"},
        {58, "0.375"}, {59, "0.25"}, {60, "0.375"}, {61, "0.25"},  {62, "0.375"},  {63, "0.25"},   {64, "0.125"},
        {65, "0.125"}, {66, "0.5"},  {67, "0.75"},  {68, "0.25"},  {69, "0.25"},   {70, "26"},
    };
    for (const auto& [index, text] : params)
        model.record.setParamText(index, text);
    model.rebuildParamValues();
    for (int row = 0; row < kPartRows; ++row) {
        model.record.setPartStockText(row, row == 4 ? "0.25" : "0.75");
        model.record.setPartWood(row, row < 8 ? "Birch Ply" : "Oak");
    }
    model.rebuildPartArrays();
    for (int item = 0; item < kIncludeItems; ++item)
        model.record.setIncludeFlag(item, item != 19);
    model.record.setFlag(RecordOffset::BlindCorner, true);
    model.record.setFlag(RecordOffset::DetachedBase, true);
    model.options.set(CabinetOption::FlushLeft1, true);
    model.options.set(CabinetOption::SetDivider2, false);
    model.options.set(CabinetOption::LeftScribe, true);
    model.options.set(CabinetOption::FrontDoveTail, true);
    model.options.set(CabinetOption::BackRabbit, true);
    model.options.nailerCount = 2;

    model.record.setSectionCount(3);
    model.sectionCount = 3;
    struct Section {
        int shelves, drawers, banks, doors, partition, upperShelves, upperDoors;
    };
    const Section sections[] = {{2, 2, 0, 2, 1, 2, 2}, {0, 4, 2, 0, 0, 0, 0}, {3, 1, 0, 2, 1, 1, 1}};
    for (int s = 0; s < kSections; ++s) {
        const Section& c = sections[s];
        auto& r = model.record;
        r.setSectionItem(s, SectionItem::Shelves, c.shelves);
        r.setSectionItem(s, SectionItem::DrawerCount, c.drawers);
        r.setSectionItem(s, SectionItem::DrawerBanks, c.banks);
        r.setSectionItem(s, SectionItem::DoorCount, c.doors);
        r.setSectionItem(s, SectionItem::Partition, c.partition);
        r.setSectionItem(s, SectionItem::PartitionShelves, c.upperShelves);
        r.setSectionItem(s, SectionItem::PartitionDoors, c.upperDoors);
    }
    model.record.setSectionItem(0, SectionItem::MullionOffset, 1);
    model.record.setSectionItem(0, SectionItem::PartitionAbove, 1);
    for (SectionItem style :
         {SectionItem::LowerPanelsOffset, SectionItem::DoublePanel, SectionItem::Horizontal, SectionItem::DoublePanelP})
        model.record.setSectionItem(0, style, 1);
    model.record.setSectionItem(2, SectionItem::DoublePanel, 1);
    return model;
}

// Every board of the complete cut list, asked for as the builders ask.
double SizeEveryBoard(const CabinetModel& model, const LayoutResult& layout, PartAreas& areas)
{
    areas.fill(0.0);
    const CalcContext c {model, layout, areas};
    double sum = 0.0;
    const auto add = [&](const PartSize& part) {
        sum += part.length + part.width + static_cast<double>(part.lengthText.size());
    };
    const auto item = [&](int s, SectionItem which) { return model.sectionItem(s, which); };
    const int n = model.sectionCount;

    add(CalcRightStile(c));
    add(CalcLeftStile(c));
    add(CalcTopRail(c));
    add(CalcBottomRail(c));
    for (int m = 1; m < n; ++m)
        add(CalcMullion(c));
    for (int s = 0; s < n; ++s) {
        const int drawers = item(s, SectionItem::DrawerCount);
        for (int d = item(s, SectionItem::DrawerBanks) ? 1 : 0; d < drawers; ++d)
            add(CalcMidRail(c, s, FaceRail::MidRail));
        if (item(s, SectionItem::Partition))
            add(CalcMidRail(c, s, FaceRail::PartitionRail));
        for (Opening o : {Opening::Lower, Opening::Upper})
            if (item(s, o == Opening::Lower ? SectionItem::DoorCount : SectionItem::PartitionDoors) == 2)
                add(CalcDoorMullion(c, s, o));
    }

    add(CalcTop(c));
    add(CalcBottom(c));
    add(CalcBack(c));
    add(CalcSide(c, Side::Left));
    add(CalcSide(c, Side::Right));
    add(CalcToekick(c));
    add(CalcSleeper(c, Side::Left));
    add(CalcSleeper(c, Side::Right));
    for (int s = 0; s < n; ++s)
        for (int k = 0; k < item(s, SectionItem::Shelves); ++k)
            if (const auto shelf = CalcShelf(c, s, ShelfKind::Shelf))
                add(*shelf);
    for (int s = 0; s < n; ++s)
        for (int k = 0; k < item(s, SectionItem::PartitionShelves); ++k)
            add(*CalcShelf(c, s, ShelfKind::UpperShelf));
    add(CalcDivider(c));
    for (int s = 0; s < n; ++s)
        if (item(s, SectionItem::Partition))
            add(*CalcShelf(c, s, ShelfKind::Partition));
    for (int k = 0; k < 2; ++k)
        add(CalcNailer(c));
    add(CalcFront(c));
    add(CalcBlindPanel(c));

    for (int s = 0; s < n; ++s) {
        for (int d = 0; d < item(s, SectionItem::DrawerCount); ++d) {
            add(CalcDrawerFace(c, s, d));
            add(CalcDrawerFrontBack(c, s, d, DrawerEnd::Front));
            add(CalcDrawerFrontBack(c, s, d, DrawerEnd::Back));
            add(CalcDrawerSide(c, s, d));
            add(CalcDrawerSide(c, s, d));
            add(CalcDrawerBottom(c, s));
        }
    }

    for (int s = 0; s < n; ++s) {
        for (Opening o : {Opening::Lower, Opening::Upper}) {
            const bool lower = o == Opening::Lower;
            const int doors = item(s, lower ? SectionItem::DoorCount : SectionItem::PartitionDoors);
            const bool twoPanels = item(s, lower ? SectionItem::DoublePanel : SectionItem::DoublePanelP) != 0;
            for (int door = 0; door < doors; ++door) {
                add(CalcDoorPanel(c, s, o, PanelOrder::First));
                if (twoPanels)
                    add(CalcDoorPanel(c, s, o, PanelOrder::Second));
                add(CalcDoorStile(c, s, o, Side::Left));
                add(CalcDoorStile(c, s, o, Side::Right));
                add(CalcDoorRail(c, s, o, RailEnd::Top));
                add(CalcDoorRail(c, s, o, RailEnd::Bottom));
                if (const auto midRail = CalcDoorMidRail(c, s, o))
                    add(*midRail);
            }
        }
    }
    return sum;
}

void EveryCalculator(benchmark::State& state)
{
    CabinetModel model = BusyCabinet();
    LayoutResult layout;
    LayoutAfterLoad(model, layout);
    PartAreas areas {};
    for (auto _ : state)
        benchmark::DoNotOptimize(SizeEveryBoard(model, layout, areas));
}
BENCHMARK(EveryCalculator);

void RecalculationAndEveryCalculator(benchmark::State& state)
{
    CabinetModel model = BusyCabinet();
    LayoutResult layout;
    LayoutAfterLoad(model, layout);
    PartAreas areas {};
    for (auto _ : state) {
        RecalculateLayout(model, layout);
        benchmark::DoNotOptimize(SizeEveryBoard(model, layout, areas));
    }
}
BENCHMARK(RecalculationAndEveryCalculator);

} // namespace
