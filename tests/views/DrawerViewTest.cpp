// SPDX-License-Identifier: GPL-3.0-or-later
// The drawer view: plan and elevation of one drawer by its joints and its
// bottom, what shows by the switches, the table and the drawer commands.
#include "FaceDoorDrawerCabinets.h"

#include "core/IncludeParts.h"
#include "views/DrawerView.h"

#include <tuple>

using namespace boxmill;
using O = CabinetOption;
using Box = std::tuple<int, int, int, int>;

namespace {

// Three drawers 12 inches wide and 6 high. In eighth inches: width 96, face
// height 48, depth 160, side clearance 4, overlay 2, rabbet and dado 2,
// height clearance 8, bottom dado height 4, inset gap 2; front, back and
// sides 4 thick, the bottom 2, the face 6. The plan starts at 295, 54, the
// elevation at 295, 240.
struct Drawers {
    CabinetModel model = test::FrameCabinet(1);
    LayoutResult layout;

    explicit Drawers(O front = O::FrontRabbit, O back = O::BackRabbit)
    {
        model.record.setSectionItem(0, SectionItem::DrawerCount, 3);
        for (const auto& [param, text] : {std::pair {Param::DrawerDepth, "20"},
                                          {Param::DrawerSideClearance, "0.5"},
                                          {Param::DrawerRabbit, "0.25"},
                                          {Param::DrawerDado, "0.25"},
                                          {Param::DrawerHeightClearance, "1"},
                                          {Param::DrawerBottomDado, "0.5"}})
            model.record.setParamText(param, text);
        for (const int row : {PartRow::DrawerFront, PartRow::DrawerBack, PartRow::DrawerSide})
            model.record.setPartStockText(row, "0.5");
        model.record.setPartStockText(PartRow::DrawerBottom, "0.25");
        model.rebuildParamValues();
        model.rebuildPartArrays();
        model.options.set(front, true);
        model.options.set(back, true);
        layout.SectionFaceWidth[0] = 12;
        layout.DrawerHeight[0].fill(6);
    }
    ConstructionView view(DrawerViewState state = {}) const { return DrawerView(model, layout, state, 400, 300); }
    Box box(const char* name) const
    {
        const ConstructionView drawn = view();
        const Shape& s = *drawn.shapes.find(name);
        return {s.left, s.top, s.width, s.height};
    }
};

TEST(DrawerView, PlanJoinsFrontBackAndSidesByTheirJoints)
{
    // The box runs from 301 to 389 inside the side clearances; a rabbet
    // reaches 2 into each 4-thick side, a butt joint fits between them, a
    // dovetail spans them less a unit a side; the sides stop at a dovetail.
    const std::tuple<O, O, Box, Box, Box> cases[] = {
        {O::FrontRabbit, O::BackRabbit, {303, 59, 84, 4}, {303, 215, 84, 4}, {302, 59, 4, 160}},
        {O::FrontButtJoint, O::BackDoveTail, {305, 59, 80, 4}, {302, 215, 86, 4}, {302, 59, 4, 158}},
        {O::FrontDoveTail, O::BackButtJoint, {302, 59, 86, 4}, {305, 215, 80, 4}, {302, 62, 4, 157}},
        {O::FrontDoveTail, O::BackDoveTail, {302, 59, 86, 4}, {302, 215, 86, 4}, {302, 62, 4, 154}},
    };
    for (const auto& [front, back, frontBox, backBox, side] : cases) {
        const Drawers d(front, back);
        const auto [left, top, width, height] = side;
        EXPECT_EQ(std::tuple(d.box("Front"), d.box("Back"), d.box("LeftSide"), d.box("RightSide")),
                  std::tuple(frontBox, backBox, side, Box(384, top, width, height)))
            << static_cast<int>(front) << " " << static_cast<int>(back);
    }
    const Drawers d;
    EXPECT_EQ(std::pair(d.box("Face"), d.box("Bottom")), std::pair(Box(295, 54, 100, 6), Box(302, 59, 86, 160)));
    EXPECT_EQ(d.view().shapes.find("LeftSide")->hint, "Drawer Right Side");
    EXPECT_EQ(d.view().unitsPerInch, 8);
}

TEST(DrawerView, ElevationCentresTheBoxOnTheFaceWithItsBottomInDadoesOrUnder)
{
    // The box is 48 - 8 = 40 high. Let into dadoes, the bottom's top is 2 + 4
    // above the sides' foot; nailed under them it takes its 2 off the sides
    // and the back, as the boards are cut.
    const std::tuple<bool, bool, Box, Box, Box, Box> cases[] = {
        {true, false, {295, 240, 100, 52}, {302, 246, 4, 40}, {304, 280, 82, 2}, {303, 246, 84, 34}},
        {false, false, {295, 240, 100, 52}, {302, 246, 4, 38}, {302, 284, 86, 2}, {303, 246, 84, 38}},
        {true, true, {299, 244, 92, 44}, {302, 246, 4, 40}, {304, 280, 82, 2}, {303, 246, 84, 34}},
    };
    for (const auto& [dadoes, inset, face, side, bottom, back] : cases) {
        Drawers d;
        d.model.options.set(O::DrawerDadoes, dadoes);
        d.model.options.set(O::FaceInset, inset);
        EXPECT_EQ(std::tuple(d.box("DFace"), d.box("DLeftSide"), d.box("DBottom"), d.box("DBack")),
                  std::tuple(face, side, bottom, back))
            << dadoes << inset;
        EXPECT_EQ(std::get<3>(d.box("DRightSide")), std::get<3>(side));
    }
}

TEST(DrawerView, ShowsAndListsWhatTheSwitchesLeaveOfTheDrawer)
{
    const std::string box = "Front,Back,Sides,Bottom,";
    // An include item or an enable flag switched off, the state, and what
    // shows: the box, the face, the table.
    const std::tuple<int, int, DrawerViewState, bool, bool, std::string> cases[] = {
        {-1, -1, {1, 2}, true, true, "Face," + box},
        {-1, RecordOffset::FaceEnabled + 1, {1, 2}, true, false, box + ","},
        {-1, RecordOffset::DrawerEnabled + 1, {1, 2}, false, true, "Face,,,,,"},
        {IncludeItem::DrawerFaces, -1, {1, 2}, true, false, box + ","},
        {IncludeItem::DrawerBoxes, -1, {1, 2, DrawerListing::Section}, false, false, ",,,,,"},
        {-1, -1, {1, 4}, false, false, ",,,,,"}, // drawer 4 of 3
    };
    for (const auto& [item, flag, state, boxShows, faceShows, parts] : cases) {
        Drawers d;
        if (item >= 0)
            d.model.record.setIncludeFlag(item, false);
        if (flag >= 0)
            d.model.record.setFlag(flag, false);
        const ConstructionView view = d.view(state);
        EXPECT_EQ(std::tuple(test::PartsOf(view.rows), view.shapes.find("DLeftSide")->visible,
                             view.shapes.find("DFace")->visible),
                  std::tuple(parts, boxShows, faceShows));
    }
    // A drawer left no height is not cut, and so neither shown nor listed.
    Drawers squeezed;
    squeezed.layout.DrawerHeight[0][1] = 0;
    const ConstructionView gone = squeezed.view({1, 2});
    EXPECT_EQ(std::tuple(test::PartsOf(gone.rows), gone.shapes.find("DLeftSide")->visible,
                         gone.shapes.find("DFace")->visible),
              std::tuple(std::string(",,,,,"), false, false));
    const ConstructionView section = Drawers().view({1, 1, DrawerListing::Section});
    EXPECT_EQ(section.rows.size(), 15U);
    EXPECT_EQ(GrowingTableColumnWidth(section, kDrawerViewMinGridRows), 54);
    EXPECT_EQ(section.statusTexts, (std::vector<std::string> {"Drawer Depth: 20 ", "Dado Depth: 1/4",
                                                              "Height Offset: 1 ", "Face Overlay: 1/4"}));
}

TEST(DrawerView, WindowGrowsPast510By360AndOtherwiseKeepsItsSize)
{
    // 12 inches: 295 + 96 + 4 + 22 = 417 wide, 54 + 6 + 160 + 20 + 48 + 4 +
    // 60 = 352 high; 30 inches 561 wide; 30 deep 432 high.
    const std::tuple<const char*, const char*, int, int, int, int> cases[] = {{"12", "20", 400, 300, 400, 300},
                                                                              {"12", "20", 600, 500, 510, 360},
                                                                              {"30", "20", 400, 300, 561, 300},
                                                                              {"12", "30", 400, 300, 400, 432}};
    for (const auto& [width, depth, currentWidth, currentHeight, wantWidth, wantHeight] : cases) {
        Drawers d;
        d.layout.SectionFaceWidth[0] = std::stod(width);
        d.model.record.setParamText(Param::DrawerDepth, depth);
        d.model.rebuildParamValues();
        const ConstructionView view = DrawerView(d.model, d.layout, {}, currentWidth, currentHeight);
        EXPECT_EQ(std::pair(view.windowWidth, view.windowHeight), std::pair(wantWidth, wantHeight)) << width << depth;
    }
    // Nothing drawn: the window keeps its size.
    Drawers none;
    none.model.record.setIncludeFlag(IncludeItem::DrawerBoxes, false);
    EXPECT_EQ(DrawerView(none.model, none.layout, {}, 600, 500).windowWidth, 600);
}

TEST(DrawerView, NextDrawerCyclesTheSectionsDrawersAndNextSectionKeepsTheLabelInIt)
{
    CabinetModel m = test::FrameCabinet(3);
    m.record.setSectionItem(0, SectionItem::DrawerCount, 3);
    m.record.setSectionItem(2, SectionItem::DrawerCount, 2);
    DrawerViewState state;
    std::string seen;
    for (int i = 0; i < 4; ++i)
        seen += std::to_string((state = NextDrawer(m, state)).drawer);
    EXPECT_EQ(seen, "2312");
    EXPECT_EQ(NextDrawer(m, DrawerViewState {2, 1}).drawer, 1); // section B has none
    const auto next = [&](DrawerViewState from) {
        const DrawerViewState to = NextSection(m, from);
        return std::pair(to.section, to.drawer);
    };
    EXPECT_EQ(next({1, 3}), std::pair(2, 1));
    EXPECT_EQ(next({2, 1}), std::pair(3, 1));
    EXPECT_EQ(next({3, 2}), std::pair(1, 2));
}

} // namespace
