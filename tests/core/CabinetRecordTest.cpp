// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/CabinetRecord.h"
#include "RecordFixtures.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

using namespace boxmill;

namespace {

// Offsets written out as numbers rather than taken from RecordOffset: the
// cabinet files users already have fix them, whatever the code says.
constexpr int kRecordSize = 2564;

struct ExpectedBytes {
    std::array<std::uint8_t, kRecordSize> bytes {};

    void text(int offset, std::string_view value)
    {
        bytes[static_cast<std::size_t>(offset)] = static_cast<std::uint8_t>(value.size());
        for (std::size_t i = 0; i < value.size(); ++i)
            bytes[static_cast<std::size_t>(offset) + 1 + i] = static_cast<std::uint8_t>(value[i]);
    }
    void byte(int offset, int value) { bytes[static_cast<std::size_t>(offset)] = static_cast<std::uint8_t>(value); }
};

// Full-capacity texts that differ from slot to slot, so that a wrong stride
// or a field that spills into its neighbour shows up as a wrong byte.
std::string Filled(int slot, int capacity)
{
    std::string text;
    for (int i = 0; i < capacity; ++i)
        text += static_cast<char>('A' + (slot * 7 + i) % 26);
    return text;
}

} // namespace

TEST(CabinetRecordLayout, EveryFieldLandsAtItsFileOffset)
{
    CabinetRecord record;
    ExpectedBytes expected;

    for (int i = 0; i < 101; ++i) {
        record.setParamText(i, Filled(i, 10));
        expected.text(11 * i, Filled(i, 10));
    }
    for (int r = 0; r < 33; ++r) {
        record.setPartWood(r, Filled(r, 14));
        expected.text(1111 + 15 * r, Filled(r, 14));
        record.setPartStockText(r, Filled(r + 1, 8));
        expected.text(1606 + 9 * r, Filled(r + 1, 8));
        record.setPartPriceText(r, Filled(r + 2, 5));
        expected.text(1903 + 6 * r, Filled(r + 2, 5));
    }
    for (int i = 0; i < 20; ++i) {
        record.setIncludeFlag(i, i % 3 != 0);
        expected.byte(2101 + i, i % 3 != 0 ? 1 : 0);
    }
    record.setSectionCount(3);
    expected.byte(2121, 3);
    for (int s = 0; s < 3; ++s) {
        for (int k = 1; k <= 18; ++k) {
            const int value = 10 * s + k; // distinct, to catch a swapped item
            record.setSectionItem(s, static_cast<SectionItem>(k), value);
            expected.byte(2121 + 50 * s + k, value);
        }
    }
    record.setNailerCount("3");
    expected.text(2551, "3");
    record.setHours("12.5");
    expected.text(2553, "12.5");
    record.setCost("55.25");
    expected.text(2558, "55.25");

    EXPECT_EQ(record.bytes().size(), 2564u);
    for (int offset = 0; offset < kRecordSize; ++offset)
        ASSERT_EQ(record.byte(offset), expected.bytes[static_cast<std::size_t>(offset)]) << "offset " << offset;

    // And the same values come back through the accessors.
    for (int i = 0; i < 101; ++i)
        EXPECT_EQ(record.paramText(i), Filled(i, 10));
    for (int r = 0; r < 33; ++r) {
        EXPECT_EQ(record.partWood(r), Filled(r, 14));
        EXPECT_EQ(record.partStockText(r), Filled(r + 1, 8));
        EXPECT_EQ(record.partPriceText(r), Filled(r + 2, 5));
    }
    EXPECT_EQ(record.sectionCount(), 3);
    EXPECT_EQ(record.sectionItem(2, SectionItem::HorizontalP), 38);
    EXPECT_EQ(record.nailerCount(), "3");
    EXPECT_EQ(record.hours(), "12.5");
    EXPECT_EQ(record.cost(), "55.25");
}

TEST(CabinetRecordShortStrings, LongTextIsCutToTheFieldAndLeavesTheNeighbourAlone)
{
    CabinetRecord record;
    record.setParamText(1, "neighbour");
    record.setParamText(0, "12345678901234");
    EXPECT_EQ(record.paramText(0), "1234567890");
    EXPECT_EQ(record.byte(0), 10);
    EXPECT_EQ(record.paramText(1), "neighbour");

    record.setPartWood(0, "Quartersawn White Oak");
    EXPECT_EQ(record.partWood(0), "Quartersawn Wh");
    record.setPartStockText(0, "0.7500000001");
    EXPECT_EQ(record.partStockText(0), "0.750000");
    record.setPartPriceText(0, "12.345");
    EXPECT_EQ(record.partPriceText(0), "12.34");

    record.setHours("12345");
    EXPECT_EQ(record.hours(), "1234");
    record.setCost("123456");
    EXPECT_EQ(record.cost(), "12345");
    record.setNailerCount("23");
    EXPECT_EQ(record.nailerCount(), "2");
    // Cost is the last field: nothing may be written past the record.
    EXPECT_EQ(record.bytes().size(), 2564u);
}

TEST(CabinetRecordShortStrings, ShorterTextLeavesTheStaleCharactersBehindIt)
{
    CabinetRecord record;
    record.setParamText(5, "123456");
    record.setParamText(5, "9");
    EXPECT_EQ(record.paramText(5), "9");
    const int at = 11 * 5;
    EXPECT_EQ(record.byte(at), 1);
    EXPECT_EQ(record.byte(at + 1), '9');
    for (int i = 2; i <= 6; ++i)
        EXPECT_EQ(record.byte(at + i), '0' + i) << i;

    record.setHours("");
    EXPECT_EQ(record.hours(), "");
    EXPECT_EQ(record.byte(2553), 0);
}

