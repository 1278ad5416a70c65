// SPDX-License-Identifier: GPL-3.0-or-later
// One whole cabinet worked through by hand: every calculator, its texts in
// inches and in millimetres, and the wood area it counts.
#include "CalculatorFixture.h"

#include <vector>

using namespace boxmill;
using namespace boxmill::calctest;

namespace {

// 34 1/2 high, 48 wide, 24 deep on a 4-inch toekick; face frame, rabbeted
// top, left scribe 1/4, other options as a fresh options window has them
// (dividers set and centred; dadoes for bottom, shelves, partitions,
// dividers and drawer bottoms; butt-jointed drawers; rabbeted nailers). No
// door mullions. Stock 3/4; back 1/4, drawer sides 1/2, drawer bottoms 1/4.
//
// Section A: three drawers, the last two banked; its mullion is moved to
// make A 24 wide.
// Section B: a partition moved up to leave a 10-inch upper opening with a
// shelf and one door of two panels side by side; below it a 5-inch drawer,
// shelves and two doors of two panels one above the other, offset by 1.
class CalcWorkedCabinet : public CalculatorFixture {
protected:
    CalcWorkedCabinet()
    {
        params({{0, "34.5"},  {1, "48"},     {2, "24"},     {3, "4"},      {4, "3"},      {5, "1.5"},    {6, "1.5"},
                {7, "1.5"},   {8, "1.75"},   {12, "1.5"},   {13, "2"},     {14, "6"},     {18, "5"},     {26, "0.75"},
                {27, "21"},   {28, "0.25"},  {29, "0.5"},   {30, "0.375"}, {31, "0.125"}, {33, "10"},    {35, "1.5"},
                {36, "0.25"}, {37, "4"},     {38, "2.25"},  {39, "2.25"},  {40, "2.25"},  {41, "2.5"},   {42, "0.375"},
                {43, "1.5"},  {44, "2"},     {45, "0.375"}, {46, "1"},     {48, "4"},     {50, "0.5"},   {51, "0.5"},
                {52, "0.25"}, {58, "0.375"}, {60, "0.375"}, {61, "0.25"},  {62, "0.375"}, {64, "0.125"}, {65, "0.125"},
                {68, "0.25"}, {69, "0.25"},  {70, "24"}});
        stock(PartRow::Back, "0.25");
        stock(PartRow::DrawerSide, "0.5");
        stock(PartRow::DrawerBottom, "0.25");
        for (int row = 0; row < kPartRows; ++row)
            model.record.setPartWood(row, WoodOf(row));
        model.rebuildPartArrays();
        include({inc::Top, inc::Bottom, inc::LeftSide, inc::RightSide, inc::Back, inc::Nailers, inc::Toekick,
                 inc::FaceFrame, inc::Mullions, inc::MidRails, inc::Shelves, inc::Partitions, inc::PartitionRails,
                 inc::DrawerBoxes, inc::DrawerFaces, inc::DoorFrames, inc::DoorPanels});
        option(CabinetOption::LeftScribe);
        sections(2);
        item(0, SectionItem::DrawerCount, 3);
        item(0, SectionItem::DrawerBanks, 2);
        item(0, SectionItem::MullionOffset, 1);
        const std::pair<SectionItem, int> sectionB[] = {
            {SectionItem::Partition, 1},      {SectionItem::PartitionAbove, 1},    {SectionItem::PartitionShelves, 1},
            {SectionItem::PartitionDoors, 1}, {SectionItem::DrawerCount, 1},       {SectionItem::DoorCount, 2},
            {SectionItem::Shelves, 2},        {SectionItem::LowerPanelsOffset, 1}, {SectionItem::DoublePanel, 1},
            {SectionItem::Horizontal, 1},     {SectionItem::DoublePanelP, 1}};
        for (const auto& [which, value] : sectionB)
            item(1, which, value);

        // The layout, by hand. Between the stiles 48 - 1.5 - 1.5 = 45;
        // (45 - 2) / 2 = 21.5 a section; A's offset to 24 shifts A by +2.5
        // and B by -2.5.
        layout.MullionShift = {2.5, -2.5, 0.0};
        layout.SectionFaceWidth = {24.0, 19.0, 0.0};
        // Behind the frame 21.5 + (2 - 0.75) / 2 + (1.5 - 0.75) = 22.875,
        // shifted.
        layout.SectionCarcassWidth = {25.375, 20.375, 0.0};
        // Opening 34.5 - 1.5 - 1.75 - 4 = 27.25; centred partition
        // (27.25 - 1.5) / 2 = 12.875, moved up 2.875 to leave 10 above and
        // 15.75 below, less B's drawer and its mid rail (5 + 1.5): 9.25.
        // A's banked drawers leave it no lower opening.
        layout.OpeningHeight = 27.25;
        layout.UpperHeight = {12.875, 10.0, 0.0};
        layout.LowerHeight = {0.0, 9.25, 0.0};
        // A's bank: 27.25 - (6 + 1.5) - 1.5 between the banked two, halved.
        layout.DrawerHeight[0] = {6.0, 9.125, 9.125, 9.125};
        layout.DrawerHeight[1] = {5.0, 0.0, 0.0, 0.0};
        // B's lower shelves: (9.25 - 2 x 0.75) / 3 = 2.5833.
        layout.cell(LayoutRow::Shelves, 1) = "2 19/32";
    }

