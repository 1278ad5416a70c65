// SPDX-License-Identifier: GPL-3.0-or-later
#include "RecordFixtures.h"
#include "ScriptedPrompter.h"
#include "core/CabinetFile.h"
#include "core/CabinetModel.h"
#include "core/FileIo.h"
#include "core/Vocabulary.h"
#include "tools/NewcabSource.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace boxmill;
namespace fs = std::filesystem;

namespace {

const fs::path kDataFolder = BOXMILL_DATA_DIR;

std::vector<std::string> DataLines(const char* name)
{
    auto lines = ReadTextLines(kDataFolder / name);
    if (!lines)
        ADD_FAILURE() << lines.error();
    return lines ? *lines : std::vector<std::string> {};
}

class NewcabTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        auto text = ReadFileBytes(kDataFolder / "Newcab.txt");
        ASSERT_TRUE(text) << text.error();
        source = *text;
    }

    // The source with one line changed; `from` must be a whole line.
    std::string with(const std::string& from, const std::string& to) const
    {
        const auto at = findLine(from);
        std::string changed = source;
        if (at != std::string::npos)
            changed.replace(at, from.size(), to);
        return changed;
    }

    std::size_t findLine(const std::string& line) const
    {
        const auto at = source.find("\n" + line + "\r\n");
        EXPECT_NE(at, std::string::npos) << "no line \"" << line << "\" in Newcab.txt";
        return at == std::string::npos ? at : at + 1;
    }

    // The 1-based line number of `line` in the source.
    int lineNumber(const std::string& line) const
    {
        const auto at = findLine(line);
        return 1 + static_cast<int>(std::count(source.begin(), source.begin() + static_cast<long>(at), '\n'));
    }

    // Compiles the source with `from` replaced by `to` within the [section]
    // that starts at the first line `section`.
    std::string withIn(const std::string& section, const std::string& from, const std::string& to) const
    {
        const auto start = findLine(section);
        const auto at = source.find("\n" + from + "\r\n", start);
        EXPECT_NE(at, std::string::npos) << from << " in " << section;
        std::string changed = source;
        if (at != std::string::npos)
            changed.replace(at + 1, from.size(), to);
        return changed;
    }

    Vocabulary vocabulary {DataLines("Dims.dat"), DataLines("IncParts.dat"), DataLines("CabParts.dat")};
    std::string source;
};

void ExpectRefused(const Result<CabinetRecord>& result, const std::vector<std::string>& mentions)
{
    ASSERT_FALSE(result) << "accepted";
    for (const auto& word : mentions)
        EXPECT_NE(result.error().find(word), std::string::npos) << "\"" << result.error() << "\" lacks " << word;
}

} // namespace

TEST_F(NewcabTest, TheShippedSourceCompilesToTheProgramFoldersNewcab)
{
    auto record = CompileNewcab(source, vocabulary);
    ASSERT_TRUE(record) << record.error();
    const std::string shipped = test::ReadAllBytes(fs::path(BOXMILL_PROGRAM_DIR) / "Newcab.dat");
    EXPECT_EQ(shipped.size(), 2564u);
    EXPECT_EQ(shipped, test::RecordBytes(*record));
}

TEST_F(NewcabTest, TheDefaultCabinetIsAPlainBaseUnit)
{
    auto record = CompileNewcab(source, vocabulary);
    ASSERT_TRUE(record) << record.error();
    CabinetModel model;
    test::ScriptedPrompter prompter;
    model.adoptRecord(*record, vocabulary, prompter);
    EXPECT_TRUE(prompter.shown.empty()) << "every text is a number";

    EXPECT_EQ(model.param(0), 34.5);
    EXPECT_EQ(model.param(1), 24.0);
    EXPECT_EQ(model.param(2), 24.0);
    EXPECT_EQ(model.sectionCount, 1);
    EXPECT_FALSE(model.include(0) && model.include(19)) << "top and carcass rails exclude each other";
    EXPECT_LE(model.sectionItem(0, SectionItem::DrawerBanks), model.sectionItem(0, SectionItem::DrawerCount));
    EXPECT_LT(model.param(27), model.param(2)) << "drawers fit the cabinet's depth";
    ASSERT_TRUE(model.options.nailerCount);
    EXPECT_FALSE(model.record.flag(RecordOffset::BlindCorner) && model.options[CabinetOption::BlindMate]);
    for (int row = 0; row < kPartRows; ++row) {
        EXPECT_FALSE(model.partWoodName[static_cast<std::size_t>(row)].empty()) << row;
        EXPECT_GT(model.partStock[static_cast<std::size_t>(row)], 0.0) << row;
        EXPECT_GT(model.partPrice[static_cast<std::size_t>(row)], 0) << row;
    }
    // Every parameter is a whole number of 32nds, so the fraction display
    // shows exactly what is stored.
    for (int i = 0; i < kParamCount; ++i) {
        const double thirtySeconds = model.param(i) * 32.0;
        EXPECT_EQ(thirtySeconds, static_cast<double>(static_cast<long>(thirtySeconds))) << vocabulary.parameterName(i);
    }
    // The file holds one choice per radio group, so it saves back as it is.
    EXPECT_EQ(model.recordForSave(), model.record);
}

