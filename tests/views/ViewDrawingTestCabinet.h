// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "designer/DesignerTestCabinet.h"

#include "core/CabinetFile.h"
#include "views/ShellView.h"
#include "views/SideView.h"
#include "views/TopView.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

namespace boxmill::test {

struct Rect {
    int left, top, width, height;
};

inline const Shape& ShapeOf(const ConstructionView& view, const std::string& name)
{
    const Shape* shape = view.shapes.find(name);
    if (!shape)
        throw std::invalid_argument("no shape " + name);
    return *shape;
}

inline void ExpectRect(const ConstructionView& view, const std::string& name, Rect expected)
{
    const Shape& s = ShapeOf(view, name);
    EXPECT_EQ((std::array {s.left, s.top, s.width, s.height}),
              (std::array {expected.left, expected.top, expected.width, expected.height}))
        << name;
}

// The quarter-inch frame cabinet of the designer's tests (every stock 3
// units) with a toe kick 3 inches deep, nailers 3 inches wide and carcass
// rails 4 inches wide, changed item by item and laid out as the session
// does after an edit.
struct Cabinet {
    Designer d;
    explicit Cabinet(int sections = 1)
        : d(FrameCabinet(sections))
    {
        param(Param::ToeKickDepth, "3").param(Param::NailerWidth, "3").param(Param::CarcassRail, "4");
    }
    Cabinet& param(int index, const char* text)
    {
        d.model.record.setParamText(index, text);
        d.model.rebuildParamValues();
        return *this;
    }
    Cabinet& stock(int row, const char* text)
    {
        d.model.record.setPartStockText(row, text);
        d.model.rebuildPartArrays();
        return *this;
    }
    Cabinet& set(SectionItem item, int a, int b = 0, int c = 0)
    {
        for (int s = 0; s < d.model.sectionCount; ++s)
            d.model.record.setSectionItem(s, item, s == 0 ? a : s == 1 ? b : c);
        return *this;
    }
    Cabinet& option(CabinetOption which, bool on = true)
    {
        d.model.options.set(which, on);
        return *this;
    }
    Cabinet& include(int item, bool on = true)
    {
        d.model.record.setIncludeFlag(item, on);
        return *this;
    }
    Cabinet& flag(int offset, bool on = true)
    {
        d.model.record.setFlag(offset, on);
        return *this;
    }
    Cabinet& draw()
    {
        d.draw();
        return *this;
    }
    ConstructionView shell(int section = 1, int width = 450)
    {
        return DrawShellView(draw().d.model, d.layout, section, width);
    }
    ConstructionView side() { return DrawSideView(draw().d.model, d.layout); }
    ConstructionView top(int width = 450, int height = 336)
    {
        return DrawTopView(draw().d.model, d.layout, width, height);
    }
};

inline CabinetModel BusyCabinet()
{
    const std::filesystem::path data = BOXMILL_DATA_DIR;
    const auto lines = [&](const char* name) { return ReadTextLines(data / name).value(); };
    CabinetModel model;
    ScriptedPrompter quiet;
    model.adoptRecord(ReadCabinetFile(std::filesystem::path(BOXMILL_TEST_DATA_DIR) / "Busy.cab").value(),
                      Vocabulary(lines("Dims.dat"), lines("IncParts.dat"), lines("CabParts.dat")), quiet);
    return model;
}

} // namespace boxmill::test
