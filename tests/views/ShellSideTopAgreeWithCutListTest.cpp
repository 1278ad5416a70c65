// SPDX-License-Identifier: GPL-3.0-or-later
// The tables of the shell, side and top views and the cut list size the
// same boards; every filled row must be a row the shop will cut.
#include "ViewDrawingTestCabinet.h"

#include "core/IncludeParts.h"
#include "cutlist/CutListBuild.h"

#include <map>

using namespace boxmill;
using I = SectionItem;
using O = CabinetOption;

namespace {

// The cut list's part name for each view row; the side cut is a notch, not
// a board.
const std::map<std::string, std::string> kCutListPart = {
    {"Sides", "Side(s)"},
    {"Side", "Side(s)"},
    {"Bottom", "Bottom"},
    {"Toekick", "Toekick"},
    {"Top", "Top"},
    {"Carc Rails", "Carc Rail(s)"},
    {"Dividers", "Divider(s)"},
    {"Partitions", "Partition(s)"},
    {"Shelves", "Shelve(s)"},
    {"Nailers", "Nailer(s)"},
    {"Back", "Back"},
    {"Front", "Front"},
    {"Stile", "Stile(s)"},
    {"L Stile", "Stile(s)"},
    {"R Stile", "Stile(s)"},
    {"Sleepers", "Sleeper(s)"},
    {"Top Rail", "Face Rail(s)"},
    {"Side Cut", ""},
};

struct Case {
    const char* name;
    CabinetModel (*build)();
};

const Case kCases[] = {
    {"Busy", test::BusyCabinet},
    {"BusyMetricDetached",
     [] {
         CabinetModel model = test::BusyCabinet();
         model.units = UnitMode::Metric;
         model.record.setFlag(RecordOffset::DetachedBase, true);
         return model;
     }},
    {"ThreeSectionsPartitionsShelvesNailers",
     [] {
         test::Cabinet c(3);
         c.set(I::Partition, 1, 0, 1).set(I::PartitionShelves, 2, 0, 1).set(I::Shelves, 1, 3, 2);
         c.set(I::DrawerCount, 1, 0, 0).option(O::ExtraPartition).option(O::SetDivider2, false);
         c.include(IncludeItem::Front).option(O::BackInside).d.model.options.nailerCount = 3;
         return c.d.model;
     }},
};

class ViewsAgreeWithCutList : public ::testing::TestWithParam<Case> { };

TEST_P(ViewsAgreeWithCutList, EveryFilledRowIsACutListRow)
{
    test::Designer d(GetParam().build());
    d.draw();
    CabinetModel scratch = d.model;
    const CutList list = BuildCutList(CutListKind::Complete, scratch, d.layout).value;

    std::vector<ConstructionView> views;
    for (int s = 1; s <= d.model.sectionCount; ++s)
        views.push_back(DrawShellView(d.model, d.layout, s, 450));
    views.push_back(DrawSideView(d.model, d.layout));
    views.push_back(DrawTopView(d.model, d.layout, 450, 336));
    int compared = 0;
    for (const ConstructionView& view : views) {
        for (const ViewRow& row : view.rows) {
            ASSERT_TRUE(kCutListPart.contains(row.part)) << row.part;
            const std::string& part = kCutListPart.at(row.part);
            if (row.width.empty() || part.empty())
                continue;
            bool found = false;
            for (const EmittedBatch& batch : list)
                for (const CutListRow& cut : batch.rows)
                    found |= batch.partName == part && cut.width == row.width && cut.length == row.length &&
                             cut.stock == row.stock;
            EXPECT_TRUE(found) << row.part << ": " << row.width << " x " << row.length << " x " << row.stock;
            ++compared;
        }
    }
    EXPECT_GT(compared, 20);
}

INSTANTIATE_TEST_SUITE_P(Cabinets, ViewsAgreeWithCutList, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<Case>& c) { return c.param.name; });

} // namespace
