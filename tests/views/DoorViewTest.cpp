// SPDX-License-Identifier: GPL-3.0-or-later
// The door view: one opening's doors in eighth inches (or quarters when
// large), their frames and mid rails, the table and the opening commands.
#include "FaceDoorDrawerCabinets.h"

#include "core/IncludeParts.h"
#include "views/DoorView.h"

#include <tuple>

using namespace boxmill;
using I = SectionItem;
using Box = std::tuple<int, int, int, int>;

namespace {

// One section of the quarter-inch test cabinet, its opening given outright
// (the upper one half as high). In eighth inches: door stiles, rails and mid
// rail 16, overlay 4 (doors grow by 8), door mullion 16, offsets 8 (lower)
// and 16 (upper), inset gap 2, door gap 2.
struct Doors {
    CabinetModel model = test::FrameCabinet(1);
    LayoutResult layout;

    Doors(double width, double height, int doors, int upperDoors = 0)
    {
        set(I::DoorCount, doors).set(I::Partition, upperDoors > 0).set(I::PartitionDoors, upperDoors);
        model.record.setIncludeFlag(IncludeItem::DoorMullions, true);
        layout.SectionFaceWidth[0] = width;
        layout.LowerHeight[0] = height;
        layout.UpperHeight[0] = height / 2;
        layout.cell(LayoutRow::Width, 0) = "30 ";
        layout.cell(LayoutRow::Lower, 0) = "20 ";
    }
    Doors& set(I item, int value)
    {
        model.record.setSectionItem(0, item, value);
        return *this;
    }
    ConstructionView view(DoorViewState state = {}, int currentWidth = 485, int currentHeight = 384) const
    {
        return DoorView(model, layout, state, currentWidth, currentHeight);
    }
    Box box(const char* name, DoorViewState state = {}) const
    {
        const ConstructionView drawn = view(state);
        const Shape& s = *drawn.shapes.find(name);
        return {s.left, s.top, s.width, s.height};
    }
};

TEST(DoorView, EighthsUnlessOver42HighOr44WideAndTheWindowGrowsPast485By384)
{
    struct Case {
        double width, height;
        int doors, scale, perInch, panelWidth, windowWidth, windowHeight;
    };
    // A window of 400 by 300 keeps what the drawing does not need.
    const Case cases[] = {
        {30, 43, 1, 1, 4, 124, 400, 300},     // 120 quarters and the overlays
        {40, 40, 1, 1, 8, 328, 643, 444},     // 320 eighths; 320 + 54 + 70 high
        {44, 42, 1, 1, 8, 360, 675, 460},     // at the limits
        {44.125, 20, 1, 1, 4, 180, 495, 300}, // an eighth over; 176 + 295 + 4 + 20
        {40, 40, 0, 1, 4, 0, 400, 300},       // nothing to draw
        {40, 40, 2, 2, 16, 320, 971, 764},    // (640 - 32) / 2 + 16 when zoomed
    };
    for (const Case& c : cases) {
        Doors d(c.width, c.height, c.doors);
        d.model.drawScale = c.scale;
        const ConstructionView view = d.view({}, 400, 300);
        const Shape& panel = *view.shapes.find("Panel1");
        EXPECT_EQ(std::tuple(view.unitsPerInch, view.statusTexts.at(3), panel.width, panel.visible),
                  std::tuple(c.perInch, c.perInch / c.scale == 8 ? "Zoom x2" : "Zoom x1", c.panelWidth, c.doors > 0))
            << c.width << " by " << c.height;
        EXPECT_EQ(std::pair(view.windowWidth, view.windowHeight), std::pair(c.windowWidth, c.windowHeight));
    }
    EXPECT_EQ(Doors(30, 20, 1).view({}, 600, 500).windowHeight, 384);
}

TEST(DoorView, PairSharesTheOpeningLessWhatStandsBetweenAndCarriesItsFrames)
{
    // 240 eighths: (240 - 16) / 2 + 8 = 120 a door, the first 4 left of the
    // origin, the second 124 right of it; 160 high and 4 more each way.
    const Doors pair(30, 20, 2);
    EXPECT_EQ(pair.box("Panel1"), Box(291, 54, 120, 168));
    EXPECT_EQ(pair.box("Panel2"), Box(419, 54, 120, 168));
    EXPECT_EQ(pair.box("RightStile2"), Box(523, 54, 16, 168));
    EXPECT_EQ(pair.box("BottomRail2"), Box(434, 206, 90, 16));
    // Inset doors without a door mullion keep the door gap and an overlay
    // each side of it between them, 10 in all, and shrink by 2 a side: the
    // doors whose rails the cut list cuts.
    Doors inset(30, 20, 2);
    inset.model.options.set(CabinetOption::DoorInset, true);
    inset.model.record.setIncludeFlag(IncludeItem::DoorMullions, false);
    EXPECT_EQ(inset.box("Panel1"), Box(297, 54, 111, 156));
    EXPECT_EQ(inset.box("Panel2"), Box(422, 54, 111, 156));
    EXPECT_EQ(inset.box("TopRail2"), Box(437, 54, 81, 16));
    // A horizontal mid rail runs between the same stiles as the rails, in
    // the drawing and in the table.
    inset.set(I::DoublePanel, 1).set(I::Horizontal, 1);
    const ConstructionView doubled = inset.view();
    EXPECT_EQ(doubled.shapes.find("DoorRail2")->width, 81);
    ASSERT_EQ(test::PartsOf(doubled.rows).substr(0, 55), "Top Rail,Bot Rail,L Stile,R Stile,Panel,Panel,Mid Rail,");
    EXPECT_EQ(doubled.rows[6].length, doubled.rows[0].length);
    // Stiles wider than their door leave no room for the rails.
    Doors narrow(30, 20, 1);
    narrow.model.record.setParamText(Param::DoorLeftStile, "30");
    narrow.model.rebuildParamValues();
    const ConstructionView narrowView = narrow.view();
    const Shape& rail = *narrowView.shapes.find("TopRail1");
    EXPECT_EQ(std::pair(rail.visible, rail.width), std::pair(false, 0));
}

TEST(DoorView, MidRailOfADoublePanelCentredAndOffsetByTheOpeningsStyle)
{
    // A 30 by 20 inch door is 248 by 168 at 291, 54; its upper one 88 high.
    const std::tuple<bool, bool, bool, Opening, Box> cases[] = {
        {true, false, false, Opening::Lower, {306, 130, 218, 16}},
        {true, true, false, Opening::Lower, {306, 122, 218, 16}},
        {true, true, true, Opening::Lower, {306, 138, 218, 16}},
        {false, false, false, Opening::Lower, {407, 69, 16, 138}},
        {false, true, false, Opening::Lower, {415, 69, 16, 138}},
        {false, true, true, Opening::Lower, {399, 69, 16, 138}},
        {true, true, false, Opening::Upper, {306, 74, 218, 16}}, // the upper doors' own offset
    };
    for (const auto& [horizontal, offset, negative, opening, rail] : cases) {
        const bool up = opening == Opening::Upper;
        Doors d(30, 20, 1, 1);
        d.set(up ? I::DoublePanelP : I::DoublePanel, 1).set(up ? I::HorizontalP : I::Horizontal, horizontal);
        d.set(up ? I::UpperPanelsOffset : I::LowerPanelsOffset, offset);
        d.set(up ? I::NegativeOffsetP : I::NegativeOffset, negative);
        EXPECT_EQ(d.box("DoorRail1", {1, opening}), rail) << horizontal << offset << negative << up;
    }
}

TEST(DoorView, ListsEachDoorsFrameThenPanelsThenMidRail)
{
    const std::string door = "Top Rail,Bot Rail,L Stile,R Stile,Panel,Panel,Mid Rail,";
    const ConstructionView doubled = Doors(30, 20, 2).set(I::DoublePanel, 1).view();
    EXPECT_EQ(test::PartsOf(doubled.rows), door + door);
    EXPECT_EQ(GrowingTableColumnWidth(doubled, kDoorViewMinGridRows), 54);

    Doors off(30, 20, 1);
    off.model.record.setFlag(RecordOffset::PanelEnabled, false);
    const ConstructionView frames = off.view();
    EXPECT_EQ(test::PartsOf(frames.rows), "Top Rail,Bot Rail,L Stile,R Stile,,,");
    EXPECT_EQ(GrowingTableColumnWidth(frames, kDoorViewMinGridRows), 58);
    EXPECT_FALSE(frames.shapes.find("Panel1")->visible);

    // "Show Section" lists the lower door, then the upper, shorter one, and
    // draws the lower opening whatever the label said.
    Doors both(30, 20, 1, 1);
    both.model.record.setIncludeFlag(IncludeItem::DoorFrames, false);
    const ConstructionView section = both.view({1, Opening::Upper, DoorListing::Section});
    ASSERT_EQ(test::PartsOf(section.rows), "Panel,Panel,,,,,");
    EXPECT_NE(section.rows[0].length, section.rows[1].length);
    EXPECT_EQ(section.shapes.find("Panel1")->height, 168);
    EXPECT_FALSE(section.shapes.find("LeftStile1")->visible);
    EXPECT_EQ(section.statusTexts,
              (std::vector<std::string> {"Opening Height: 20 ", "Opening Width: 30 ", "Mortise Depth: ", "Zoom x2"}));
}

TEST(DoorView, NeitherDrawsNorListsDoorsThatHaveNoRoom)
{
    // The drawers above took the whole opening: the cut list cuts no door.
    const ConstructionView none = Doors(30, 0, 2).view();
    for (const ViewRow& row : none.rows)
        EXPECT_EQ(row.part, "");
    for (const char* part : {"Panel1", "LeftStile1", "TopRail2"})
        EXPECT_FALSE(none.shapes.find(part)->visible) << part;
}

TEST(DoorView, OpeningCommandsStayOnTheLowerOpeningWithoutAPartition)
{
    CabinetModel m = test::FrameCabinet(2);
    m.record.setSectionItem(1, I::Partition, 1);
    const DoorViewState upperB {2, Opening::Upper};
    EXPECT_EQ(ToggleUpperLower(m, DoorViewState {1}).opening, Opening::Lower);
    EXPECT_EQ(ToggleUpperLower(m, DoorViewState {2}).opening, Opening::Upper);
    EXPECT_EQ(ToggleUpperLower(m, upperB).opening, Opening::Lower);
    EXPECT_EQ(ToggleUpperLower(m, ChooseListing(upperB, DoorListing::Section)).opening, Opening::Lower);
    EXPECT_EQ(ChooseListing(upperB, DoorListing::Selected).opening, Opening::Lower);
    const DoorViewState next = NextSection(m, upperB);
    EXPECT_EQ(std::pair(next.section, next.opening), std::pair(1, Opening::Lower));
}

} // namespace