    static const char* WoodOf(int row)
    {
        if ((row >= PartRow::LeftStile && row <= PartRow::MidRail) || row == PartRow::PartitionRail ||
            row == PartRow::DoorMullion)
            return "Oak";
        if (row >= PartRow::DrawerFront && row <= PartRow::DrawerBottom)
            return "Maple";
        if (row >= PartRow::DrawerFace && row <= PartRow::DoorMidRail)
            return "Cherry";
        return "Birch Ply";
    }

    void checkEveryBoard(bool metric);
};

struct Board {
    const char* name;
    PartSize (*size)(const CalcContext&);
    int row;
    double length, width;
    const char *lengthInches, *widthInches;
    const char *lengthMm, *widthMm; // inches x 25.4000508, a half rounding down
};

// clang-format off
const std::vector<Board> kBoards = {
    // 48 - 1.5 + 2 x 3/8 rabbets - 1/4 scribe; 24 - 3/4 top rail - 1/4 back
    {"top", [](auto& c) { return CalcTop(c); }, PartRow::Top, 47, 23, "47 ", "23 ", "1194", "584"},
    // dadoes (rail 1.75 >= 0.5 + 0.75): 46.5 + 2 x 1/4 - 1/4
    {"bottom", [](auto& c) { return CalcBottom(c); }, PartRow::Bottom, 46.75, 23, "46 3/4", "23 ", "1187", "584"},
    // full height behind the sides; 48 - 1/4
    {"back", [](auto& c) { return CalcBack(c); }, PartRow::Back, 34.5, 47.75, "34 1/2", "47 3/4", "876", "1213"},
    {"left side", [](auto& c) { return CalcSide(c, Side::Left); }, PartRow::LeftSide, 34.5, 23, "34 1/2", "23 ", "876", "584"},
    {"right side", [](auto& c) { return CalcSide(c, Side::Right); }, PartRow::RightSide, 34.5, 23, "34 1/2", "23 ", "876", "584"},
    // 48 - 1/4 at the rabbeted left end; 4 + (1.75 - 0.75 - 0.5) (1 x 25.4 = 114.3)
    {"toekick", [](auto& c) { return CalcToekick(c); }, PartRow::Toekick, 47.75, 4.5, "47 3/4", "4 1/2", "1213", "114"},
    // B's own 20 3/8 (divider 1 is set) + 2 x 1/4 dadoes
    {"B shelf", [](auto& c) { return *CalcShelf(c, 1, ShelfKind::Shelf); }, PartRow::Shelf, 20.875, 23, "20 7/8", "23 ", "530", "584"},
    {"B upper shelf", [](auto& c) { return *CalcShelf(c, 1, ShelfKind::UpperShelf); }, PartRow::Shelf, 20.875, 23, "20 7/8", "23 ", "530", "584"},
    {"B partition", [](auto& c) { return *CalcShelf(c, 1, ShelfKind::Partition); }, PartRow::Partition, 20.875, 23, "20 7/8", "23 ", "530", "584"},
    // 34.5 - (4 + (1.75 - 0.5) + 3/4 top - 2 x 1/4 dadoes)
    {"divider", [](auto& c) { return CalcDivider(c); }, PartRow::Partition, 29, 23, "29 ", "23 ", "737", "584"},
    // 46.5 + 2 x 3/8 - 1/4
    {"nailer", [](auto& c) { return CalcNailer(c); }, PartRow::Nailer, 47, 4, "47 ", "4 ", "1194", "102"},
    // 34.5 - 4
    {"right stile", [](auto& c) { return CalcRightStile(c); }, PartRow::RightStile, 30.5, 1.5, "30 1/2", "1 1/2", "775", "38"},
    {"left stile", [](auto& c) { return CalcLeftStile(c); }, PartRow::LeftStile, 30.5, 1.5, "30 1/2", "1 1/2", "775", "38"},
    {"top rail", [](auto& c) { return CalcTopRail(c); }, PartRow::TopRail, 45, 1.5, "45 ", "1 1/2", "1143", "38"},
    {"bottom rail", [](auto& c) { return CalcBottomRail(c); }, PartRow::BottomRail, 45, 1.75, "45 ", "1 3/4", "1143", "44"},
    // 30.5 - 1.5 - 1.75
    {"mullion", [](auto& c) { return CalcMullion(c); }, PartRow::Mullion, 27.25, 2, "27 1/4", "2 ", "692", "51"},
    {"A mid rail", [](auto& c) { return CalcMidRail(c, 0, FaceRail::MidRail); }, PartRow::MidRail, 24, 1.5, "24 ", "1 1/2", "610", "38"},
    {"B mid rail", [](auto& c) { return CalcMidRail(c, 1, FaceRail::MidRail); }, PartRow::MidRail, 19, 1.5, "19 ", "1 1/2", "483", "38"},
    {"B pt rail", [](auto& c) { return CalcMidRail(c, 1, FaceRail::PartitionRail); }, PartRow::PartitionRail, 19, 1.5, "19 ", "1 1/2", "483", "38"},
    // opening + 2 x 3/8 both ways
    {"A face 1", [](auto& c) { return CalcDrawerFace(c, 0, 0); }, PartRow::DrawerFace, 24.75, 6.75, "24 3/4", "6 3/4", "629", "171"},
    {"A face 3", [](auto& c) { return CalcDrawerFace(c, 0, 2); }, PartRow::DrawerFace, 24.75, 9.875, "24 3/4", "9 7/8", "629", "251"},
    {"B face", [](auto& c) { return CalcDrawerFace(c, 1, 0); }, PartRow::DrawerFace, 19.75, 5.75, "19 3/4", "5 3/4", "502", "146"},
    // 24 - 2 x 1/2 clearance - 2 x 1/2 sides; 6 - 3/4 clearance - 1/4 bottom - 1/4 its dado
    {"A front 1", [](auto& c) { return CalcDrawerFrontBack(c, 0, 0, DrawerEnd::Front); }, PartRow::DrawerFront, 22, 4.75, "22 ", "4 3/4", "559", "121"},
    {"A back 1", [](auto& c) { return CalcDrawerFrontBack(c, 0, 0, DrawerEnd::Back); }, PartRow::DrawerBack, 22, 4.75, "22 ", "4 3/4", "559", "121"},
    {"A front 2", [](auto& c) { return CalcDrawerFrontBack(c, 0, 1, DrawerEnd::Front); }, PartRow::DrawerFront, 22, 7.875, "22 ", "7 7/8", "559", "200"},
    // 21 deep; 6 - 3/4, 9.125 - 3/4
    {"A side 1", [](auto& c) { return CalcDrawerSide(c, 0, 0); }, PartRow::DrawerSide, 21, 5.25, "21 ", "5 1/4", "533", "133"},
    {"A side 2", [](auto& c) { return CalcDrawerSide(c, 0, 1); }, PartRow::DrawerSide, 21, 8.375, "21 ", "8 3/8", "533", "213"},
    // 24 - 1 - 1 + 2 x 1/4 into the sides
    {"A bottom", [](auto& c) { return CalcDrawerBottom(c, 0); }, PartRow::DrawerBottom, 21, 22.5, "21 ", "22 1/2", "533", "572"},
    {"B front", [](auto& c) { return CalcDrawerFrontBack(c, 1, 0, DrawerEnd::Front); }, PartRow::DrawerFront, 17, 3.75, "17 ", "3 3/4", "432", "95"},
    {"B side", [](auto& c) { return CalcDrawerSide(c, 1, 0); }, PartRow::DrawerSide, 21, 4.25, "21 ", "4 1/4", "533", "108"},
    // 19 - 2 + 1/2 (444.5009 mm: just over a half)
    {"B bottom", [](auto& c) { return CalcDrawerBottom(c, 1); }, PartRow::DrawerBottom, 21, 17.5, "21 ", "17 1/2", "533", "445"},
    // B lower doors across a 1/8 gap, no door mullion: (19 - 1/8 - 2 x 3/8) / 2 + 3/4 = 9 13/16
    // wide, 9.25 + 3/4 = 10 high. Frame opening 10 - 2.25 - 2.5 + 3/4 - 1/8 = 5 7/8 by
    // 9 13/16 - 4.5 + 3/4 - 1/8 = 5 15/16; two panels one above the other:
    // (5 7/8 - 2) / 2 + 3/8 - 1/16 = 2 1/4, +1 and -1.
    {"B lower panel 1", [](auto& c) { return CalcDoorPanel(c, 1, Opening::Lower, PanelOrder::First); }, PartRow::DoorPanel, 3.25, 5.9375, "3 1/4", "5 15/16", "83", "151"},
    {"B lower panel 2", [](auto& c) { return CalcDoorPanel(c, 1, Opening::Lower, PanelOrder::Second); }, PartRow::DoorPanel, 1.25, 5.9375, "1 1/4", "5 15/16", "32", "151"},
    {"B lower left stile", [](auto& c) { return CalcDoorStile(c, 1, Opening::Lower, Side::Left); }, PartRow::DoorLeftStile, 10, 2.25, "10 ", "2 1/4", "254", "57"},
    {"B lower right stile", [](auto& c) { return CalcDoorStile(c, 1, Opening::Lower, Side::Right); }, PartRow::DoorRightStile, 10, 2.25, "10 ", "2 1/4", "254", "57"},
    // 9 13/16 - 4.5 + 3/4 (2.5 -> 63.5001 mm)
    {"B lower top rail", [](auto& c) { return CalcDoorRail(c, 1, Opening::Lower, RailEnd::Top); }, PartRow::DoorTopRail, 6.0625, 2.25, "6 1/16", "2 1/4", "154", "57"},
    {"B lower bottom rail", [](auto& c) { return CalcDoorRail(c, 1, Opening::Lower, RailEnd::Bottom); }, PartRow::DoorBottomRail, 6.0625, 2.5, "6 1/16", "2 1/2", "154", "64"},
    {"B lower mid rail", [](auto& c) { return *CalcDoorMidRail(c, 1, Opening::Lower); }, PartRow::DoorMidRail, 6.0625, 2, "6 1/16", "2 ", "154", "51"},
    // B upper door: 19 + 3/4 by 10 + 3/4. Frame opening 10.75 - 4.75 + 3/4 - 1/8 = 6 5/8 by
    // 19.75 - 4.5 + 3/4 - 1/8 = 15 7/8; side by side (15 7/8 - 2) / 2 + 3/8 - 1/16 = 7 1/4.
    {"B upper panel", [](auto& c) { return CalcDoorPanel(c, 1, Opening::Upper, PanelOrder::Second); }, PartRow::DoorPanel, 6.625, 7.25, "6 5/8", "7 1/4", "168", "184"},
    {"B upper stile", [](auto& c) { return CalcDoorStile(c, 1, Opening::Upper, Side::Left); }, PartRow::DoorLeftStile, 10.75, 2.25, "10 3/4", "2 1/4", "273", "57"},
    {"B upper top rail", [](auto& c) { return CalcDoorRail(c, 1, Opening::Upper, RailEnd::Top); }, PartRow::DoorTopRail, 16, 2.25, "16 ", "2 1/4", "406", "57"},
    {"B upper bottom rail", [](auto& c) { return CalcDoorRail(c, 1, Opening::Upper, RailEnd::Bottom); }, PartRow::DoorBottomRail, 16, 2.5, "16 ", "2 1/2", "406", "64"},
    // upright, between the rails: 10.75 - 4.75 + 3/4
    {"B upper mid rail", [](auto& c) { return *CalcDoorMidRail(c, 1, Opening::Upper); }, PartRow::DoorMidRail, 6.75, 2, "6 3/4", "2 ", "171", "51"},
    // Not built in this cabinet, sized all the same:
    {"B door mullion", [](auto& c) { return CalcDoorMullion(c, 1, Opening::Lower); }, PartRow::DoorMullion, 9.25, 1.5, "9 1/4", "1 1/2", "235", "38"},
    // 34.5 - 3/4 top - 3/4 bottom - 4 - 1/2 dropped rail; 46.5 - 1/4
    {"front", [](auto& c) { return CalcFront(c); }, PartRow::Front, 28.5, 46.25, "28 1/2", "46 1/4", "724", "1175"},
    // 24 - 3 - 3/4 + 1/2 rabbet - 1/4 back
    {"sleeper", [](auto& c) { return CalcSleeper(c, Side::Right); }, PartRow::Toekick, 20.5, 4.5, "20 1/2", "4 1/2", "521", "114"},
    {"carcass rail", [](auto& c) { return CalcCarcassRail(c); }, PartRow::CarcassRail, 47, 4, "47 ", "4 ", "1194", "102"},
    {"blind panel", [](auto& c) { return CalcBlindPanel(c); }, PartRow::BlindPanel, 30.5, 0, "30 1/2", "", "775", "0"},
};
// clang-format on

void CalcWorkedCabinet::checkEveryBoard(bool metric)
{
    model.units = metric ? UnitMode::Metric : UnitMode::Inches;
    // Square feet in both units.
    const auto area = [](double squareInches) { return squareInches / 144.0; };
    PartAreas expected {};
    for (const Board& board : kBoards) {
        SCOPED_TRACE(board.name);
        const PartSize part = board.size(context());
        EXPECT_EQ(part.partRow, board.row);
        EXPECT_DOUBLE_EQ(part.length, board.length);
        EXPECT_DOUBLE_EQ(part.width, board.width);
        EXPECT_EQ(part.lengthText, metric ? board.lengthMm : board.lengthInches);
        EXPECT_EQ(part.widthText, metric ? board.widthMm : board.widthInches);
        const bool quarter = board.row == PartRow::Back || board.row == PartRow::DrawerBottom;
        const bool half = board.row == PartRow::DrawerSide;
        EXPECT_EQ(part.stockText, metric ? (quarter ? "6"
                                            : half  ? "13"
                                                    : "19")
                                         : (quarter ? "1/4"
                                            : half  ? "1/2"
                                                    : "3/4"));
        EXPECT_EQ(part.material, WoodOf(board.row));
        EXPECT_DOUBLE_EQ(part.area, area(board.length * board.width));
        expected[static_cast<std::size_t>(board.row)] += area(board.length * board.width);
    }
    for (int row = 0; row < kPartSlots; ++row)
        EXPECT_NEAR(areas[static_cast<std::size_t>(row)], expected[static_cast<std::size_t>(row)], 1e-9) << row;
}

TEST_F(CalcWorkedCabinet, EveryBoardInInches)
{
    checkEveryBoard(false);
}

TEST_F(CalcWorkedCabinet, EveryBoardInMetric)
{
    checkEveryBoard(true);
}

} // namespace
