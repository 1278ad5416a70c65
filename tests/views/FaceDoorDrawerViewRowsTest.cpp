// SPDX-License-Identifier: GPL-3.0-or-later
// The face frame, door and drawer views list finished sizes that the shop
// reads beside the cut list: every row must be a board of the cut list, and
// every board of theirs must show in some state of some view.
#include "FaceDoorDrawerCabinets.h"

#include "core/IncludeParts.h"
#include "cutlist/CutListBuild.h"
#include "views/DoorView.h"
#include "views/DrawerView.h"
#include "views/FaceView.h"

#include <map>
#include <set>
#include <tuple>

using namespace boxmill;
using I = SectionItem;
using O = CabinetOption;

namespace {

// Three sections of everything the Busy cabinet does not do: inset doors
// and faces without door mullions, offset double panels both ways and
// above a partition, butt-jointed fronts, undadoed bottoms, switched-off
// boxes and panels.
CabinetModel InsetThreeSections()
{
    CabinetModel m = test::FrameCabinet(3);
    const auto set = [&](I item, int a, int b, int c) {
        for (int s = 0; s < 3; ++s)
            m.record.setSectionItem(s, item, s == 0 ? a : s == 1 ? b : c);
    };
    set(I::DrawerCount, 2, 1, 0);
    set(I::DoorCount, 2, 1, 2);
    set(I::Partition, 0, 1, 1);
    set(I::PartitionDoors, 0, 2, 1);
    set(I::DoublePanel, 1, 0, 1);
    set(I::Horizontal, 1, 0, 0);
    set(I::LowerPanelsOffset, 1, 0, 1);
    set(I::NegativeOffset, 0, 0, 1);
    set(I::DoublePanelP, 0, 1, 1);
    set(I::UpperPanelsOffset, 0, 1, 0);
    for (const O option : {O::DoorInset, O::FaceInset, O::FrontButtJoint, O::BackRabbit})
        m.options.set(option, true);
    m.options.set(O::DrawerDadoes, false);
    m.record.setFlag(RecordOffset::DrawerEnabled + 1, false);
    m.record.setFlag(RecordOffset::FaceEnabled + 4, false);
    m.record.setFlag(RecordOffset::PanelEnabled + 4, false);
    m.record.setParamText(Param::DrawerDepth, "20");
    // Members that differ from their partners, so that no row can stand in
    // for another.
    m.record.setParamText(Param::DoorRightStile, "2.25");
    m.record.setParamText(Param::DoorBottomRail, "2.5");
    m.record.setParamText(Param::BottomRail, "2");
    m.record.setParamText(Param::RightStile, "1.75");
    m.rebuildParamValues();
    return m;
}

CabinetModel BusyMetric()
{
    CabinetModel m = test::BusyCabinet();
    m.units = UnitMode::Metric;
    return m;
}

// Which batch of the cut list holds the board of each view's row.
using Key = std::tuple<std::string, std::string, std::string, std::string>; // batch, width, length, stock

const std::map<std::string, std::string> kFaceBatches = {{"Top Rail", "Face Rail(s)"}, {"Bot Rail", "Face Rail(s)"},
                                                         {"L Stile", "Stile(s)"},      {"R Stile", "Stile(s)"},
                                                         {"Mullions", "Mullion(s)"},   {"Mid Rail(s)", "Mid Rail(s)"},
                                                         {"Pt Rail(s)", "Pt Rail(s)"}, {"Dr Mullion", "Dr Mullion(s)"}};
const std::map<std::string, std::string> kDoorBatches = {{"Top Rail", "Dr Rails(s)"}, {"Bot Rail", "Dr Rails(s)"},
                                                         {"L Stile", "Dr Stile(s)"},  {"R Stile", "Dr Stile(s)"},
                                                         {"Panel", "Dr Panel(s)"},    {"Mid Rail", "Dr Mid Rail(s)"}};
const std::map<std::string, std::string> kDrawerBatches = {{"Face", "Dw Face(s)"},
                                                           {"Front", "Dw Front(s)"},
                                                           {"Back", "Dw Back(s)"},
                                                           {"Sides", "Dw Side(s)"},
                                                           {"Bottom", "Dw Bottom(s)"}};

struct Cabinet {
    const char* name;
    CabinetModel (*build)();
};

class FaceDoorDrawerViewRows : public ::testing::TestWithParam<Cabinet> { };

TEST_P(FaceDoorDrawerViewRows, AreTheCutListsBoardsAndShowThemAll)
{
    test::Designer d(GetParam().build());
    d.draw();
    CabinetModel built = d.model;
    std::set<std::string> batches;
    for (const auto* batchOf : {&kFaceBatches, &kDoorBatches, &kDrawerBatches})
        for (const auto& [part, batch] : *batchOf)
            batches.insert(batch);
    std::set<Key> cut;
    const CutList list = BuildCutList(CutListKind::Complete, built, d.layout).value;
    for (const EmittedBatch& batch : list) {
        for (const CutListRow& row : batch.rows)
            cut.insert({batch.partName, row.width, row.length, row.stock});
    }

    std::set<Key> shown;
    const auto check = [&](const ConstructionView& view, const std::map<std::string, std::string>& batchOf,
                           const std::string& where) {
        for (const ViewRow& row : view.rows) {
            if (row.part.empty())
                continue;
            const Key key {batchOf.at(row.part), row.width, row.length, row.stock};
            EXPECT_TRUE(cut.count(key)) << where << ": \"" << row.part << "\" " << row.width << " x " << row.length
                                        << " is no board of " << std::get<0>(key);
            shown.insert(key);
        }
        for (const Shape& shape : view.shapes.shapes)
            EXPECT_TRUE(shape.width >= 0 && shape.height >= 0) << where << ": " << shape.name;
    };
    const auto& m = d.model;
    check(FaceFrameView(m, d.layout, {1, FaceListing::Complete}, 485), kFaceBatches, "face, complete");
    for (int s = 1; s <= m.sectionCount; ++s) {
        const std::string in = " of section " + std::to_string(s);
        check(FaceFrameView(m, d.layout, {s, FaceListing::Section}, 485), kFaceBatches, "face" + in);
        check(DoorView(m, d.layout, {s, Opening::Lower, DoorListing::Section}, 485, 384), kDoorBatches, "doors" + in);
        for (const Opening o : {Opening::Lower, Opening::Upper})
            check(DoorView(m, d.layout, {s, o, DoorListing::Selected}, 485, 384), kDoorBatches, "opening" + in);
        check(DrawerView(m, d.layout, {s, 1, DrawerListing::Section}, 510, 360), kDrawerBatches, "drawers" + in);
        for (int drawer = 1; drawer <= kMaxDrawers; ++drawer)
            check(DrawerView(m, d.layout, {s, drawer, DrawerListing::Selected}, 510, 360), kDrawerBatches,
                  "drawer " + std::to_string(drawer) + in);
    }
    std::set<std::string> listed;
    for (const Key& board : cut) {
        if (!batches.count(std::get<0>(board)))
            continue;
        listed.insert(std::get<0>(board));
        EXPECT_TRUE(shown.count(board)) << std::get<0>(board) << " " << std::get<1>(board) << " x "
                                        << std::get<2>(board) << " shows in no view";
    }
    EXPECT_GE(listed.size(), 13U) << "too little of the cabinet is cut to prove anything";
}

INSTANTIATE_TEST_SUITE_P(Cabinets, FaceDoorDrawerViewRows,
                         ::testing::Values(Cabinet {"Busy", test::BusyCabinet}, Cabinet {"BusyMetric", BusyMetric},
                                           Cabinet {"InsetThreeSections", InsetThreeSections}),
                         [](const ::testing::TestParamInfo<Cabinet>& cabinet) { return cabinet.param.name; });

} // namespace
