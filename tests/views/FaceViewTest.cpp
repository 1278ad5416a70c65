// SPDX-License-Identifier: GPL-3.0-or-later
// The face frame view: the designer's frame members, and the table of them
// for one section or the whole cabinet.
#include "FaceDoorDrawerCabinets.h"

#include "core/IncludeParts.h"
#include "views/FaceView.h"

#include <regex>
#include <tuple>

using namespace boxmill;

namespace {

TEST(FaceFrameView, CopiesTheDesignersFrameMembersAndNothingElse)
{
    const std::regex frame("(Left|Right)Stile|(Top|Bottom)Rail|Mullion[12]|(PartitionRail|MidRail[1-4])[ABC]|"
                           "DoorMullion[ABC]P?");
    for (const int scale : {1, 2}) {
        test::Designer d(test::BusyCabinet());
        d.model.drawScale = scale;
        d.draw();
        const ConstructionView view = FaceFrameView(d.model, d.layout, {}, 485);
        EXPECT_EQ(view.unitsPerInch, 4 * scale);
        EXPECT_EQ(view.shapes.shapes.size(), 27U);
        int visible = 0;
        for (const Shape& s : view.shapes.shapes) {
            const Shape& drawn = d.shape(s.name);
            EXPECT_TRUE(std::regex_match(s.name, frame)) << s.name;
            EXPECT_EQ(
                std::tie(s.left, s.top, s.width, s.height, s.visible, s.parameter, s.hint),
                std::tie(drawn.left, drawn.top, drawn.width, drawn.height, drawn.visible, drawn.parameter, drawn.hint))
                << s.name;
            visible += s.visible ? 1 : 0;
        }
        // Stiles, rails, mullions, three mid rails (none under the last
        // banked drawer), a partition rail and section B's two door mullions.
        EXPECT_EQ(visible, 12);
    }
}

// One banked drawer closes on the bottom rail, and there is no bottom rail:
// neither is listed, as neither is cut.
CabinetModel OneBankedDrawerNoBottomRail()
{
    CabinetModel m = test::FrameCabinet(1);
    m.record.setSectionItem(0, SectionItem::DrawerCount, 1);
    m.record.setSectionItem(0, SectionItem::DrawerBanks, 1);
    m.record.setParamText(Param::BottomRail, "0");
    m.rebuildParamValues();
    return m;
}

CabinetModel NoFrameParts()
{
    CabinetModel m = test::FrameCabinet(2);
    for (const int item : {IncludeItem::FaceFrame, IncludeItem::Mullions, IncludeItem::MidRails})
        m.record.setIncludeFlag(item, false);
    return m;
}

TEST(FaceFrameView, ListsTheOutlineThenEachListedSectionsRailsAndDoorMullions)
{
    const std::string outline = "Top Rail,Bot Rail,L Stile,R Stile,Mullions,";
    const std::tuple<CabinetModel (*)(), FaceViewState, std::string> listings[] = {
        {test::BusyCabinet, {2}, outline + "Mid Rail(s),Pt Rail(s),Dr Mullion,Dr Mullion,"},
        {test::BusyCabinet, {3}, outline},
        {test::BusyCabinet, {7}, outline}, // a label past the sections
        {test::BusyCabinet,
         {3, FaceListing::Complete},
         outline + "Mid Rail(s),Mid Rail(s),Pt Rail(s),Dr Mullion,Dr Mullion,"},
        {NoFrameParts, {1}, ",,,,,"},
        {OneBankedDrawerNoBottomRail, {1}, "Top Rail,L Stile,R Stile,,,"},
    };
    for (const auto& [build, state, parts] : listings) {
        test::Designer d(build());
        d.draw();
        const ConstructionView view = FaceFrameView(d.model, d.layout, state, 485);
        EXPECT_EQ(test::PartsOf(view.rows), parts);
        EXPECT_EQ(GrowingTableColumnWidth(view, kFaceViewMinGridRows), view.rows.size() > 5 ? 54 : 58) << parts;
    }
    // The door mullion above the partition comes before the one below.
    test::Designer d(test::BusyCabinet());
    d.draw();
    const auto rows = FaceFrameView(d.model, d.layout, {2}, 485).rows;
    EXPECT_EQ(rows.at(7), (ViewRow {"Dr Mullion", "2 ", "10 ", "3/4"}));
    EXPECT_EQ(rows.at(8), (ViewRow {"Dr Mullion", "2 ", "8 1/2", "3/4"}));
    EXPECT_EQ(FaceFrameView(d.model, d.layout, {}, 485).statusTexts,
              (std::vector<std::string> {"Height: 34 1/2", "Width: 46 ", "Depth: 24 ", "Section Height: 27 "}));
}

TEST(FaceFrameView, WindowGrowsPast485And351AndNextSectionWraps)
{
    // 40 inches draw 160 units: 292 + 160 + 22 = 474 keeps the window's width.
    const std::tuple<const char*, const char*, int, int, int> sizes[] = {
        {"40", "30", 400, 400, 351}, {"40", "30", 600, 485, 351}, {"60", "80", 400, 554, 435}};
    for (const auto& [width, height, current, wantWidth, wantHeight] : sizes) {
        test::Designer d(test::FrameCabinet());
        d.model.record.setParamText(Param::Width, width);
        d.model.record.setParamText(Param::Height, height);
        d.model.rebuildParamValues();
        d.draw();
        const ConstructionView view = FaceFrameView(d.model, d.layout, {}, current);
        EXPECT_EQ(std::pair(view.windowWidth, view.windowHeight), std::pair(wantWidth, wantHeight)) << width;
    }
    CabinetModel m = test::FrameCabinet(3);
    FaceViewState state {1, FaceListing::Complete};
    std::string seen;
    for (int i = 0; i < 4; ++i)
        seen += std::to_string((state = NextSection(m, state)).section);
    EXPECT_EQ(seen, "2312");
    EXPECT_EQ(state.listing, FaceListing::Complete);
    m.sectionCount = 2;
    EXPECT_EQ(NextSection(m, FaceViewState {3}).section, 1);
}

} // namespace
