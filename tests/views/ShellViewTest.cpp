// SPDX-License-Identifier: GPL-3.0-or-later
// The front/shell view: the carcass without its face frame, the sections'
// dividers, shelves, partitions and nailers, and the window around them.
#include "ViewDrawingTestCabinet.h"

#include "core/IncludeParts.h"
#include "core/PartRows.h"

#include <vector>

using namespace boxmill;
using test::Cabinet;
using test::ExpectRect;
using test::Rect;
using test::ShapeOf;
using I = SectionItem;
using O = CabinetOption;

namespace {

std::vector<std::string> VisibleNames(const ConstructionView& view)
{
    std::vector<std::string> names;
    for (const Shape& shape : view.shapes.shapes)
        if (shape.visible)
            names.push_back(shape.name);
    return names;
}

} // namespace

TEST(ShellSideTopViews, WindowsGrowWithTheCabinetWithinTheirLeastOrMostSize)
{
    enum View { Shell, Side, Top };
    struct Case {
        View view;
        const char *height, *width, *depth;
        int scale, currentWidth, currentHeight, expectedWidth, expectedHeight;
    } const cases[] = {
        {Shell, "30", "100", "24", 1, 450, 0, 714, 372}, // 400 units wide
        {Shell, "30", "20", "24", 1, 600, 0, 450, 372},  // 394 wanted: a wider window narrows to 450
        {Shell, "30", "20", "24", 1, 420, 0, 420, 372},  // ... a narrower one keeps its width
        {Shell, "100", "20", "24", 2, 420, 0, 474, 932}, // zoomed: 160 units wide, 800 high
        {Side, "30", "40", "24", 1, 0, 0, 410, 258},     {Side, "40", "40", "12", 1, 0, 0, 405, 292},
        {Top, "30", "30", "24", 1, 500, 400, 450, 336}, // 434 by 228 wanted
        {Top, "30", "30", "24", 1, 420, 300, 420, 300},  {Top, "30", "40", "60", 1, 420, 300, 474, 372},
    };
    for (const Case& c : cases) {
        Cabinet cabinet;
        cabinet.param(Param::Height, c.height).param(Param::Width, c.width).param(Param::Depth, c.depth);
        cabinet.d.model.drawScale = c.scale;
        const ConstructionView view = c.view == Shell  ? cabinet.shell(1, c.currentWidth)
                                      : c.view == Side ? cabinet.side()
                                                       : cabinet.top(c.currentWidth, c.currentHeight);
        EXPECT_EQ(std::pair(view.windowWidth, view.windowHeight), std::pair(c.expectedWidth, c.expectedHeight))
            << c.view << " " << c.width << " x " << c.depth;
        EXPECT_EQ(view.unitsPerInch, 4 * c.scale);
        EXPECT_EQ(view.statusTexts.back(), "Zoom Toggle x" + std::to_string(c.scale));
    }
    EXPECT_EQ(Cabinet().top().statusTexts,
              (std::vector<std::string> {"Height: 30 ", "Width: 40 ", "Depth: 24 ", "Zoom Toggle x1"}));
}