TEST_F(NewcabTest, KeysLandAtTheirRecordBytes)
{
    std::string changed = source;
    const auto apply = [&](const std::string& from, const std::string& to) {
        const auto at = changed.find("\n" + from + "\r\n");
        ASSERT_NE(at, std::string::npos) << from;
        changed.replace(at + 1, from.size(), to);
    };
    apply("Toe Kick Depth = 3", "Toe Kick Depth = 3.250");
    apply("Drawer Side = Baltic Birch * 0.5 * 3.00", "Drawer Side = Maple * .5 * 3.95");
    apply("Door Mullions = no", "Door Mullions = yes");
    apply("DetachedBase = no", "DetachedBase = yes");
    apply("AdjustableShelves = yes", "AdjustableShelves = no");
    apply("RaisedPanelSides = no", "RaisedPanelSides = yes");
    apply("NailerCount = 1", "NailerCount = 3");
    apply("Hours = 6", "Hours = 12.5");
    apply("LeftScribe = no", "LeftScribe = yes");
    apply("BlindMate = no", "BlindMate = yes");
    apply("DoublePanelB = no", "DoublePanelB = yes");
    apply("VerticalB = no", "VerticalB = yes");
    apply("UpperPanelsOffset = no", "UpperPanelsOffset = yes");
    apply("HorizontalCP = yes", "HorizontalCP = no");
    apply("Drawer3B = yes", "Drawer3B = no");
    apply("Face4C = yes", "Face4C = no");
    apply("PanelsCP = yes", "PanelsCP = no");
    auto record = CompileNewcab(changed, vocabulary);
    ASSERT_TRUE(record) << record.error();

    EXPECT_EQ(record->paramText(4), "3.25");
    EXPECT_EQ(record->partWood(19), "Maple");
    EXPECT_EQ(record->partStockText(19), "0.5");
    EXPECT_EQ(record->partPriceText(19), "3.95");
    EXPECT_EQ(record->byte(2101 + 18), 1);
    EXPECT_EQ(record->byte(2272), 1);
    EXPECT_EQ(record->byte(2274), 0);
    EXPECT_EQ(record->byte(2313), 1);
    EXPECT_EQ(record->nailerCount(), "3");
    EXPECT_EQ(record->hours(), "12.5");
    EXPECT_EQ(record->byte(2288), 1); // LeftScribe
    EXPECT_EQ(record->byte(2311), 1); // BlindMate
    EXPECT_EQ(record->byte(2328), 1); // DoublePanelB
    EXPECT_EQ(record->byte(2331), 1); // VerticalB
    EXPECT_EQ(record->byte(2336), 1); // UpperPanelsOffset
    EXPECT_EQ(record->byte(2347), 0); // HorizontalCP
    EXPECT_EQ(record->byte(2349 + 6), 0);
    EXPECT_EQ(record->byte(2361 + 11), 0);
    EXPECT_EQ(record->byte(2373 + 5), 0);
    for (int i = 0; i < 30; ++i) {
        if (i != 6 && i != 12 + 11 && i != 24 + 5) {
            EXPECT_EQ(record->byte(2349 + i), 1) << i;
        }
    }

    // The sections' copies of the panel style follow the panel block.
    EXPECT_EQ(record->sectionItem(1, SectionItem::DoublePanel), 1);
    EXPECT_EQ(record->sectionItem(0, SectionItem::DoublePanel), 0);
    for (int s = 0; s < 3; ++s)
        EXPECT_EQ(record->sectionItem(s, SectionItem::UpperPanelsOffset), 1) << s;
    EXPECT_EQ(record->sectionItem(2, SectionItem::HorizontalP), 0);
    EXPECT_EQ(record->sectionItem(1, SectionItem::HorizontalP), 1);
}

