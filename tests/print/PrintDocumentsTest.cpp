// SPDX-License-Identifier: GPL-3.0-or-later
#include "print/PrintDocuments.h"

#include "views/ViewDrawingTestCabinet.h"

#include "core/Measure.h"
#include "views/FaceView.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace boxmill {
namespace {

// A page no drawing of these cabinets overflows.
std::vector<PrintPage> Compose(const std::function<void(PageComposer&)>& compose, int pageHeight = 1000000)
{
    PageComposer pages(SetUpJob(pageHeight, 10, 20));
    compose(pages);
    return pages.take();
}

std::vector<std::string> Texts(const std::vector<PrintPage>& pages)
{
    std::vector<std::string> texts;
    for (const PrintPage& page : pages)
        for (const PrintText& text : page.texts)
            texts.push_back(text.text);
    return texts;
}

std::string Cell(const std::string& text)
{
    return text + std::string(20 - text.size(), ' ');
}

TEST(PrintDocuments, CellsAreTwentyCharactersAndEmptyOnesShowQuotes)
{
    EXPECT_EQ(Cells({"Width", "", "30 1/2"}), Cell("Width") + Cell("\"\"") + Cell("30 1/2"));
    // A longer text is kept whole and pushes the next cell right.
    EXPECT_EQ(Cells({"Twenty-one characters", "x"}), "Twenty-one characters" + Cell("x"));
}

TEST(PrintDocuments, ConstructionViewsFollowTheOpeningSizesInTheirOrder)
{
    test::Designer d(test::BusyCabinet());
    d.model.options.set(CabinetOption::LeftScribe, true);
    d.model.options.set(CabinetOption::RightScribe, true);
    d.draw();
    const CabinetModel& m = d.model;
    const auto pages = Compose([&](PageComposer& composer) { ComposeConstructionViews(composer, m, d.layout, 1); });
    const auto texts = Texts(pages);
    const auto measured = [&](double inches) { return FormatMeasure(inches, m.units); };

    const ConstructionView face = FaceFrameView(m, d.layout, {1, FaceListing::Section}, 0);
    std::string stile;
    for (const ViewRow& row : face.rows)
        if (row.part == "L Stile")
            stile = row.length;
    ASSERT_FALSE(stile.empty());
    std::vector<std::string> expected = {"", Cells({"Opening Sizes", "Section 1", "Section 2", "Section 3"}), ""};
    for (std::size_t row = 0; row < kLayoutRowTitles.size(); ++row)
        expected.push_back(
            Cells({kLayoutRowTitles[row], d.layout.grid[row][0], d.layout.grid[row][1], d.layout.grid[row][2]}));
    const std::vector<std::string> views = {
        "",
        "Face Frame View:",
        Cells({"Face Height", stile}),
        Cells({"Face Width", measured(m.param(1))}),
        "",
        "Front/Shell View:",
        Cells({"Cabinet Height", measured(m.param(0))}),
        Cells({"Cabinet Width", measured(m.param(1) - 2 * m.param(68))}),
        "",
        "Cabinet Top View:",
        Cells({"Cabinet Width", measured(m.param(1))}),
        Cells({"Cabinet Depth", measured(m.param(2))}),
        "",
        "Cabinet Side View:",
        Cells({"Cabinet Height", measured(m.param(0))}),
        Cells({"Cabinet Depth", measured(m.param(2))}),
        "",
        "Finished Cabinet:",
        Cells({"Cabinet Height", measured(m.param(0))}),
        Cells({"Cabinet Width", measured(m.param(1))}),
        Cells({"Cabinet Depth", measured(m.param(2))}),
    };
    expected.insert(expected.end(), views.begin(), views.end());
    EXPECT_EQ(texts, expected);

    // The opening sizes, then each shop drawing on a page of its own under
    // its heading, with its table of finished sizes and overall lengths.
    ASSERT_EQ(pages.size(), 6U);
    EXPECT_TRUE(pages[0].sheets.empty());
    const struct {
        const char* view;
        const char* heading;
        const char* across;
        const char* down;
    } sheets[] = {
        {"Face Frame Construction", "Face Frame View:", "Width ", "Height "},
        {"Front/Shell Construction View", "Front/Shell View:", "Width ", "Height "},
        {"Top Construction View", "Cabinet Top View:", "Width ", "Depth "},
        {"Side Construction View", "Cabinet Side View:", "Depth ", "Height "},
        {"Cabinet Designer", "Finished Cabinet:", "Width ", "Height "},
    };
    for (std::size_t i = 0; i < std::size(sheets); ++i) {
        const PrintPage& page = pages[i + 1];
        ASSERT_EQ(page.sheets.size(), 1U) << sheets[i].view;
        const PrintSheet& sheet = page.sheets[0];
        EXPECT_EQ(sheet.content.viewName, sheets[i].view);
        EXPECT_EQ(page.texts.at(1).text, sheets[i].heading);
        EXPECT_GT(sheet.y, page.texts.back().y);
        EXPECT_FALSE(sheet.content.rows.empty()) << sheets[i].view;
        EXPECT_TRUE(sheet.content.across.starts_with(sheets[i].across)) << sheet.content.across;
        EXPECT_TRUE(sheet.content.down.starts_with(sheets[i].down)) << sheet.content.down;
    }
    EXPECT_EQ(pages[5].sheets[0].content.down, "Height " + measured(m.param(0)));
    EXPECT_EQ(pages[1].sheets[0].content.rows.size(), face.rows.size());
}

TEST(PrintDocuments, PrintsAtQuarterInchesWhateverTheWindowsZoom)
{
    test::Designer d(test::BusyCabinet());
    d.model.drawScale = 2;
    d.draw();
    const PrintCabinet cabinet = AtPrintScale(d.model, d.layout);
    EXPECT_EQ(d.model.drawScale, 2);
    EXPECT_EQ(cabinet.model.drawScale, 1);
    const auto drawn =
        Compose([&](PageComposer& pages) { ComposeConstructionViews(pages, cabinet.model, cabinet.layout, 1); });
    // The finished cabinet from its top to the floor, a quarter inch a unit.
    EXPECT_EQ(drawn.back().sheets.at(0).content.down, "Height " + FormatMeasure(d.model.param(0), d.model.units));
}

TEST(PrintDocuments, DoorAndDrawerPagesFindTheFirstSectionWithThem)
{
    test::Cabinet c(3);
    c.set(SectionItem::DoorCount, 0, 0, 2).set(SectionItem::DrawerCount, 0, 3, 0).draw();
    EXPECT_EQ(FirstDoorOpening(c.d.model).section, 3);
    EXPECT_EQ(FirstDoorOpening(c.d.model).opening, Opening::Lower);
    EXPECT_EQ(FirstDrawer(c.d.model).section, 2);
    c.set(SectionItem::Partition, 1, 0, 0).set(SectionItem::PartitionDoors, 1, 0, 0).draw();
    EXPECT_EQ(FirstDoorOpening(c.d.model).section, 1);
    EXPECT_EQ(FirstDoorOpening(c.d.model).opening, Opening::Upper);

    c.option(CabinetOption::FrontDoveTail).option(CabinetOption::BackButtJoint).draw();
    const auto texts = Texts(Compose([&](PageComposer& pages) {
        ComposeDoorView(pages, c.d.model, c.d.layout, FirstDoorOpening(c.d.model));
        ComposeDrawerView(pages, c.d.model, c.d.layout, FirstDrawer(c.d.model));
    }));
    EXPECT_EQ(texts, (std::vector<std::string> {"", "Door Panel View:", "", "Drawer View:", "Dovetail Front(s)",
                                                "Butt Joint Back(s)"}));
}

} // namespace
} // namespace boxmill