TEST(ShellView, CarcassPanelsByJoint)
{
    // 120 x 160 units; the bottom's top is at 170 over a 16-unit toe kick.
    const ConstructionView rail = Cabinet().include(IncludeItem::Front).shell();
    ExpectRect(rail, "LeftSide", {292, 72, 3, 120});
    ExpectRect(rail, "RightSide", {449, 72, 3, 120});
    ExpectRect(rail, "Bottom", {295, 170, 154, 3});
    ExpectRect(rail, "CarcassRail", {295, 72, 154, 3});
    ExpectRect(rail, "ToeKick", {292, 175, 160, 17});
    ExpectRect(rail, "ToeKick2", {295, 172, 154, 4});
    ExpectRect(rail, "ToeKickBlank", {296, 175, 152, 1});
    ExpectRect(rail, "Front", {295, 75, 154, 95});
    ExpectRect(rail, "Back", {292, 72, 160, 99}); // behind the case, a unit past the bottom's top
    EXPECT_EQ(ShapeOf(rail, "Bottom").parameter, Param::BottomOffset);
    EXPECT_EQ(ShapeOf(rail, "ToeKickBlank").parameter, Param::ToeKickHeight);
    EXPECT_FALSE(ShapeOf(rail, "Front").parameter);

    // A thicker top stock changes nothing under a rabbeted carcass rail.
    ExpectRect(Cabinet().include(IncludeItem::Front).stock(PartRow::Top, "1.5").shell(), "Front", {295, 75, 154, 95});
    ExpectRect(Cabinet().include(IncludeItem::Front).option(O::CarcassDado).shell(), "Front", {295, 77, 154, 93});

    struct Case {
        O joint;
        Rect top, front;
    } const tops[] = {
        {O::TopRabbit, {295, 72, 154, 3}, {295, 75, 154, 95}},
        {O::TopDado, {295, 74, 154, 3}, {295, 77, 154, 93}},
        {O::TopButtJoint, {292, 72, 160, 3}, {295, 75, 154, 95}}, // hangs under the overlay, not a dado lower
    };
    for (const Case& c : tops) {
        const ConstructionView view = Cabinet()
                                          .include(IncludeItem::Top)
                                          .include(IncludeItem::CarcassRails, false)
                                          .include(IncludeItem::Front)
                                          .option(O::BackInside)
                                          .option(c.joint)
                                          .shell();
        ExpectRect(view, "CabinetTop", c.top);
        ExpectRect(view, "Front", c.front);
        ExpectRect(view, "Back", c.front);
    }

    // Neither top nor rail: the inside panels reach the top edge.
    const ConstructionView open =
        Cabinet().include(IncludeItem::CarcassRails, false).include(IncludeItem::Front).shell();
    ExpectRect(open, "Front", {295, 72, 154, 98});
    ExpectRect(open, "Back", {292, 72, 160, 98});
}

TEST(ShellView, DetachedBaseStandsBetweenShortenedSides)
{
    const ConstructionView view = Cabinet().flag(RecordOffset::DetachedBase).shell();
    ExpectRect(view, "LeftSide", {292, 72, 3, 104});
    ExpectRect(view, "ToeKick", {295, 172, 154, 20}); // up past the 6-unit bottom rail
    EXPECT_FALSE(ShapeOf(view, "ToeKick2").visible);
    EXPECT_FALSE(ShapeOf(view, "ToeKickBlank").visible);
}

TEST(ShellView, DividersStandAgainstTheMullionsBetweenTopAndBottom)
{
    // Three sections: the designer's mullions stand at 342 and 394.
    struct Case {
        int sections;
        bool set1, set2;
        O place1, place2;
        bool notched, top;
        std::vector<std::string> shown;
        Rect divider1;
    } const cases[] = {
        {1, true, true, O::Center1, O::Center2, true, false, {}, {}},
        {2, true, true, O::Center1, O::Center2, true, false, {"Divider1"}, {}},
        {3, true, true, O::Center1, O::Center2, true, false, {"Divider2", "Divider1"}, {345, 72, 3, 98}},
        {3, false, true, O::Center1, O::Center2, true, false, {"Divider2"}, {345, 72, 3, 98}},
        {3, true, true, O::FlushLeft1, O::FlushLeft2, false, false, {"Divider2", "Divider1"}, {342, 75, 3, 95}},
        {3, true, true, O::FlushRight1, O::FlushRight2, true, true, {"Divider2", "Divider1"}, {347, 75, 3, 95}},
    };
    for (const Case& c : cases) {
        Cabinet cabinet(c.sections);
        cabinet.option(O::SetDivider1, c.set1).option(O::SetDivider2, c.set2).option(c.place1).option(c.place2);
        cabinet.option(O::NotchedDivider, c.notched).include(IncludeItem::Top, c.top);
        cabinet.include(IncludeItem::CarcassRails, !c.top).include(IncludeItem::Shelves, false);
        cabinet.include(IncludeItem::Nailers, false).include(IncludeItem::Partitions, false);
        const ConstructionView view = cabinet.shell();
        std::vector<std::string> dividers;
        for (const std::string& name : VisibleNames(view))
            if (name.starts_with("Divider"))
                dividers.push_back(name);
        EXPECT_EQ(dividers, c.shown) << c.sections;
        if (c.sections == 3)
            ExpectRect(view, "Divider1", c.divider1);
    }
}

