// SPDX-License-Identifier: GPL-3.0-or-later
// One edit in the cabinet designer: the entry, the recalculation, the whole
// face drawing and the front dimensions grid. It runs on every Enter and
// must feel immediate.
#include "core/CabinetModel.h"
#include "core/FileDialogs.h"
#include "core/Prompter.h"
#include "designer/DesignerControls.h"
#include "designer/DesignerState.h"
#include "designer/FaceDrawing.h"
#include "designer/FrontDimensions.h"
#include "designer/SectionEditor.h"
#include "geometry/Layout.h"
#include "session/CabinetSession.h"
#include "session/SessionAccess.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

using namespace boxmill;

class SilentPrompter : public Prompter {
public:
    void message(MessageKind, std::string_view) override { }
    bool ask(MessageKind, std::string_view, QuestionButtons) override { return true; }
};

// Three sections with something of every family: drawers (banked in one
// section), pairs of doors with double panels above and below partitions,
// shelves in both openings, offset mullions, dividers and a blind corner.
CabinetModel BusyDesign()
{
    CabinetModel model;
    const std::pair<int, const char*> params[] = {
        {0, "34.5"},  {1, "72"},      {2, "24"},      {3, "4"},     {5, "1.5"},    {6, "1.5"},    {7, "1.5"},
        {8, "1.75"},  {9, "12"},      {12, "1.5"},    {13, "2"},    {30, "0.375"}, {31, "0.125"}, {32, "10.5"},
        {33, "14"},   {34, "12"},     {35, "1.5"},    {36, "0.25"}, {38, "2.25"},  {39, "2.25"},  {40, "2.25"},
        {41, "2.25"}, {42, "0.375"},  {43, "2"},      {44, "2.25"}, {45, "0.375"}, {46, "2"},     {47, "2"},
        {50, "0.5"},  {55, "0.0625"}, {56, "0.0625"}, {57, "0.5"},  {70, "22.5"},  {71, "14"},    {72, "16"},
    };
    for (const auto& [index, text] : params)
        model.record.setParamText(index, text);
    for (int face = 14; face <= 25; ++face)
        model.record.setParamText(face, "5.5");
    model.rebuildParamValues();
    for (int row = 0; row < kPartRows; ++row)
        model.record.setPartStockText(row, row == 4 ? "0.25" : "0.75");
    model.rebuildPartArrays();
    for (int item = 1; item < kIncludeItems; ++item)
        model.record.setIncludeFlag(item, item != 5);
    for (int i = 0; i < 12 + 12 + 6; ++i)
        model.record.setFlag(RecordOffset::DrawerEnabled + i, true);
    model.record.setFlag(RecordOffset::BlindCorner, true);
    model.options.set(CabinetOption::FlushLeft1, true);

    model.record.setSectionCount(3);
    model.sectionCount = 3;
    for (int s = 0; s < kSections; ++s) {
        model.record.setSectionItem(s, SectionItem::DrawerCount, 2);
        model.record.setSectionItem(s, SectionItem::Partition, 1);
        model.record.setSectionItem(s, SectionItem::PartitionShelves, 2);
        model.record.setSectionItem(s, SectionItem::PartitionDoors, 2);
        model.record.setSectionItem(s, SectionItem::DoublePanelP, 1);
        model.record.setSectionItem(s, SectionItem::HorizontalP, 1);
        model.record.setSectionItem(s, SectionItem::DoorCount, 2);
        model.record.setSectionItem(s, SectionItem::DoublePanel, 1);
        model.record.setSectionItem(s, SectionItem::Shelves, 1);
    }
    model.record.setSectionItem(1, SectionItem::DrawerCount, 4);
    model.record.setSectionItem(1, SectionItem::DrawerBanks, 3);
    model.record.setSectionItem(0, SectionItem::MullionOffset, 1);
    model.record.setSectionItem(0, SectionItem::PartitionAbove, 1);
    return model;
}

void DesignerEditCycle(benchmark::State& state)
{
    CabinetModel model = BusyDesign();
    LayoutResult layout;
    LayoutAfterLoad(model, layout);
    SilentPrompter prompter;
    DesignerState designer;
    SectionEditor editor(model, layout, prompter, designer);
    DesignerControls controls(model, designer);
    controls.chooseMode(ModeButton::AddShelves);
    ShapeSet shapes;
    int shelves = 1;
    for (auto _ : state) {
        shelves = 3 - shelves;
        controls.selectDataInput(shelves);
        editor.enter();
        DrawCabinetFace(model, layout, shapes);
        auto rows = FillFrontDimensions(model, layout, designer.shownSection);
        benchmark::DoNotOptimize(shapes);
        benchmark::DoNotOptimize(rows);
    }
}
BENCHMARK(DesignerEditCycle)->Unit(benchmark::kMicrosecond);

// The same drawing into a fresh set, as a window that keeps none would ask.
void FreshFaceDrawing(benchmark::State& state)
{
    CabinetModel model = BusyDesign();
    LayoutResult layout;
    LayoutAfterLoad(model, layout);
    for (auto _ : state) {
        ShapeSet shapes = DrawCabinetFace(model, layout);
        benchmark::DoNotOptimize(shapes);
    }
}
BENCHMARK(FreshFaceDrawing)->Unit(benchmark::kMicrosecond);

class NoDialogs : public FileDialogs {
public:
    std::optional<std::filesystem::path> openFile(const FileDialogRequest&) override { return std::nullopt; }
    std::optional<std::filesystem::path> saveFile(const FileDialogRequest&) override { return std::nullopt; }
};

// A long day in the designer: a thousand edits, all undone and redone. Each
// step puts a whole snapshot back, so this must stay far below what a user
// would notice even for the whole history at once.
void UndoRedoThousandEdits(benchmark::State& state)
{
    SilentPrompter prompter;
    NoDialogs dialogs;
    CabinetSession session(prompter, dialogs);
    SessionAccess::model(session) = BusyDesign();
    session.recalculate();
    for (int i = 0; i < 1000; ++i)
        session.edit("Hours", [i](CabinetModel& model, LayoutResult&) { model.record.setHours(std::to_string(i)); });
    for (auto _ : state) {
        while (session.undo()) { }
        while (session.redo()) { }
    }
    state.counters["steps"] =
        benchmark::Counter(2000.0 * static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(UndoRedoThousandEdits)->Unit(benchmark::kMillisecond);

} // namespace
