// SPDX-License-Identifier: GPL-3.0-or-later
// What the designer window shows besides the drawing, and the drawing as
// an SVG document.
#include "DesignerTestCabinet.h"

#include "designer/DesignerRefresh.h"
#include "designer/DesignerWindow.h"
#include "designer/FaceDrawingSvg.h"
#include "designer/FrontDimensions.h"

using namespace boxmill;
using test::Designer;
using test::FrameCabinet;

namespace {

std::vector<std::string> Labels(const std::vector<FrontDimensionRow>& rows)
{
    std::vector<std::string> labels;
    for (const auto& row : rows)
        labels.push_back(row.part);
    return labels;
}

using Strings = std::vector<std::string>;

} // namespace

TEST(FrontDimensions, FaceFrameRowsOfAPlainSection)
{
    Designer d(FrameCabinet());
    const auto rows = FillFrontDimensions(d.model, d.layout, 1);
    EXPECT_EQ(Labels(rows), (Strings {"Top Rail", "Bot Rail", "L Stile", "R Stile", "Toekick"}));
    EXPECT_EQ(rows[0], (FrontDimensionRow {"Top Rail", "1 1/2", "37 ", "3/4"}));
}

TEST(FrontDimensions, ListTheShownSectionsRailsAndDoorMullions)
{
    CabinetModel cabinet = FrameCabinet(2);
    cabinet.record.setIncludeFlag(18, true);
    cabinet.record.setIncludeFlag(0, true);
    cabinet.record.setIncludeFlag(19, false);
    cabinet.record.setSectionItem(1, SectionItem::DrawerCount, 1);
    cabinet.record.setSectionItem(1, SectionItem::Partition, 1);
    cabinet.record.setSectionItem(1, SectionItem::PartitionDoors, 2);
    cabinet.record.setSectionItem(1, SectionItem::DoorCount, 2);
    cabinet.record.setFlag(RecordOffset::BlindCorner, true);
    Designer d(cabinet);

    const auto second = FillFrontDimensions(d.model, d.layout, 2);
    EXPECT_EQ(Labels(second), (Strings {"Top Rail", "Bot Rail", "L Stile", "R Stile", "Mullions", "Mid Rails",
                                        "Pt Rails", "Dr Mullion", "Dr Mullion", "Toekick", "Top", "Blind Pnl"}));
    // (40 - 10 - 3 - 2) / 2 inches across the section.
    EXPECT_EQ(second[5].length, "12 1/2");
    EXPECT_EQ(second[5].width, "1 ");

    const auto first = FillFrontDimensions(d.model, d.layout, 1);
    EXPECT_EQ(Labels(first),
              (Strings {"Top Rail", "Bot Rail", "L Stile", "R Stile", "Mullions", "Toekick", "Top", "Blind Pnl"}));
    // A shown section beyond the cabinet's is read as its last.
    EXPECT_EQ(FillFrontDimensions(d.model, d.layout, 3), second);
}

TEST(FrontDimensions, CarcassRowsWithoutTheFaceFrame)
{
    CabinetModel cabinet = FrameCabinet(2);
    cabinet.record.setIncludeFlag(8, false);
    cabinet.options.set(CabinetOption::SetDivider1, false);
    cabinet.record.setSectionItem(0, SectionItem::Shelves, 1);
    cabinet.record.setSectionItem(1, SectionItem::Shelves, 1);
    cabinet.record.setSectionItem(1, SectionItem::Partition, 1);
    Designer d(cabinet);
    EXPECT_EQ(Labels(FillFrontDimensions(d.model, d.layout, 1)),
              (Strings {"Toekick", "Side(s)", "Bottom", "Carc Rails", "Shelve(s)", "Back"}));
    // Section 2's shelves line up with section 1's and are cut with them;
    // its partition changes its spacing, so here they do not.
    d.model.record.setSectionItem(1, SectionItem::Partition, 0);
    d.draw();
    EXPECT_EQ(Labels(FillFrontDimensions(d.model, d.layout, 2)),
              (Strings {"Toekick", "Side(s)", "Bottom", "Carc Rails", "Back"}));

    d.model.options.set(CabinetOption::SetDivider1, true);
    d.model.record.setSectionItem(1, SectionItem::PartitionShelves, 2);
    d.draw();
    EXPECT_EQ(Labels(FillFrontDimensions(d.model, d.layout, 2)),
              (Strings {"Toekick", "Side(s)", "Bottom", "Carc Rails", "Divider(s)", "Shelve(s)", "Shelve(s)", "Back"}));
}

