// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ScriptedPrompter.h"
#include "core/CabinetModel.h"
#include "core/FileIo.h"
#include "core/Vocabulary.h"
#include "designer/DesignerControls.h"
#include "designer/DesignerRefresh.h"
#include "designer/DesignerState.h"
#include "designer/DesignerWindow.h"
#include "designer/FaceDrawing.h"
#include "designer/SectionCleanup.h"
#include "designer/SectionEditor.h"
#include "geometry/Layout.h"
#include "tools/NewcabSource.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <utility>

namespace boxmill::test {

// A face-frame cabinet in whole quarter inches, so that every length is an
// exact number of drawing units (at scale 1, four per inch):
//   height 120, width 160, toe kick 16, stiles and rails 6, mullion 8,
//   mid rail 4, drawer faces 20, partition rail 6, door overlay 2, face
//   overlay 1, door frame members 8, door mid rail 8, door mullion 8,
//   door gap 1, inset gaps 1, panel offsets 4 and 8, stock 3.
// Everything is included but the top, the front and the door mullions;
// every drawer face and door panel is enabled.
inline CabinetModel FrameCabinet(int sections = 1)
{
    CabinetModel model;
    for (int i = 0; i < kParamSlots; ++i)
        model.record.setParamText(i, "0");
    const std::pair<int, const char*> params[] = {
        {0, "30"},    {1, "40"},   {2, "24"},   {3, "4"},     {5, "1.5"},   {6, "1.5"},  {7, "1.5"}, {8, "1.5"},
        {9, "10"},    {12, "1"},   {13, "2"},   {30, "0.25"}, {31, "0.25"}, {35, "1.5"}, {38, "2"},  {39, "2"},
        {40, "2"},    {41, "2"},   {42, "0.5"}, {43, "2"},    {44, "2"},    {46, "1"},   {47, "2"},  {55, "0.25"},
        {56, "0.25"}, {57, "0.5"}, {70, "13"},  {71, "13"},   {72, "13"},
    };
    for (const auto& [index, text] : params)
        model.record.setParamText(index, text);
    for (int face = 14; face <= 25; ++face)
        model.record.setParamText(face, "5");
    for (int row = 0; row < kPartSlots; ++row) {
        model.record.setPartStockText(row, "0.75");
        model.record.setPartPriceText(row, "0");
    }
    model.rebuildParamValues();
    model.rebuildPartArrays();
    for (int item = 0; item < kIncludeItems; ++item)
        model.record.setIncludeFlag(item, item != 0 && item != 5 && item != 18);
    for (int i = 0; i < 12 + 12 + 6; ++i)
        model.record.setFlag(RecordOffset::DrawerEnabled + i, true);
    model.record.setSectionCount(sections);
    model.sectionCount = sections;
    model.rebuildDrawingUnits();
    return model;
}

// The default cabinet every new design starts from.
inline CabinetModel DefaultCabinet()
{
    const std::filesystem::path data = BOXMILL_DATA_DIR;
    const auto lines = [&](const char* name) {
        auto read = ReadTextLines(data / name);
        return read ? *read : std::vector<std::string> {};
    };
    const Vocabulary vocabulary(lines("Dims.dat"), lines("IncParts.dat"), lines("CabParts.dat"));
    const auto source = ReadFileBytes(data / "Newcab.txt");
    EXPECT_TRUE(source);
    const auto record = CompileNewcab(source ? *source : std::string(), vocabulary);
    EXPECT_TRUE(record);
    CabinetModel model;
    ScriptedPrompter prompter;
    if (record)
        model.adoptRecord(*record, vocabulary, prompter);
    return model;
}

// The designer's side of a cabinet: its layout, its edit state and the
// messages it showed.
struct Designer {
    explicit Designer(CabinetModel cabinet)
        : model(std::move(cabinet))
    {
        LayoutAfterLoad(model, layout);
    }

    // What the program does after an edit that changed the record by hand:
    // the session's rules and recalculation, then the designer's drawing.
    ShapeSet draw()
    {
        ApplyEditRules(model, drawnSections);
        drawnSections = model.sectionCount;
        model.rebuildDrawingUnits();
        RecalculateLayout(model, layout);
        ApplySectionOffsets(model, layout);
        shapes = DrawDesigner(model, layout, state, kDesignerWideWidth).shapes;
        return shapes;
    }
    SectionEditor editor() { return SectionEditor(model, layout, prompter, state); }
    DesignerControls controls() { return DesignerControls(model, state); }
    // Chooses the mode, picks the count and presses Enter. A count the
    // list does not offer is set as the command line types it: Enter holds
    // every limit itself.
    DesignerEffect enter(ModeButton button, int count)
    {
        auto c = controls();
        if (!state.isDown(button))
            c.chooseMode(button);
        if (!c.selectDataInput(count))
            state.dataInput = count;
        return editor().enter();
    }

    const Shape& shape(const std::string& name) const
    {
        const Shape* found = shapes.find(name);
        if (!found)
            throw std::invalid_argument("no shape " + name);
        return *found;
    }
    int item(int s, SectionItem which) const { return model.sectionItem(s, which); }
    std::vector<std::string> messages() const
    {
        std::vector<std::string> texts;
        for (const auto& shown : prompter.shown)
            texts.push_back(shown.text);
        return texts;
    }

    CabinetModel model;
    LayoutResult layout;
    DesignerState state;
    int drawnSections = 0;
    ScriptedPrompter prompter;
    ShapeSet shapes;
};

inline int Right(const Shape& shape)
{
    return shape.left + shape.width;
}
inline int Bottom(const Shape& shape)
{
    return shape.top + shape.height;
}

} // namespace boxmill::test