TEST(ShellView, ShelvesSpacedInTheOpeningAndRunThroughAnUnsetDivider)
{
    // A 120-unit opening with three shelves: 29, 59 and 89 below its top.
    const ConstructionView spaced = Cabinet().param(Param::Height, "37").set(I::Shelves, 3).shell();
    for (const auto& [name, top] : {std::pair {"Shelve1A", 107}, {"Shelve2A", 137}, {"Shelve3A", 167}})
        ExpectRect(spaced, name, {295, top, 154, 3});
    EXPECT_FALSE(ShapeOf(spaced, "Shelve4A").visible);
    EXPECT_EQ(ShapeOf(spaced, "Shelve1A").hint, "Shelve");

    // Divider 1 stands at 371..374 between two sections.
    const auto spans = [](bool set) {
        const ConstructionView view = Cabinet(2).set(I::Shelves, 2, 2).option(O::SetDivider1, set).shell();
        const Shape &a = ShapeOf(view, "Shelve1A"), &b = ShapeOf(view, "Shelve1B");
        return std::array {a.left, a.width, b.left, b.width};
    };
    EXPECT_EQ(spans(true), (std::array {295, 76, 374, 75}));
    EXPECT_EQ(spans(false), (std::array {295, 79, 371, 78}));
}

TEST(ShellView, PartitionsAndTheDoublePartitionFollowTheDesignersRails)
{
    Cabinet cabinet;
    cabinet.set(I::Partition, 1).set(I::DrawerCount, 1).set(I::PartitionShelves, 1).option(O::ExtraPartition);
    const ConstructionView view = cabinet.shell();
    const Shape& partition = ShapeOf(view, "PartitionA");
    EXPECT_TRUE(partition.visible);
    EXPECT_EQ(partition.top, cabinet.d.shape("PartitionRailA").top);
    EXPECT_EQ((std::array {partition.left, partition.width, partition.height}), (std::array {295, 154, 3}));
    EXPECT_TRUE(ShapeOf(view, "Shelve1AP").visible);
    const Shape& second = ShapeOf(view, "Shelve4A");
    EXPECT_TRUE(second.visible);
    EXPECT_EQ(second.top, cabinet.d.shape("MidRail1A").top);

    // Without partitions neither panel is drawn, as neither is cut.
    const ConstructionView none = cabinet.include(IncludeItem::Partitions, false).shell();
    EXPECT_FALSE(ShapeOf(none, "PartitionA").visible);
    EXPECT_FALSE(ShapeOf(none, "Shelve4A").visible);
}

TEST(ShellView, NailersByCountUnderTheTopOverTheBottomAndUnderTheFirstShelf)
{
    struct Case {
        std::optional<int> count;
        bool included;
        int shown;
    } const cases[] = {{std::nullopt, true, 0}, {1, true, 1}, {2, true, 2}, {3, true, 3}, {2, false, 0}};
    for (const Case& c : cases) {
        Cabinet cabinet;
        cabinet.include(IncludeItem::Nailers, c.included).d.model.options.nailerCount = c.count;
        const ConstructionView view = cabinet.shell();
        for (int n = 1; n <= 3; ++n)
            EXPECT_EQ(ShapeOf(view, "Nailer" + std::to_string(n)).visible, n <= c.shown) << n;
    }
    Cabinet cabinet;
    cabinet.d.model.options.nailerCount = 3;
    const ConstructionView noShelf = cabinet.shell();
    ExpectRect(noShelf, "Nailer1", {294, 74, 156, 12});  // under the carcass rail
    ExpectRect(noShelf, "Nailer2", {294, 159, 156, 12}); // on the bottom
    ExpectRect(noShelf, "Nailer3", {294, 171, 156, 12}); // no shelf: at the opening's foot
    EXPECT_EQ(ShapeOf(noShelf, "Nailer3").parameter, Param::NailerWidth);
    const ConstructionView shelf = cabinet.set(I::Shelves, 1).shell();
    EXPECT_EQ(ShapeOf(shelf, "Nailer3").top, ShapeOf(shelf, "Shelve1A").top + 2);
    cabinet.include(IncludeItem::LeftSide, false).include(IncludeItem::CarcassRails, false);
    ExpectRect(cabinet.shell(), "Nailer1", {292, 72, 159, 12});
}

