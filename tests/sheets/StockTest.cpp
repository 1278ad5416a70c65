// SPDX-License-Identifier: GPL-3.0-or-later
#include "RecordFixtures.h"
#include "TempFolder.h"
#include "WindowsEditorText.h"

#include "core/FileIo.h"
#include "sheets/Stock.h"

#include <gtest/gtest.h>

namespace boxmill::test {
namespace {

TEST(StockFile, BadLinesAreExplainedByFileAndLineAndLeftOut)
{
    const std::vector<std::pair<std::string, std::string>> bad = {
        {"plank Oak | any | 96 | 10", "Stock.txt, line 2: an entry starts with \"sheet\" or \"board\""},
        {"sheet Oak | any | 96 x | grain | 50", "Stock.txt, line 2: the size is not LENGTH x WIDTH"},
        {"sheet Oak | any | 96 x 48 | grain", "Stock.txt, line 2: a sheet is WOOD"},
        {"sheet Oak | 0 | 96 x 48 | grain | 50", "Stock.txt, line 2: the thickness"},
        {"sheet Oak | any | 96 x 48 | sideways | 50", "Stock.txt, line 2: the grain"},
        {"sheet Oak | any | 96 x 48 | grain | lots", "Stock.txt, line 2: the price"},
        {"sheet  | any | 96 x 48 | grain | 50", "Stock.txt, line 2: the wood has no name"},
        {"board Oak | 1 | 1e9 | 10", "Stock.txt, line 2: the board length"},
        {"board Oak | 1 | 96 | -5 %", "Stock.txt, line 2: the waste allowance"},
        {"board Oak | 1 | 96 x 0 | 10 %", "Stock.txt, line 2: the board length"},
        {"sheet Walnut | 0.75 | 96 x 48 | grain | 50",
         "Stock.txt, line 2: Walnut at 0.75 already has its stock on line 1."},
        // The limits are named: a number beyond them is a typing mistake.
        {"sheet Oak | any | 1200 x 48 | grain | 50",
         "Stock.txt, line 2: the size is not LENGTH x WIDTH in inches, each above 0 and at most 1000, not"},
        {"board Oak | any | 96 x 1001 | 10 %",
         "Stock.txt, line 2: the board length is not LENGTH or LENGTH x WIDTH in inches, each above 0 and at most "
         "1000, not"},
        {"sheet Oak | 150 | 96 x 48 | grain | 50",
         "Stock.txt, line 2: the thickness is not \"any\" or a number of inches above 0 and at most 100, not"},
        {"board Oak | 1 | 96 | 1500 %",
         "Stock.txt, line 2: the waste allowance is not a percentage from 0 to 1000, not"},
    };
    for (const auto& [line, message] : bad) {
        const auto list = ParseStockText("board Walnut | 0.75 | 96 | 20 %\r\n" + line + "\n");
        ASSERT_EQ(list.problems.size(), 1u) << line;
        EXPECT_EQ(list.problems[0].rfind(message, 0), 0u) << list.problems[0];
        EXPECT_EQ(list.entries.size(), 1u) << "the good line stays";
    }
}

TEST(StockFile, WrittenFileReadsBackAndFindsThicknesses)
{
    const std::vector<StockEntry> entries = {
        {StockKind::Sheet, "Birch Plywood", std::nullopt, 96, 48, true, 620000, 0},
        {StockKind::Sheet, "Birch Plywood", 0.25, 96, 48, false, 315000, 0},
        {StockKind::Board, "Red Oak", std::nullopt, 96, 0, false, 0, 15.5},
        {StockKind::Board, "Walnut", 1.0, 96, 7.25, false, 0, 30},
    };
    TempFolder folder;
    const auto path = folder.path() / "Stock.txt";
    // Comments written by hand are kept, the header is not doubled, and a
    // comment of two lines cannot become an entry.
    const std::vector<std::string> comments = {"# Prices from the yard, March", "sheet Oak | 0.75 | 1 x 1 | grain | 1"};
    ASSERT_TRUE(WriteStockFile(path, entries, comments).ok());
    const auto read = ReadStockFile(path);
    ASSERT_TRUE(read.ok()) << read.error();
    EXPECT_TRUE(read->problems.empty());
    EXPECT_EQ(read->entries, entries);
    EXPECT_EQ(read->comments,
              (std::vector<std::string> {"# Prices from the yard, March", "# sheet Oak | 0.75 | 1 x 1 | grain | 1"}));
    EXPECT_EQ(StockText(read->entries, read->comments).value(), StockText(entries, read->comments).value());
    EXPECT_EQ(read->find("Birch Plywood", 0.25)->price, 315000);
    EXPECT_EQ(read->find("Birch Plywood", 0.75)->price, 620000);
    EXPECT_EQ(read->find("Red Oak", 1.0)->kind, StockKind::Board);
    EXPECT_EQ(read->find("Cherry", 0.75), nullptr);
    // A board line of the older form, without a width, still reads.
    EXPECT_EQ(ParseStockText("board Ash | any | 96 | 20 %").entries.at(0).width, 0.0);

    // An entry the file could not read back is refused and the file kept.
    auto broken = entries;
    broken[0].wood = "Birch | Plywood";
    EXPECT_FALSE(WriteStockFile(path, broken).ok());
    EXPECT_EQ(ReadStockFile(path)->entries, entries);
}

// The reader would drop these lines or refuse them; the writer says which.
TEST(StockFile, EntriesTheReaderWouldNotGiveBackAreRefused)
{
    const StockEntry oak {StockKind::Sheet, "Oak", 0.75, 96, 48, true, 500000, 0};
    const auto with = [&](auto change) {
        StockEntry entry = oak;
        change(entry);
        return entry;
    };
    const std::vector<std::pair<StockEntry, std::string>> refused = {
        {with([](auto& e) { e.length = 1200; }), "the length is not above 0 and at most 1000 inches"},
        {with([](auto& e) { e.width = 0; }), "the width"},
        {with([](auto& e) { e.thickness = 150; }), "the thickness"},
        {with([](auto& e) { e.wood = " Oak"; }), "the wood needs a name"},
        {with([](auto& e) { e.thickness = 0.76; }), "\"Oak\" at 0.76 cannot be written: an earlier entry has the same"},
        {with([](auto& e) { e.wood = "Ash", e.kind = StockKind::Board, e.width = 0, e.wastePercent = 2000; }),
         "the waste allowance"},
    };
    for (const auto& [entry, message] : refused) {
        const auto text = StockText({oak, entry});
        ASSERT_FALSE(text.ok()) << message;
        EXPECT_NE(text.error().find(message), std::string::npos) << text.error();
    }
    // Another thickness of the same wood is an entry of its own.
    const auto other = with([](auto& e) { e.thickness.reset(); });
    EXPECT_EQ(ParseStockText(StockText({oak, other}).value()).entries, (std::vector<StockEntry> {oak, other}));
}

TEST(StockFile, ShippedFileCoversEveryWood)
{
    const auto stock = ReadStockFile(std::filesystem::path(BOXMILL_DATA_DIR) / "Stock.txt");
    ASSERT_TRUE(stock.ok()) << stock.error();
    EXPECT_TRUE(stock->problems.empty());
    const auto woods = ReadTextLines(std::filesystem::path(BOXMILL_DATA_DIR) / "Wood.dat").value();
    for (const auto& line : woods) {
        const std::string wood = line.substr(0, line.find('*'));
        const double thickness = std::stod(line.substr(line.find('*') + 1));
        EXPECT_NE(stock->find(wood, thickness), nullptr) << wood;
    }
}

} // namespace

TEST(StockFile, ReadsWhatAWindowsEditorSaves)
{
    test::TempFolder folder;
    const std::string line = "sheet Birch Plywood | 0.75 | 96 x 48 | grain | 62\n";
    const test::TextReader readers[] = {
        {"stock", line,
         [](const std::string& bytes) {
             const auto stock = ParseStockText(bytes);
             return stock.problems.empty() ? stock.entries.at(0).wood : test::ReadError(stock.problems[0]);
         },
         "Stock.txt"},
        {"stock file", line,
         [&](const std::string& bytes) {
             test::WriteAllBytes(folder / "Stock.txt", bytes);
             const auto stock = ReadStockFile(folder / "Stock.txt");
             return stock ? stock->entries.at(0).wood : test::ReadError(stock.error());
         },
         "Stock.txt"},
    };
    for (const test::TextReader& reader : readers)
        test::ExpectReadsWhatAWindowsEditorSaves(reader);
}

} // namespace boxmill::test