TEST_F(NewcabTest, SectionKeysLandInTheirOwnSection)
{
    auto record = CompileNewcab(withIn("[Section C]", "PartitionDoors = 0", "PartitionDoors = 2"), vocabulary);
    ASSERT_TRUE(record) << record.error();
    EXPECT_EQ(record->byte(2121 + 100 + 10), 2);
    EXPECT_EQ(record->byte(2121 + 50 + 10), 0);

    record = CompileNewcab(withIn("[Section B]", "MullionOffset = no", "MullionOffset = yes"), vocabulary);
    ASSERT_TRUE(record) << record.error();
    EXPECT_EQ(record->byte(2121 + 50 + 5), 1);
}

TEST_F(NewcabTest, AMissingKeyIsNamed)
{
    ExpectRefused(CompileNewcab(with("Cabinet Width = 24", "# no width"), vocabulary), {"Cabinet Width"});
    ExpectRefused(CompileNewcab(with("Face4C = yes", ""), vocabulary), {"Face4C"});
}

TEST_F(NewcabTest, AnUnknownOrRepeatedKeyIsNamedWithItsLine)
{
    const int widthLine = lineNumber("Cabinet Width = 24");
    ExpectRefused(CompileNewcab(with("Cabinet Width = 24", "Cabinet Widht = 24"), vocabulary),
                  {"line " + std::to_string(widthLine), "Cabinet Widht"});
    ExpectRefused(CompileNewcab(with("Cabinet Width = 24", "Cabinet Width = 24\r\nCabinet Width = 25"), vocabulary),
                  {"line " + std::to_string(widthLine + 1), "Cabinet Width"});
    // A key is known only in its own [section].
    ExpectRefused(CompileNewcab(with("Hours = 6", "Hours = 6\r\nCabinet Height = 30"), vocabulary), {"Cabinet Height"});
    const int sectionLine = lineNumber("[Woods]");
    ExpectRefused(CompileNewcab(with("[Woods]", "[Wood]"), vocabulary),
                  {"line " + std::to_string(sectionLine), "Wood"});
}

TEST_F(NewcabTest, ValuesOutOfRangeAreRefusedWithTheirLine)
{
    const struct {
        const char* section;
        const char* from;
        const char* to;
    } cases[] = {
        {"[Section A]", "DrawerCount = 1", "DrawerCount = 5"},
        {"[Section A]", "DoorCount = 2", "DoorCount = 3"},
        {"[Section A]", "Shelves = 1", "Shelves = -1"},
        {"[Section A]", "Partition = 0", "Partition = 2"},
        {"[Section B]", "PartitionShelves = 0", "PartitionShelves = 5"},
        {"[Section A]", "DrawerBanks = 0", "DrawerBanks = 5"},
        {"[Cabinet]", "SectionCount = 1", "SectionCount = 4"},
        {"[Cabinet]", "SectionCount = 1", "SectionCount = 0"},
        {"[Cabinet]", "NailerCount = 1", "NailerCount = 4"},
        {"[Cabinet]", "Hours = 6", "Hours = 12345"},
        {"[Cabinet]", "BlindCorner = no", "BlindCorner = maybe"},
        {"[Parameters]", "Cabinet Height = 34.5", "Cabinet Height = 34.123456789"},
        {"[Parameters]", "Cabinet Height = 34.5", "Cabinet Height = tall"},
        {"[Woods]", "Top = Birch Plywood * 0.75 * 3.10", "Top = Quartersawn White Oak * 0.75 * 3.10"},
        {"[Woods]", "Top = Birch Plywood * 0.75 * 3.10", "Top = Birch Plywood * 0.75"},
        {"[Woods]", "Top = Birch Plywood * 0.75 * 3.10", "Top = Birch Plywood * 0.75 * 123.45"},
    };
    for (const auto& c : cases) {
        const std::string changed = withIn(c.section, c.from, c.to);
        const auto at = changed.find(std::string("\n") + c.to + "\r\n", findLine(c.section));
        const int line =
            2 + static_cast<int>(std::count(changed.begin(), changed.begin() + static_cast<long>(at), '\n'));
        SCOPED_TRACE(c.to);
        ExpectRefused(CompileNewcab(changed, vocabulary), {"line " + std::to_string(line)});
    }
}

TEST_F(NewcabTest, TopAndCarcassRailsCannotBothBeIncluded)
{
    ExpectRefused(CompileNewcab(withIn("[Include]", "Top = no", "Top = yes"), vocabulary), {"top", "carcass"});
}

TEST_F(NewcabTest, DataFilesWithRepeatedNamesAreRefused)
{
    auto dims = DataLines("Dims.dat");
    ASSERT_GE(dims.size(), 2u);
    dims[1] = dims[0];
    const Vocabulary repeated(dims, DataLines("IncParts.dat"), DataLines("CabParts.dat"));
    EXPECT_FALSE(CompileNewcab(source, repeated));
}
