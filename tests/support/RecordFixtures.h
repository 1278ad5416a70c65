// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/CabinetOptions.h"
#include "core/CabinetRecord.h"
#include "core/Constants.h"
#include "core/NumberText.h"
#include "core/PanelStyle.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <string_view>

namespace boxmill::test {

inline std::string ReadAllBytes(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

inline void WriteAllBytes(const std::filesystem::path& path, std::string_view bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

inline std::string RecordBytes(const CabinetRecord& record)
{
    return std::string(reinterpret_cast<const char*>(record.bytes().data()), record.bytes().size());
}

// A record the program reads without complaint: every used text is a
// number, every count fits its table. Everything else is zero.
inline CabinetRecord MakeValidRecord()
{
    CabinetRecord record;
    for (int i = 0; i < kParamSlots; ++i)
        record.setParamText(i, i < kParamCount ? "1" : "0");
    for (int row = 0; row < kPartRows; ++row) {
        record.setPartWood(row, "Oak");
        record.setPartStockText(row, "0.75");
        record.setPartPriceText(row, "4.5");
    }
    record.setSectionCount(1);
    record.setNailerCount("1");
    return record;
}

// A record as the program itself writes one, with arbitrary bytes wherever
// the layout leaves the content open: the reserved bytes, the characters
// behind a short string, the spare part rows. Loading and saving it must
// give back every byte.
inline CabinetRecord MakeSoundRecord(unsigned seed)
{
    std::mt19937 rng(seed);
    const auto pick = [&](unsigned n) { return static_cast<int>(rng() % n); };
    const auto coin = [&] { return (rng() & 1u) != 0; };

    CabinetRecord::Bytes raw {};
    for (auto& b : raw)
        b = static_cast<std::uint8_t>(rng() & 0xFFu);
    CabinetRecord record(raw);

    for (int i = 0; i < kParamCount; ++i)
        record.setParamText(i, FormatDecimal(pick(32 * 120) / 32.0));
    for (int i = kParamCount; i < kParamSlots; ++i)
        record.setParamText(i, "0");

    static constexpr std::string_view woods[] = {"Oak", "Red Oak", "Baltic Birch", "Hard Maple", "Birch Plywood"};
    static constexpr std::string_view prices[] = {"3.1", "4.50", "12.5", "0.65", "9,75"};
    for (int row = 0; row < kPartRows; ++row) {
        record.setPartWood(row, woods[pick(5)]);
        record.setPartStockText(row, FormatDecimal((1 + pick(48)) / 32.0));
        record.setPartPriceText(row, prices[pick(5)]);
    }
    for (int item = 0; item < kIncludeItems; ++item)
        record.setIncludeFlag(item, coin());

    record.setSectionCount(1 + pick(3));
    for (int s = 0; s < kSections; ++s) {
        const int drawers = pick(kMaxDrawers + 1);
        record.setSectionItem(s, SectionItem::Shelves, pick(kMaxShelves + 1));
        record.setSectionItem(s, SectionItem::DrawerCount, drawers);
        record.setSectionItem(s, SectionItem::DrawerBanks, pick(static_cast<unsigned>(drawers) + 1));
        record.setSectionItem(s, SectionItem::DoorCount, pick(kMaxDoors + 1));
        record.setSectionItem(s, SectionItem::Partition, pick(kMaxPartitions + 1));
        record.setSectionItem(s, SectionItem::PartitionShelves, pick(kMaxShelves + 1));
        record.setSectionItem(s, SectionItem::PartitionDoors, pick(kMaxDoors + 1));
        for (const auto flag : {SectionItem::MullionOffset, SectionItem::PartitionAbove, SectionItem::PartitionBelow})
            record.setSectionItem(s, flag, coin() ? 1 : 0);
        for (int k = static_cast<int>(SectionItem::LowerPanelsOffset); k <= static_cast<int>(SectionItem::HorizontalP);
             ++k)
            record.setSectionItem(s, static_cast<SectionItem>(k), coin() ? 1 : 0);
    }

    for (const int offset : {RecordOffset::DetachedBase, RecordOffset::BlindCorner, RecordOffset::AdjustableShelves})
        record.setFlag(offset, coin());
    CabinetOptionSet options = CabinetOptionSet::FormDefaults();
    for (int i = 0; i < kOptionCount; ++i)
        options.set(static_cast<CabinetOption>(i), coin());
    options.raisedPanelSides = coin();
    options.nailerCount = 1 + pick(3);
    StoreOptionsToRecord(options, record);
    for (int i = 0; i < RecordOffset::RaisedPanelSize; ++i)
        record.setFlag(RecordOffset::RaisedPanel + i, coin());
    // The sections hold copies of the style: a load writes them again.
    CopyPanelStyleToSections(LoadPanelStyle(record), record);
    for (int i = 0; i < 12 + 12 + 6; ++i)
        record.setFlag(RecordOffset::DrawerEnabled + i, coin());
    record.setHours(std::to_string(pick(10000)));
    record.setCost(std::to_string(pick(100000)));
    return record;
}

} // namespace boxmill::test