TEST(ShellView, StackingOrderAndTheShownSectionsRows)
{
    test::Designer busy(test::BusyCabinet());
    busy.model.options.nailerCount = 3;
    busy.draw();
    const ConstructionView view = DrawShellView(busy.model, busy.layout, 2, 450);
    const std::vector<std::string> expected = {"Back",      "LeftSide",   "RightSide", "Bottom",   "CabinetTop",
                                               "ToeKick",   "ToeKick2",   "Nailer1",   "Nailer2",  "Nailer3",
                                               "Shelve1B",  "Shelve4B",   "Shelve1C",  "Shelve2C", "Shelve1BP",
                                               "Shelve2BP", "PartitionB", "Divider2",  "Divider1", "ToeKickBlank"};
    EXPECT_EQ(VisibleNames(view), expected);

    std::vector<std::string> titles;
    for (const ViewRow& row : view.rows)
        titles.push_back(row.part);
    EXPECT_EQ(titles, (std::vector<std::string> {"Sides", "Bottom", "Toekick", "Top", "Carc Rails", "Dividers",
                                                 "Partitions", "Shelves", "Nailers", "Back", "Front"}));
    // Section A has banked drawers only; B a partition with shelves above
    // it, whose texts stand; a section past the last shows the last.
    const auto sectionRows = [&](int section) {
        const auto rows = DrawShellView(busy.model, busy.layout, section, 450).rows;
        return std::array {rows[6].length, rows[7].length};
    };
    EXPECT_EQ(sectionRows(1), (std::array<std::string, 2> {"", ""}));
    EXPECT_EQ(sectionRows(2), (std::array<std::string, 2> {"14 1/8", "14 1/8"}));
    EXPECT_EQ(sectionRows(3), (std::array<std::string, 2> {"", "15 1/2"}));
    EXPECT_EQ(sectionRows(7), sectionRows(3));
    EXPECT_EQ(view.rows[4], (ViewRow {"Carc Rails", "", "", ""}));
    EXPECT_EQ(view.rows[10], (ViewRow {"Front", "", "", ""}));

    // Two sections with no divider between them and shelves spaced alike
    // share one long shelf, listed by the first; the shelves above a
    // partition are each section's own, and their texts stand.
    Cabinet joined(2);
    joined.option(O::SetDivider1, false).set(I::Partition, 1, 1).set(I::Shelves, 1, 1);
    const auto shelves = [&](int section) { return joined.shell(section).rows[7].length; };
    EXPECT_EQ(shelves(1), "38 1/2");
    EXPECT_EQ(shelves(2), "");
    joined.set(I::PartitionShelves, 1, 1);
    EXPECT_EQ(shelves(1), "18 7/8"); // half the inside less half a divider
    EXPECT_EQ(shelves(2), "18 7/8");

    EXPECT_EQ(NextShellSection(busy.model, 1), 2);
    EXPECT_EQ(NextShellSection(busy.model, 3), 1);
    EXPECT_EQ(NextShellSection(Cabinet().d.model, 1), 1);
}

TEST(ShellSideTopViews, CorruptSizesDrawNoPartInsideOut)
{
    // A negative height and depth, and a width past anything drawable.
    Cabinet cabinet(3);
    cabinet.param(Param::Height, "-40").param(Param::Depth, "-10").param(Param::Width, "90000000");
    cabinet.set(I::Shelves, 4, 4, 4).option(O::BackInside).d.model.options.nailerCount = 3;
    for (const ConstructionView& view : {cabinet.shell(), cabinet.side(), cabinet.top()}) {
        int shown = 0;
        for (const Shape& shape : view.shapes.shapes) {
            EXPECT_GE(std::min(shape.width, shape.height), 0) << shape.name;
            shown += shape.visible ? 1 : 0;
        }
        EXPECT_GT(shown, 0);
        EXPECT_GE(view.windowHeight, 258);
        EXPECT_GE(view.windowWidth, 405);
    }
}