TEST(CabinetRecordShortStrings, LengthByteBeyondTheFieldReadsAsItsCapacity)
{
    CabinetRecord::Bytes raw {};
    raw.fill('x');
    raw[0] = 200;    // ParamText 0
    raw[1111] = 15;  // PartWood 0, one too many
    raw[1606] = 255; // PartStockText 0
    raw[2551] = 9;   // NailerCount
    raw[2558] = 255; // Cost, the last field
    const CabinetRecord record(raw);
    EXPECT_EQ(record.paramText(0), std::string(10, 'x'));
    EXPECT_EQ(record.partWood(0), std::string(14, 'x'));
    EXPECT_EQ(record.partStockText(0), std::string(8, 'x'));
    EXPECT_EQ(record.nailerCount(), "x");
    EXPECT_EQ(record.cost(), std::string(5, 'x'));
}

TEST(CabinetRecordIndices, OutOfRangeIndicesAreRefusedRatherThanWrittenElsewhere)
{
    CabinetRecord record;
    EXPECT_THROW(record.paramText(101), std::out_of_range);
    EXPECT_THROW(record.setParamText(-1, "1"), std::out_of_range);
    EXPECT_THROW(record.setPartWood(33, "Oak"), std::out_of_range);
    EXPECT_THROW(record.partStockText(-1), std::out_of_range);
    EXPECT_THROW(record.setPartPriceText(33, "1"), std::out_of_range);
    EXPECT_THROW(record.setIncludeFlag(20, true), std::out_of_range);
    EXPECT_THROW(record.sectionItem(3, SectionItem::Shelves), std::out_of_range);
    EXPECT_THROW(record.setSectionItem(0, SectionItem::DrawerCount, 256), std::out_of_range);
    EXPECT_THROW(record.setSectionItem(0, SectionItem::DrawerCount, -1), std::out_of_range);
    EXPECT_THROW(record.setSectionCount(0), std::out_of_range);
    EXPECT_THROW(record.setSectionCount(4), std::out_of_range);
    EXPECT_EQ(record, CabinetRecord()) << "a refused write changed the record";
}

TEST(CabinetRecordSpareSlots, ResetPutsZeroInSlots73To100Only)
{
    CabinetRecord record = test::MakeValidRecord();
    record.setParamText(72, "34.5");
    record.setParamText(73, "7");
    record.setParamText(80, "12");
    record.setParamText(100, "1234567890");
    record.resetSpareParamSlots();
    EXPECT_EQ(record.paramText(72), "34.5");
    for (int i = 73; i <= 100; ++i)
        EXPECT_EQ(record.paramText(i), "0") << i;
    EXPECT_EQ(record.byte(11 * 80), 1);
    EXPECT_EQ(record.byte(11 * 80 + 1), '0');
}

TEST(CabinetRecordCounts, CountsThatFitTheTablesPass)
{
    CabinetRecord record = test::MakeValidRecord();
    record.setSectionCount(3);
    for (int s = 0; s < 3; ++s) {
        record.setSectionItem(s, SectionItem::Shelves, 4);
        record.setSectionItem(s, SectionItem::DrawerCount, 4);
        record.setSectionItem(s, SectionItem::DrawerBanks, 4);
        record.setSectionItem(s, SectionItem::DoorCount, 2);
        record.setSectionItem(s, SectionItem::Partition, 1);
        record.setSectionItem(s, SectionItem::PartitionShelves, 4);
        record.setSectionItem(s, SectionItem::PartitionDoors, 2);
    }
    EXPECT_EQ(CheckRecordCounts(record), std::nullopt);

    // Removing drawers leaves the bank count behind on purpose.
    record.setSectionItem(1, SectionItem::DrawerCount, 1);
    record.setSectionItem(1, SectionItem::DrawerBanks, 3);
    EXPECT_EQ(CheckRecordCounts(record), std::nullopt);
}

TEST(CabinetRecordCounts, CountsBeyondTheTablesAreRefusedByName)
{
    struct Case {
        int section;
        int offsetInBlock;
        int value;
        const char* mentions;
    };
    const Case cases[] = {
        {0, 0, 0, "0 face frame sections"},
        {0, 0, 4, "4 face frame sections"},
        {0, 0, 200, "200 face frame sections"},
        {0, 1, 5, "5 shelves"},
        {0, 2, 9, "9 drawers"},
        {1, 3, 5, "5 banked drawers"},
        {2, 4, 3, "3 doors"},
        {0, 6, 2, "2 partitions"},
        {1, 9, 5, "5 partition shelves"},
        {2, 10, 3, "3 partition doors"},
    };
    for (const auto& c : cases) {
        CabinetRecord::Bytes raw = test::MakeValidRecord().bytes();
        raw[static_cast<std::size_t>(2121 + 50 * c.section + c.offsetInBlock)] = static_cast<std::uint8_t>(c.value);
        const auto problem = CheckRecordCounts(CabinetRecord(raw));
        ASSERT_TRUE(problem) << c.mentions;
        EXPECT_NE(problem->find(c.mentions), std::string::npos) << *problem;
        if (c.offsetInBlock != 0) {
            EXPECT_NE(problem->find(std::string("section ") + "ABC"[c.section]), std::string::npos) << *problem;
        }
    }
}
