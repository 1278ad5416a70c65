// SPDX-License-Identifier: GPL-3.0-or-later
#include "CabinetRecord.h"

#include "DefaultNames.h"
#include "MessageText.h"
#include "NumberText.h"
#include "RecordFieldNames.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <stdexcept>
#include <vector>

namespace boxmill {

namespace {

void CheckIndex(int index, int count, const char* what)
{
    if (index < 0 || index >= count)
        throw std::out_of_range(what);
}

std::uint8_t ToByte(int value)
{
    if (value < 0 || value > 255)
        throw std::out_of_range("record byte");
    return static_cast<std::uint8_t>(value);
}

// A size text is sound when it is no number at all (the load reads it as 0
// and reports it) or a number from 0 to kLargestLength.
bool SoundSize(std::string_view text)
{
    if (const auto value = ParseDecimal(text))
        return *value >= 0.0 && *value <= kLargestLength;
    // ParseDecimal refuses "inf", "nan" and "1e999" like any other text;
    // here they must be told from words, since they are meant as numbers.
    text = TrimBlanks(text);
    if (text.size() > 1 && text.front() == '+' && text[1] != '-')
        text.remove_prefix(1);
    std::array<char, 64> buffer {};
    if (text.empty() || text.size() > buffer.size())
        return true;
    std::transform(text.begin(), text.end(), buffer.begin(), [](char c) { return c == ',' ? '.' : c; });
    const char* end = buffer.data() + text.size();
    double value = 0.0;
    const auto [ptr, error] = std::from_chars(buffer.data(), end, value);
    if (ptr != end)
        return true;
    if (error == std::errc::result_out_of_range) {
        // Too small to tell from 0 is harmless; too large is not.
        const std::string_view number(buffer.data(), text.size());
        return number.find("e-") != std::string_view::npos || number.find("E-") != std::string_view::npos;
    }
    return error != std::errc() || std::isfinite(value);
}

} // namespace

std::string CabinetRecord::shortString(int offset, int capacity) const
{
    const int length = std::min<int>(byte(offset), capacity);
    const auto* begin = m_bytes.data() + offset + 1;
    return std::string(reinterpret_cast<const char*>(begin), static_cast<std::size_t>(length));
}

void CabinetRecord::setShortString(int offset, int capacity, std::string_view text)
{
    const auto length = std::min<std::size_t>(text.size(), static_cast<std::size_t>(capacity));
    setByte(offset, static_cast<std::uint8_t>(length));
    std::copy_n(text.begin(), length, m_bytes.begin() + offset + 1);
}

std::string CabinetRecord::paramText(int index) const
{
    CheckIndex(index, kParamSlots, "parameter slot");
    return shortString(RecordOffset::ParamText + index * (FieldCapacity::ParamText + 1), FieldCapacity::ParamText);
}

void CabinetRecord::setParamText(int index, std::string_view text)
{
    CheckIndex(index, kParamSlots, "parameter slot");
    setShortString(RecordOffset::ParamText + index * (FieldCapacity::ParamText + 1), FieldCapacity::ParamText, text);
}

std::string CabinetRecord::partWood(int row) const
{
    CheckIndex(row, kPartSlots, "part row");
    return shortString(RecordOffset::PartWood + row * (FieldCapacity::PartWood + 1), FieldCapacity::PartWood);
}

void CabinetRecord::setPartWood(int row, std::string_view text)
{
    CheckIndex(row, kPartSlots, "part row");
    setShortString(RecordOffset::PartWood + row * (FieldCapacity::PartWood + 1), FieldCapacity::PartWood, text);
}

std::string CabinetRecord::partStockText(int row) const
{
    CheckIndex(row, kPartSlots, "part row");
    return shortString(RecordOffset::PartStockText + row * (FieldCapacity::PartStockText + 1),
                       FieldCapacity::PartStockText);
}

void CabinetRecord::setPartStockText(int row, std::string_view text)
{
    CheckIndex(row, kPartSlots, "part row");
    setShortString(RecordOffset::PartStockText + row * (FieldCapacity::PartStockText + 1), FieldCapacity::PartStockText,
                   text);
}

std::string CabinetRecord::partPriceText(int row) const
{
    CheckIndex(row, kPartSlots, "part row");
    return shortString(RecordOffset::PartPriceText + row * (FieldCapacity::PartPriceText + 1),
                       FieldCapacity::PartPriceText);
}

void CabinetRecord::setPartPriceText(int row, std::string_view text)
{
    CheckIndex(row, kPartSlots, "part row");
    setShortString(RecordOffset::PartPriceText + row * (FieldCapacity::PartPriceText + 1), FieldCapacity::PartPriceText,
                   text);
}

bool CabinetRecord::includeFlag(int item) const
{
    CheckIndex(item, kIncludeItems, "include item");
    return flag(RecordOffset::IncludeFlags + item);
}

void CabinetRecord::setIncludeFlag(int item, bool value)
{
    CheckIndex(item, kIncludeItems, "include item");
    setFlag(RecordOffset::IncludeFlags + item, value);
}

void CabinetRecord::setSectionCount(int count)
{
    if (count < 1 || count > kSections)
        throw std::out_of_range("section count");
    setByte(RecordOffset::SectionCount, static_cast<std::uint8_t>(count));
}

int CabinetRecord::sectionOffset(int s, SectionItem item)
{
    CheckIndex(s, kSections, "section");
    return RecordOffset::Sections + RecordOffset::SectionBlockSize * s + static_cast<int>(item);
}

int CabinetRecord::sectionItem(int s, SectionItem item) const
{
    return byte(sectionOffset(s, item));
}

void CabinetRecord::setSectionItem(int s, SectionItem item, int value)
{
    setByte(sectionOffset(s, item), ToByte(value));
}

void CabinetRecord::resetSpareParamSlots()
{
    for (int i = kParamCount; i < kParamSlots; ++i)
        setParamText(i, "0");
}

std::optional<int> NailerCountValue(const CabinetRecord& record)
{
    const std::string text = record.nailerCount();
    if (text.size() != 1 || text[0] < '1' || text[0] > '0' + kMaxNailers)
        return std::nullopt;
    return text[0] - '0';
}

std::optional<std::string> CheckRecordCounts(const CabinetRecord& record)
{
    const int sections = record.sectionCount();
    if (sections < 1 || sections > kSections)
        return "The cabinet file is damaged: it holds " + std::to_string(sections) +
               " face frame sections, but a cabinet has 1 to 3.";
    struct Limit {
        SectionItem item;
        int maximum;
        const char* what;
    };
    static constexpr Limit limits[] = {
        {SectionItem::Shelves, kMaxShelves, "shelves"},
        {SectionItem::DrawerCount, kMaxDrawers, "drawers"},
        {SectionItem::DrawerBanks, kMaxDrawers, "banked drawers"},
        {SectionItem::DoorCount, kMaxDoors, "doors"},
        {SectionItem::Partition, kMaxPartitions, "partitions"},
        {SectionItem::PartitionShelves, kMaxShelves, "partition shelves"},
        {SectionItem::PartitionDoors, kMaxDoors, "partition doors"},
    };
    for (int s = 0; s < kSections; ++s) {
        for (const auto& limit : limits) {
            const int value = record.sectionItem(s, limit.item);
            if (value > limit.maximum)
                return "The cabinet file is damaged: section " + std::string(1, kSectionLetters[s]) + " holds " +
                       std::to_string(value) + " " + limit.what + ", but at most " + std::to_string(limit.maximum) +
                       " are allowed.";
        }
    }
    // With no count the options window selects none and the nailers drop
    // out of the cut list and the cost without a word.
    if (!NailerCountValue(record))
        return "The cabinet file is damaged: its NailerCount is " + QuoteFileText(record.nailerCount()) +
               ", but a cabinet has 1, 2 or 3 nailers.";
    return std::nullopt;
}

std::optional<std::string> CheckRecordSizes(const CabinetRecord& record)
{
    std::vector<std::string> offenders;
    for (int i = 0; i < kParamCount; ++i) {
        const std::string text = record.paramText(i);
        if (!SoundSize(text))
            offenders.push_back(std::string(kDefaultParameterNames[static_cast<std::size_t>(i)]) + ": " +
                                QuoteFileText(text));
    }
    for (int row = 0; row < kPartRows; ++row) {
        const std::string text = record.partStockText(row);
        if (!SoundSize(text))
            offenders.push_back(std::string(kDefaultPartNames[static_cast<std::size_t>(row)]) +
                                " stock thickness: " + QuoteFileText(text));
    }
    if (offenders.empty())
        return std::nullopt;
    return ListedMessage("The cabinet holds sizes that are not from 0 to " + FormatDecimal(kLargestLength) +
                             " inches (" + FormatDecimal(kLargestLength * 0.0254) +
                             " m), so no cut list, cost or drawing can be made from it:",
                         offenders);
}

std::optional<std::string> ValidateCabinetRecord(const CabinetRecord& record)
{
    if (auto problem = CheckRecordCounts(record))
        return problem;
    return CheckRecordSizes(record);
}

} // namespace boxmill
