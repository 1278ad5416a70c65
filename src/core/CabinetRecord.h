// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Constants.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace boxmill {

// Items of a section's 50-byte block, by their byte number in the block.
enum class SectionItem : int {
    Shelves = 1,
    DrawerCount = 2,
    DrawerBanks = 3,
    DoorCount = 4,
    MullionOffset = 5,
    Partition = 6,
    PartitionAbove = 7,
    PartitionBelow = 8,
    PartitionShelves = 9,
    PartitionDoors = 10,
    LowerPanelsOffset = 11,
    DoublePanel = 12,
    NegativeOffset = 13,
    Horizontal = 14,
    UpperPanelsOffset = 15,
    DoublePanelP = 16,
    NegativeOffsetP = 17,
    HorizontalP = 18,
};

// Byte offsets of the cabinet file. The file is nothing but this record; its
// layout is shared with every cabinet a user has ever saved, so it never
// changes.
namespace RecordOffset {
inline constexpr int ParamText = 0;
inline constexpr int PartWood = 1111;
inline constexpr int PartStockText = 1606;
inline constexpr int PartPriceText = 1903;
inline constexpr int IncludeFlags = 2101;
inline constexpr int SectionCount = 2121;
inline constexpr int Sections = 2121;
inline constexpr int SectionBlockSize = 50;
inline constexpr int DetachedBase = 2272;
inline constexpr int BlindCorner = 2273;
inline constexpr int AdjustableShelves = 2274;
inline constexpr int Options = 2275;
inline constexpr int OptionCount = 38;
inline constexpr int RaisedPanelSides = 2313;
inline constexpr int RaisedPanel = 2323;
inline constexpr int RaisedPanelSize = 26;
inline constexpr int DrawerEnabled = 2349;
inline constexpr int FaceEnabled = 2361;
inline constexpr int PanelEnabled = 2373;
inline constexpr int NailerCount = 2551;
inline constexpr int Hours = 2553;
inline constexpr int Cost = 2558;
inline constexpr int Size = 2564;
} // namespace RecordOffset

// Capacities of the short-string fields (characters, not counting the
// length byte).
namespace FieldCapacity {
inline constexpr int ParamText = 10;
inline constexpr int PartWood = 14;
inline constexpr int PartStockText = 8;
inline constexpr int PartPriceText = 5;
inline constexpr int NailerCount = 1;
inline constexpr int Hours = 4;
inline constexpr int Cost = 5;
} // namespace FieldCapacity

// The 2564-byte description of one cabinet, kept as the bytes themselves so
// that whatever a file holds (reserved bytes, the stale characters behind a
// short string) is written back unchanged.
class CabinetRecord {
public:
    using Bytes = std::array<std::uint8_t, RecordOffset::Size>;

    CabinetRecord() { m_bytes.fill(0); }
    explicit CabinetRecord(const Bytes& bytes)
        : m_bytes(bytes)
    {
    }

    const Bytes& bytes() const { return m_bytes; }

    // Short strings: a length byte, then the characters. A length byte
    // larger than the field is read as the field's capacity.
    std::string shortString(int offset, int capacity) const;
    // Cut to the capacity; bytes behind the new text keep their old values.
    void setShortString(int offset, int capacity, std::string_view text);

    std::uint8_t byte(int offset) const { return m_bytes.at(static_cast<std::size_t>(offset)); }
    void setByte(int offset, std::uint8_t value) { m_bytes.at(static_cast<std::size_t>(offset)) = value; }
    bool flag(int offset) const { return byte(offset) != 0; }
    void setFlag(int offset, bool value) { setByte(offset, value ? 1 : 0); }

    std::string paramText(int index) const;
    void setParamText(int index, std::string_view text);
    std::string partWood(int row) const;
    void setPartWood(int row, std::string_view text);
    std::string partStockText(int row) const;
    void setPartStockText(int row, std::string_view text);
    std::string partPriceText(int row) const;
    void setPartPriceText(int row, std::string_view text);

    bool includeFlag(int item) const;
    void setIncludeFlag(int item, bool value);

    int sectionCount() const { return byte(RecordOffset::SectionCount); }
    void setSectionCount(int count);

    // s is 0, 1, 2 for sections A, B, C.
    int sectionItem(int s, SectionItem item) const;
    void setSectionItem(int s, SectionItem item, int value);

    std::string nailerCount() const { return shortString(RecordOffset::NailerCount, FieldCapacity::NailerCount); }
    void setNailerCount(std::string_view text)
    {
        setShortString(RecordOffset::NailerCount, FieldCapacity::NailerCount, text);
    }
    std::string hours() const { return shortString(RecordOffset::Hours, FieldCapacity::Hours); }
    void setHours(std::string_view text) { setShortString(RecordOffset::Hours, FieldCapacity::Hours, text); }
    std::string cost() const { return shortString(RecordOffset::Cost, FieldCapacity::Cost); }
    void setCost(std::string_view text) { setShortString(RecordOffset::Cost, FieldCapacity::Cost, text); }

    // Slots 73..100 are spare: the program holds "0" there whatever a file says.
    void resetSpareParamSlots();

    friend bool operator==(const CabinetRecord&, const CabinetRecord&) = default;

private:
    static int sectionOffset(int s, SectionItem item);
    Bytes m_bytes;
};

// Counts index fixed-size tables all through the program (three sections,
// four drawers, two doors ...), and the nailer count must be 1 to 3. A
// record whose counts do not fit is refused as a whole; the message names the
// first offender.
// A bank larger than the drawer count is not refused: removing drawers or
// sections leaves one behind on purpose, and its users check it.
std::optional<std::string> CheckRecordCounts(const CabinetRecord& record);

// Lengths a file may give, in inches. Far beyond any cabinet, yet small
// enough that areas, costs and drawing units computed from them never
// overflow.
inline constexpr double kLargestLength = 10000.0;

// Sizes (the parameters, the stock thicknesses of the part rows) that are
// numbers but negative, beyond kLargestLength or not finite ("1e308",
// "inf") would give a cut list, cost and drawing of nonsense; a record that
// holds any is refused, and the message names them. Texts that are no number
// at all are not refused: a load reads them as 0 and says so.
std::optional<std::string> CheckRecordSizes(const CabinetRecord& record);

// Everything a record from a file must pass before any of it is used: its
// counts and its sizes. The message names the first check that failed.
std::optional<std::string> ValidateCabinetRecord(const CabinetRecord& record);

// The nailer count held in the record: 1 to 3, or nullopt when the record
// names none (the options then show no count and no nailers are cut), which
// CheckRecordCounts refuses in a file.
std::optional<int> NailerCountValue(const CabinetRecord& record);

} // namespace boxmill
