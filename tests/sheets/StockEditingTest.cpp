// SPDX-License-Identifier: GPL-3.0-or-later
#include "sheets/StockEditing.h"

#include <gtest/gtest.h>

#include <cmath>

namespace boxmill::test {
namespace {

const StockEntry kSheet {StockKind::Sheet, "Birch Plywood", 0.75, 96, 48, true, 620000, 0};
const StockEntry kBoard {StockKind::Board, "Red Oak", std::nullopt, 96, 0, false, 0, 20};

TEST(StockEditing, TypedCellsBecomeTheEntrysValues)
{
    struct Case {
        UnitMode units;
        StockEntry entry;
        StockColumn column;
        const char* text;
        StockEntry expected;
    };
    const auto with = [](StockEntry entry, auto change) {
        change(entry);
        return entry;
    };
    const Case cases[] = {
        {UnitMode::Inches, kSheet, StockColumn::Length, "96 1/2", with(kSheet, [](auto& e) { e.length = 96.5; })},
        {UnitMode::Inches, kSheet, StockColumn::Thickness, "1 1/16",
         with(kSheet, [](auto& e) { e.thickness = 1.0625; })},
        {UnitMode::Inches, kSheet, StockColumn::Thickness, " Any ", with(kSheet, [](auto& e) { e.thickness.reset(); })},
        {UnitMode::Inches, kSheet, StockColumn::Price, "34.5", with(kSheet, [](auto& e) { e.price = 345000; })},
        {UnitMode::Inches, kSheet, StockColumn::Wood, " Oak Plywood ",
         with(kSheet, [](auto& e) { e.wood = "Oak Plywood"; })},
        {UnitMode::Inches, kBoard, StockColumn::Thickness, "3/4", with(kBoard, [](auto& e) { e.thickness = 0.75; })},
        {UnitMode::Inches, kBoard, StockColumn::Width, "7 1/4", with(kBoard, [](auto& e) { e.width = 7.25; })},
        {UnitMode::Inches, with(kBoard, [](auto& e) { e.width = 7.25; }), StockColumn::Width, "", kBoard},
        {UnitMode::Inches, kBoard, StockColumn::Waste, "15.5 %", with(kBoard, [](auto& e) { e.wastePercent = 15.5; })},
        {UnitMode::Metric, kSheet, StockColumn::Length, "2440",
         with(kSheet, [](auto& e) { e.length = 2440 * kInchesPerMillimetre; })},
        {UnitMode::Metric, kBoard, StockColumn::Thickness, "19",
         with(kBoard, [](auto& e) { e.thickness = 19 * kInchesPerMillimetre; })},
    };
    for (const auto& c : cases) {
        const auto edited = EditStockCell(c.entry, c.column, c.text, c.units);
        ASSERT_TRUE(edited.ok()) << c.text << ": " << edited.error();
        EXPECT_EQ(*edited, c.expected) << c.text;
    }
}

TEST(StockEditing, CellsThatCannotBeStockAreRefusedSayingWhy)
{
    struct Case {
        UnitMode units;
        StockEntry entry;
        StockColumn column;
        const char* text;
        const char* because;
    };
    const Case cases[] = {
        {UnitMode::Inches, kSheet, StockColumn::Length, "96.5", "type inches and a fraction in 32nds"},
        {UnitMode::Inches, kSheet, StockColumn::Length, "96 3/6", "cannot be read"},
        {UnitMode::Inches, kSheet, StockColumn::Length, "0", "must be above 0"},
        {UnitMode::Inches, kSheet, StockColumn::Length, "1001", "at most 1000 inches"},
        {UnitMode::Inches, kSheet, StockColumn::Width, "", "The width \"\" cannot be read"},
        {UnitMode::Inches, kSheet, StockColumn::Thickness, "thick", "\"any\" serves every thickness"},
        {UnitMode::Inches, kSheet, StockColumn::Thickness, "101", "at most 100 inches"},
        {UnitMode::Inches, kSheet, StockColumn::Price, "-3", "is not an amount"},
        {UnitMode::Inches, kSheet, StockColumn::Wood, "Oak | Ply", "without \"|\""},
        {UnitMode::Inches, kSheet, StockColumn::Wood, "  ", "needs a name"},
        {UnitMode::Inches, kBoard, StockColumn::Waste, "1200 %", "percentage from 0 to 1000"},
        {UnitMode::Metric, kSheet, StockColumn::Length, "2440.5", "whole millimetres"},
        {UnitMode::Metric, kSheet, StockColumn::Length, "30000", "at most 25400 millimetres"},
    };
    for (const auto& c : cases) {
        const auto edited = EditStockCell(c.entry, c.column, c.text, c.units);
        ASSERT_FALSE(edited.ok()) << c.text;
        EXPECT_NE(edited.error().find(c.because), std::string::npos) << edited.error();
    }
}

// What a cell shows types back to the same entry, so a cell committed
// unchanged changes nothing; cells that do not apply to the kind are blank.
TEST(StockEditing, ShownCellsTypeBackToTheSameEntry)
{
    const StockEntry fractional {StockKind::Board, "Walnut", 1.0625, 96.5, 7.25, false, 0, 30};
    for (const auto& entry : {kSheet, kBoard, fractional}) {
        for (int c = 0; c < kStockColumnCount; ++c) {
            const auto column = static_cast<StockColumn>(c);
            const std::string text = StockCellText(entry, column, UnitMode::Inches);
            if (!StockColumnApplies(entry.kind, column) || column == StockColumn::Grain) {
                EXPECT_EQ(text, "") << c;
                continue;
            }
            const auto typed = EditStockCell(entry, column, text, UnitMode::Inches);
            ASSERT_TRUE(typed.ok()) << text << ": " << typed.error();
            EXPECT_EQ(*typed, entry) << text;
        }
    }
    EXPECT_EQ(StockCellText(kSheet, StockColumn::Thickness, UnitMode::Metric), "19");
    EXPECT_EQ(StockCellText(kSheet, StockColumn::Length, UnitMode::Metric), "2438");
    EXPECT_EQ(StockCellText(kBoard, StockColumn::Thickness, UnitMode::Metric), "any");
}

TEST(StockEditing, ListedWoodsWithoutStockAreNamedAndOfferedFirst)
{
    const std::vector<std::string> inchItems = {"Cherry*0 3/4*9.75", "Hard Maple*0 5/8*7.25", "Hard Maple*1 *9.95",
                                                "Hardboard*0 1/8*0.65", "Broken item"};
    const std::vector<StockEntry> entries = {
        {StockKind::Board, "Hard Maple", 1.0, 96, 0, false, 0, 20},
        {StockKind::Sheet, "Hardboard", std::nullopt, 96, 48, false, 140000, 0},
    };
    const auto woods = ListedWoods(inchItems, UnitMode::Inches);
    EXPECT_EQ(ListedWoodNames(woods), (std::vector<std::string> {"Cherry", "Hard Maple", "Hardboard"}));
    EXPECT_EQ(WoodsWithoutStock(woods, entries), (std::vector<std::string> {"Cherry 3/4", "Hard Maple 5/8"}));
    // Millimetres name the same woods; 19 mm is served by a 3/4 entry.
    const auto metric = ListedWoods({"Cherry*19*9.75", "Hard Maple*16*7.25"}, UnitMode::Metric);
    auto served = entries;
    served.push_back({StockKind::Board, "Cherry", 0.75, 96, 0, false, 0, 25});
    EXPECT_EQ(WoodsWithoutStock(metric, served), (std::vector<std::string> {"Hard Maple 16"}));

    const StockEntry board = NewStockEntry(StockKind::Board, woods, served);
    EXPECT_EQ(board.wood, "Hard Maple");
    EXPECT_NEAR(*board.thickness, 0.625, 1e-9);
    EXPECT_EQ(board.wastePercent, 20.0);
    // With every wood served the name is left to type, and an entry without
    // one is refused rather than written.
    served.push_back(board);
    const StockEntry sheet = NewStockEntry(StockKind::Sheet, woods, served);
    EXPECT_EQ(sheet.wood, "");
    EXPECT_EQ(sheet.width, 48.0);
    EXPECT_FALSE(StockText({sheet}).ok());
}

} // namespace
} // namespace boxmill::test
