// SPDX-License-Identifier: GPL-3.0-or-later
// The face drawing and the cut list size doors, drawer faces and frame
// members each on their own; a change to one that misses the other shows a
// part the shop will not cut. Every visible one is held to its board.
#include "DesignerTestCabinet.h"

#include "core/CabinetFile.h"
#include "core/IncludeParts.h"
#include "geometry/PartCalculators.h"

#include <cmath>
#include <optional>
#include <regex>

using namespace boxmill;
using I = SectionItem;
using O = CabinetOption;

namespace {

// A part as its shape's name places it.
struct At {
    const CalcContext& c;
    int s = 0;
    Opening o = Opening::Lower;
    int n = 0;
};
using Maybe = std::optional<PartSize>;

// The whole door: as tall as its stiles, as wide as they and the rail
// between them less its tenons.
PartSize WholeDoor(const At& a)
{
    const auto P = [&](int param) { return a.c.model.param(param); };
    PartSize door = CalcDoorStile(a.c, a.s, a.o, Side::Left);
    door.width = CalcDoorRail(a.c, a.s, a.o, RailEnd::Top).length + P(Param::DoorLeftStile) + P(Param::DoorRightStile) -
                 2 * P(Param::DoorMortise);
    return door;
}

// Which way the board's length runs on the face; a door mid rail runs
// across the door or up it as the panel style says.
enum class Lie { Across, Up, ByPanelStyle };

// One row per kind of part: drawn = board + the drawing's own offset in
// units (the same at every zoom) - the tenons, one door mortise deep each,
// that the drawing hides in the members they enter.
struct PartKind {
    const char* stem;
    Lie lie;
    Maybe (*board)(const At&);
    int lengthUnits = 0, widthUnits = 0, tenons = 0;
};

const PartKind kParts[] = {
    {"LeftStile", Lie::Up, [](const At& a) -> Maybe { return CalcLeftStile(a.c); }},
    {"RightStile", Lie::Up, [](const At& a) -> Maybe { return CalcRightStile(a.c); }},
    // Face rails overlap each stile by a unit so that no seam shows.
    {"TopRail", Lie::Across, [](const At& a) -> Maybe { return CalcTopRail(a.c); }, 2},
    {"BottomRail", Lie::Across, [](const At& a) -> Maybe { return CalcBottomRail(a.c); }, 2},
    // Mullions overlap the top and bottom rails by a unit each.
    {"Mullion", Lie::Up, [](const At& a) -> Maybe { return CalcMullion(a.c); }, 2},
    // Mid and partition rails overlap the stile or mullion on each side.
    {"MidRail", Lie::Across, [](const At& a) -> Maybe { return CalcMidRail(a.c, a.s, FaceRail::MidRail); }, 2},
    {"PartitionRail", Lie::Across, [](const At& a) -> Maybe { return CalcMidRail(a.c, a.s, FaceRail::PartitionRail); },
     2},
    // Door mullions overlap the rail above and below.
    {"DoorMullion", Lie::Up, [](const At& a) -> Maybe { return CalcDoorMullion(a.c, a.s, a.o); }, 2},
    {"DrawerFace", Lie::Across,
     [](const At& a) -> Maybe { return a.c.model.options[O::FaceInset] ? Maybe() : CalcDrawerFace(a.c, a.s, a.n); }},
    // An inset face is drawn a unit taller, closing up the gap over the
    // rail under it.
    {"DrawerFace", Lie::Across,
     [](const At& a) -> Maybe { return a.c.model.options[O::FaceInset] ? CalcDrawerFace(a.c, a.s, a.n) : Maybe(); }, 0,
     1},
    {"Door", Lie::Up, [](const At& a) -> Maybe { return WholeDoor(a); }},
    {"DoorLeftStile", Lie::Up, [](const At& a) -> Maybe { return CalcDoorStile(a.c, a.s, a.o, Side::Left); }},
    {"DoorRightStile", Lie::Up, [](const At& a) -> Maybe { return CalcDoorStile(a.c, a.s, a.o, Side::Right); }},
    // Door rails and mid rails overlap the members their tenons enter by a
    // unit at each end.
    {"DoorTopRail", Lie::Across, [](const At& a) -> Maybe { return CalcDoorRail(a.c, a.s, a.o, RailEnd::Top); }, 2, 0,
     2},
    {"DoorBottomRail", Lie::Across, [](const At& a) -> Maybe { return CalcDoorRail(a.c, a.s, a.o, RailEnd::Bottom); },
     2, 0, 2},
    {"DoorRail", Lie::ByPanelStyle, [](const At& a) { return CalcDoorMidRail(a.c, a.s, a.o); }, 2, 0, 2},
};

CabinetModel Busy()
{
    const std::filesystem::path data = BOXMILL_DATA_DIR;
    const auto lines = [&](const char* name) { return ReadTextLines(data / name).value(); };
    CabinetModel model;
    test::ScriptedPrompter quiet;
    model.adoptRecord(ReadCabinetFile(std::filesystem::path(BOXMILL_TEST_DATA_DIR) / "Busy.cab").value(),
                      Vocabulary(lines("Dims.dat"), lines("IncParts.dat"), lines("CabParts.dat")), quiet);
    return model;
}

// The quarter-inch test cabinet, with quarter-inch tenons, changed item by
// item; section items are given for the sections in turn.
struct Frame {
    CabinetModel model;
    explicit Frame(int sections)
        : model(test::FrameCabinet(sections))
    {
        param(Param::DoorMortise, "0.25");
    }
    Frame& set(I item, int a, int b = 0, int c = 0)
    {
        for (int s = 0; s < model.sectionCount; ++s)
            model.record.setSectionItem(s, item, s == 0 ? a : s == 1 ? b : c);
        return *this;
    }
    Frame& param(int index, const char* text)
    {
        model.record.setParamText(index, text);
        model.rebuildParamValues();
        return *this;
    }
    Frame& on(O option)
    {
        model.options.set(option, true);
        return *this;
    }
    Frame& with(int include)
    {
        model.record.setIncludeFlag(include, true);
        return *this;
    }
};

struct Cabinet {
    const char* name;
    CabinetModel (*build)();
    int drawScale = 1;
};

const Cabinet kCabinets[] = {
    {"Busy", Busy},
    {"TwoSectionsInsetBlindCorner",
     [] {
         Frame f(2);
         f.set(I::DrawerCount, 2, 1).set(I::DoorCount, 1, 2).set(I::DoublePanel, 0, 1).with(IncludeItem::DoorMullions);
         f.on(O::DoorInset).on(O::FaceInset).model.record.setFlag(RecordOffset::BlindCorner, true);
         return f.model;
     }},
    {"ThreeSectionsPartitionsOverlayTop",
     [] {
         Frame f(3);
         f.set(I::Partition, 1, 1).set(I::PartitionDoors, 2, 1).set(I::DoublePanel, 1).set(I::DoublePanelP, 0, 1);
         f.set(I::HorizontalP, 0, 1).set(I::DrawerCount, 1, 1, 3).set(I::DrawerBanks, 0, 0, 2).set(I::DoorCount, 2, 1);
         return f.on(O::TopButtJoint).with(IncludeItem::Top).with(IncludeItem::DoorMullions).model;
     }},
    {"OverlayPairWithoutDoorMullion", [] { return Frame(1).set(I::DoorCount, 2).set(I::DrawerCount, 1).model; }},
    {"InsetPairsWithoutDoorMullion",
     [] {
         Frame f(2);
         f.set(I::DoorCount, 2, 2).set(I::Partition, 0, 1).set(I::PartitionDoors, 0, 2);
         return f.on(O::DoorInset).model;
     }},
    {"BusyZoomed", Busy, 2},
    {"ThreeSectionsThreeInchMullions",
     [] { return Frame(3).set(I::DrawerCount, 1, 1, 1).param(Param::Mullion, "3").model; }},
    {"InsetPairHalfInchInsetGap",
     [] {
         Frame f(1);
         f.set(I::DoorCount, 2).set(I::DoublePanel, 1).set(I::Horizontal, 1);
         return f.on(O::DoorInset).param(Param::DoorInsetGap, "0.5").model;
     }},
    // The door has no room under the drawers and is neither drawn nor cut;
    // the one above the partition is both.
    {"DrawersOverfillOpeningUnderPartition",
     [] {
         Frame f(1);
         return f.set(I::Partition, 1).set(I::PartitionDoors, 1).set(I::DrawerCount, 2).set(I::DoorCount, 1).model;
     }},
};

class DrawingAgreesWithCutList : public ::testing::TestWithParam<Cabinet> { };

TEST_P(DrawingAgreesWithCutList, EveryVisibleDoorDrawerFaceAndFrameMember)
{
    const Cabinet& cabinet = GetParam();
    test::Designer d(cabinet.build());
    d.model.drawScale = cabinet.drawScale;
    d.draw();
    PartAreas scratch {};
    const CalcContext c {d.model, d.layout, scratch};
    const double perInch = 4.0 * d.model.drawScale;
    // The drawing works in whole quarter inches and zoom only magnifies
    // them, so a quarter inch is what it can be held to.
    const int tolerance = d.model.drawScale;
    // "DoorTopRail2BP": the stem, the door, section B, above the partition.
    const std::regex naming("(\\D+?)(\\d?)([ABC]?)(P?)");
    int compared = 0;
    for (const Shape& shape : d.shapes.shapes) {
        std::smatch m;
        if (!shape.visible || !std::regex_match(shape.name, m, naming))
            continue;
        const At a {c, m[3].length() ? m[3].str()[0] - 'A' : 0, m[4].length() ? Opening::Upper : Opening::Lower,
                    m[2].length() ? std::stoi(m[2].str()) - 1 : 0};
        for (const PartKind& kind : kParts) {
            const Maybe board = m[1] == kind.stem ? kind.board(a) : std::nullopt;
            if (!board)
                continue;
            ++compared;
            const double tenons = kind.tenons * c.model.param(Param::DoorMortise);
            const double length = (board->length - tenons) * perInch + kind.lengthUnits;
            const double width = board->width * perInch + kind.widthUnits;
            const auto horizontal = a.o == Opening::Lower ? I::Horizontal : I::HorizontalP;
            const bool up = kind.lie == Lie::Up || (kind.lie == Lie::ByPanelStyle && !d.item(a.s, horizontal));
            const double across = up ? width : length, high = up ? length : width;
            if (std::abs(shape.width - across) <= tolerance && std::abs(shape.height - high) <= tolerance)
                continue;
            ADD_FAILURE() << cabinet.name << ": " << shape.name << " drawn " << shape.width << " x " << shape.height
                          << " units, cut " << (up ? board->width : board->length) << " x "
                          << (up ? board->length : board->width) << " in, so " << across << " x " << high << " units";
        }
    }
    EXPECT_GT(compared, 10);
}

INSTANTIATE_TEST_SUITE_P(Cabinets, DrawingAgreesWithCutList, ::testing::ValuesIn(kCabinets),
                         [](const ::testing::TestParamInfo<Cabinet>& cabinet) { return cabinet.param.name; });

} // namespace