TEST(FrontDimensions, KeepTheGridsThreeBodyRows)
{
    CabinetModel cabinet = FrameCabinet();
    for (int item = 0; item < kIncludeItems; ++item)
        cabinet.record.setIncludeFlag(item, false);
    Designer d(cabinet);
    const auto rows = FillFrontDimensions(d.model, d.layout, 1);
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0], FrontDimensionRow {});
}

TEST(DesignerWindow, SizeFollowsTheDrawing)
{
    // 40 inches wide is 160 units; 30 inches 120.
    EXPECT_EQ(DesignerWindowWidth(160, 450), 474);
    EXPECT_EQ(DesignerWindowWidth(120, 474), 450);
    EXPECT_EQ(DesignerWindowWidth(120, 420), 420);
    EXPECT_EQ(DesignerWindowHeight(80), 373);
    EXPECT_EQ(DesignerWindowHeight(400), 532);
    EXPECT_EQ(DesignerWindowWidth(std::numeric_limits<int>::max(), 450), std::numeric_limits<int>::max());
}

TEST(DesignerWindow, RefreshShowsSizesAndTheSectionHeight)
{
    Designer d(test::DefaultCabinet());
    d.state.shownSection = 2; // the default cabinet has one section
    const DesignerView view = RefreshDesigner(d.model, d.layout, d.state, 450);
    EXPECT_EQ(view.statusTexts[0], "Height: 34 1/2");
    EXPECT_EQ(view.statusTexts[1], "Width: 24 ");
    EXPECT_EQ(view.statusTexts[2], "Depth: 24 ");
    // 34 1/2 less the rails and the toe kick.
    EXPECT_EQ(view.statusTexts[3], "Section Height: 27 ");
    EXPECT_EQ(view.windowHeight, 373);
    EXPECT_EQ(d.state.shownSection, 1);
    EXPECT_TRUE(view.shapes.find("Door1A")->visible);

    d.model.drawScale = 2;
    const DesignerView zoomed = RefreshDesigner(d.model, d.layout, d.state, 450);
    EXPECT_EQ(zoomed.windowWidth, 292 + 192 + 22);
    EXPECT_EQ(zoomed.windowHeight, 72 + 276 + 60);
}

TEST(FaceDrawingSvg, EachVisibleShapeIsARectNamedAndHinted)
{
    Designer d(FrameCabinet());
    d.draw();
    const std::string svg = FaceDrawingSvg(d.shapes);
    EXPECT_NE(svg.find("<rect id=\"LeftStile\" x=\"292\" y=\"72\" width=\"6\" height=\"104\">"
                       "<title>Left Stile</title></rect>"),
              std::string::npos);
    EXPECT_NE(svg.find("<rect id=\"ToeKickBlank\" x=\"296\" y=\"175\" width=\"152\" height=\"1\" stroke=\"none\">"),
              std::string::npos);
    EXPECT_EQ(svg.find("id=\"CabinetTop\""), std::string::npos);
    EXPECT_LT(svg.find("id=\"Back\""), svg.find("id=\"LeftStile\""));
    // The drawing spans x 292 .. 452 and y 72 .. 192, framed by 2 units.
    EXPECT_NE(svg.find("viewBox=\"290 70 164 124\""), std::string::npos);
}

TEST(FaceDrawingSvg, StaysValidForOddShapes)
{
    ShapeSet shapes;
    shapes.shapes.push_back({"A<B", "x & \"y\"", 10, 20, -5, 4, true, std::nullopt, false});
    const std::string svg = FaceDrawingSvg(shapes);
    EXPECT_NE(svg.find("id=\"A&lt;B\" x=\"10\" y=\"20\" width=\"0\" height=\"4\""), std::string::npos);
    EXPECT_NE(svg.find("<title>x &amp; &quot;y&quot;</title>"), std::string::npos);

    const std::string empty = FaceDrawingSvg(ShapeSet {});
    EXPECT_NE(empty.find("viewBox=\"-2 -2 4 4\""), std::string::npos);
    EXPECT_EQ(empty.find("<rect"), std::string::npos);
}
