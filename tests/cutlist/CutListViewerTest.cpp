// SPDX-License-Identifier: GPL-3.0-or-later
#include "CutListFixture.h"

#include "core/IncludeParts.h"
#include "cutlist/CutListViewer.h"

using namespace boxmill;
using namespace boxmill::test;

TEST(ViewerGrid, AnEmptyListStillShowsTheHeaderAndFiveEmptyRows)
{
    const ViewerGrid grid = ViewerGridOf({});
    EXPECT_EQ(grid.viewerRows(), 1);
    EXPECT_EQ(grid.rowCount(), 6);
    EXPECT_EQ(grid.cell(0, 0), "Quantity");
    EXPECT_EQ(grid.cell(0, 3), "Length");
    EXPECT_EQ(grid.cell(5, 1), "");
    EXPECT_EQ(grid.cell(1, 4), "");
}

TEST_F(CutListTest, ViewerCommandsFillTheGridThenTheWoodCost)
{
    const ViewerGrid complete = told(ShowCutList(CutListKind::Complete, model, layout, cost));
    // Three face frame rows, seven carcass, five drawer and three door rows.
    EXPECT_EQ(complete.viewerRows(), 19);
    EXPECT_EQ(complete.rowCount(), 19);
    // Cells as the grid holds them: a whole-inch length keeps its blank.
    EXPECT_EQ(complete.rows[0], (ViewerRow {"2", "Stile(s)", "1 1/2", "30 "}));
    const Money everything = cost.cost().partsTotal;
    EXPECT_GT(everything, 0);
    EXPECT_FALSE(cost.jobTotalText().empty());

    // A shorter list replaces the grid whole: nothing of the long one stays.
    const ViewerGrid face = told(ShowCutList(CutListKind::FaceFrame, model, layout, cost));
    EXPECT_EQ(face.rowCount(), 6);
    EXPECT_EQ(face.cell(3, 1), "Mid Rail(s)");
    EXPECT_EQ(face.cell(4, 1), "");
    EXPECT_LT(cost.cost().partsTotal, everything);

    include(IncludeItem::FaceFrame, false);
    include(IncludeItem::MidRails, false);
    EXPECT_TRUE(told(ShowCutList(CutListKind::FaceFrame, model, layout, cost)).rows.empty());
    EXPECT_EQ(cost.cost().partsTotal, 0);
    EXPECT_TRUE(prompter.shown.empty());
}
