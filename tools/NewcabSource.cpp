// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/NewcabSource.h"

#include "core/Constants.h"
#include "core/FileIo.h"
#include "core/NumberText.h"
#include "core/RecordFieldNames.h"
#include "core/Vocabulary.h"

#include <functional>
#include <map>
#include <set>
#include <utility>

namespace boxmill {

namespace {

using Setter = std::function<std::optional<std::string>(CabinetRecord&, std::string_view)>;

struct Field {
    Setter set;
    bool seen = false;
};

std::optional<bool> ParseYesNo(std::string_view text)
{
    if (text == "yes")
        return true;
    if (text == "no")
        return false;
    return std::nullopt;
}

Setter Flag(int offset)
{
    return [offset](CabinetRecord& record, std::string_view value) -> std::optional<std::string> {
        const auto flag = ParseYesNo(value);
        if (!flag)
            return "expected yes or no";
        record.setFlag(offset, *flag);
        return std::nullopt;
    };
}

Setter Count(int maximum, std::function<void(CabinetRecord&, int)> store)
{
    return [maximum, store = std::move(store)](CabinetRecord& record,
                                               std::string_view value) -> std::optional<std::string> {
        const auto number = ParseInteger(value);
        if (!number || *number < 0 || *number > maximum)
            return "expected a whole number from 0 to " + std::to_string(maximum);
        store(record, static_cast<int>(*number));
        return std::nullopt;
    };
}

Setter Text(int maximum, std::function<void(CabinetRecord&, std::string_view)> store)
{
    return [maximum, store = std::move(store)](CabinetRecord& record,
                                               std::string_view value) -> std::optional<std::string> {
        if (value.size() > static_cast<std::size_t>(maximum))
            return "longer than " + std::to_string(maximum) + " characters";
        store(record, value);
        return std::nullopt;
    };
}

std::optional<std::string> CheckedDecimal(std::string_view text, std::size_t capacity)
{
    const auto value = ParseDecimal(text);
    if (!value)
        return std::nullopt;
    std::string written = FormatDecimal(*value);
    if (written.size() > capacity)
        return std::nullopt;
    return written;
}

using Table = std::map<std::string, std::map<std::string, Field>>;

void AddParameters(Table& table, const Vocabulary& vocabulary)
{
    auto& section = table["Parameters"];
    for (int i = 0; i < kParamCount; ++i) {
        section[vocabulary.parameterName(i)].set = [i](CabinetRecord& record,
                                                       std::string_view value) -> std::optional<std::string> {
            const auto text = CheckedDecimal(value, FieldCapacity::ParamText);
            if (!text)
                return "expected decimal inches of at most 10 characters";
            record.setParamText(i, *text);
            return std::nullopt;
        };
    }
}

void AddWoods(Table& table, const Vocabulary& vocabulary)
{
    auto& section = table["Woods"];
    for (int row = 0; row < kPartRows; ++row) {
        section[vocabulary.partNames()[static_cast<std::size_t>(row)]].set =
            [row](CabinetRecord& record, std::string_view value) -> std::optional<std::string> {
            const auto first = value.find('*');
            const auto second = first == std::string_view::npos ? first : value.find('*', first + 1);
            if (second == std::string_view::npos)
                return "expected wood * stock * price";
            const auto name = TrimBlanks(value.substr(0, first));
            const auto stock =
                CheckedDecimal(TrimBlanks(value.substr(first + 1, second - first - 1)), FieldCapacity::PartStockText);
            const auto price = TrimBlanks(value.substr(second + 1));
            if (name.empty() || name.size() > static_cast<std::size_t>(FieldCapacity::PartWood))
                return "the wood name must have 1 to 14 characters";
            if (!stock)
                return "the stock must be decimal inches of at most 8 characters";
            if (!ParseDecimal(price) || price.size() > static_cast<std::size_t>(FieldCapacity::PartPriceText))
                return "the price must be a number of at most 5 characters";
            record.setPartWood(row, name);
            record.setPartStockText(row, *stock);
            record.setPartPriceText(row, price);
            return std::nullopt;
        };
    }
}

void AddIncludes(Table& table, const Vocabulary& vocabulary)
{
    auto& section = table["Include"];
    for (int item = 0; item < kIncludeItems; ++item)
        section[vocabulary.includeNames()[static_cast<std::size_t>(item)]].set =
            Flag(RecordOffset::IncludeFlags + item);
}

void AddCabinet(Table& table)
{
    auto& section = table["Cabinet"];
    section["SectionCount"].set = [](CabinetRecord& record, std::string_view value) -> std::optional<std::string> {
        const auto number = ParseInteger(value);
        if (!number || *number < 1 || *number > kSections)
            return "expected 1, 2 or 3";
        record.setSectionCount(static_cast<int>(*number));
        return std::nullopt;
    };
    section["DetachedBase"].set = Flag(RecordOffset::DetachedBase);
    section["BlindCorner"].set = Flag(RecordOffset::BlindCorner);
    section["AdjustableShelves"].set = Flag(RecordOffset::AdjustableShelves);
    section["RaisedPanelSides"].set = Flag(RecordOffset::RaisedPanelSides);
    section["NailerCount"].set = [](CabinetRecord& record, std::string_view value) -> std::optional<std::string> {
        if (value != "1" && value != "2" && value != "3")
            return "expected 1, 2 or 3";
        record.setNailerCount(value);
        return std::nullopt;
    };
    section["Hours"].set = Text(FieldCapacity::Hours, [](CabinetRecord& r, std::string_view v) { r.setHours(v); });
    section["Cost"].set = Text(FieldCapacity::Cost, [](CabinetRecord& r, std::string_view v) { r.setCost(v); });
}

template <std::size_t N>
void AddFlags(std::map<std::string, Field>& section, const std::array<std::string_view, N>& names, int offset)
{
    for (std::size_t i = 0; i < N; ++i)
        section[std::string(names[i])].set = Flag(offset + static_cast<int>(i));
}

void AddSections(Table& table)
{
    static constexpr int maxima[] = {kMaxShelves,    kMaxDrawers, kMaxDrawers, kMaxDoors,   1,
                                     kMaxPartitions, 1,           1,           kMaxShelves, kMaxDoors};
    for (int s = 0; s < kSections; ++s) {
        auto& section = table[std::string("Section ") + kSectionLetters[s]];
        for (std::size_t k = 0; k < kSectionCountNames.size(); ++k) {
            const auto item = static_cast<SectionItem>(k + 1);
            const bool isFlag = item == SectionItem::MullionOffset || item == SectionItem::PartitionAbove ||
                                item == SectionItem::PartitionBelow;
            Setter setter;
            if (isFlag)
                setter = Flag(RecordOffset::Sections + RecordOffset::SectionBlockSize * s + static_cast<int>(item));
            else
                setter = Count(maxima[k], [s, item](CabinetRecord& r, int v) { r.setSectionItem(s, item, v); });
            section[std::string(kSectionCountNames[k])].set = setter;
        }
    }
}

// Section items 11..18 repeat the raised panel designer's controls for the
// door calculators; the program rewrites them after every load, and so do we.
void CopyPanelStyleIntoSections(CabinetRecord& record)
{
    const auto panel = [&](int i) { return record.byte(RecordOffset::RaisedPanel + i); };
    for (int s = 0; s < kSections; ++s) {
        const int x = 1 + 4 * s;
        const int xp = 14 + 4 * s;
        record.setSectionItem(s, SectionItem::LowerPanelsOffset, panel(0));
        record.setSectionItem(s, SectionItem::DoublePanel, panel(x));
        record.setSectionItem(s, SectionItem::NegativeOffset, panel(x + 1));
        record.setSectionItem(s, SectionItem::Horizontal, panel(x + 2));
        record.setSectionItem(s, SectionItem::UpperPanelsOffset, panel(13));
        record.setSectionItem(s, SectionItem::DoublePanelP, panel(xp));
        record.setSectionItem(s, SectionItem::NegativeOffsetP, panel(xp + 1));
        record.setSectionItem(s, SectionItem::HorizontalP, panel(xp + 2));
    }
}

} // namespace

Result<CabinetRecord> CompileNewcab(std::string_view source, const Vocabulary& vocabulary)
{
    Table table;
    AddParameters(table, vocabulary);
    AddWoods(table, vocabulary);
    AddIncludes(table, vocabulary);
    AddCabinet(table);
    AddFlags(table["Options"], kOptionNames, RecordOffset::Options);
    AddFlags(table["Panel"], kRaisedPanelNames, RecordOffset::RaisedPanel);
    AddFlags(table["Enabled"], kDrawerEnabledNames, RecordOffset::DrawerEnabled);
    AddFlags(table["Enabled"], kFaceEnabledNames, RecordOffset::FaceEnabled);
    AddFlags(table["Enabled"], kPanelEnabledNames, RecordOffset::PanelEnabled);
    AddSections(table);
    // Names double as keys here, and the program finds parameters by name:
    // a repeated name would be a bug in the data files themselves.
    if (table["Parameters"].size() != kParamCount || table["Woods"].size() != kPartRows ||
        table["Include"].size() != kIncludeItems)
        return Result<CabinetRecord>::failure("the names in Dims.dat, CabParts.dat and IncParts.dat must be distinct");

    CabinetRecord record;
    record.resetSpareParamSlots();
    std::map<std::string, Field>* current = nullptr;
    std::string currentName;
    const auto lines = SplitLines(source);
    for (std::size_t n = 0; n < lines.size(); ++n) {
        const auto line = TrimBlanks(lines[n]);
        const std::string where = "line " + std::to_string(n + 1) + ": ";
        if (line.empty() || line.front() == '#')
            continue;
        if (line.front() == '[' && line.back() == ']') {
            currentName = std::string(line.substr(1, line.size() - 2));
            const auto it = table.find(currentName);
            if (it == table.end())
                return Result<CabinetRecord>::failure(where + "unknown section [" + currentName + "]");
            current = &it->second;
            continue;
        }
        const auto equals = line.find('=');
        if (!current || equals == std::string_view::npos)
            return Result<CabinetRecord>::failure(where + "expected key = value inside a [section]");
        const std::string key(TrimBlanks(line.substr(0, equals)));
        const auto value = TrimBlanks(line.substr(equals + 1));
        const auto field = current->find(key);
        if (field == current->end())
            return Result<CabinetRecord>::failure(where + "unknown key \"" + key + "\" in [" + currentName + "]");
        if (field->second.seen)
            return Result<CabinetRecord>::failure(where + "\"" + key + "\" is given twice");
        field->second.seen = true;
        if (auto problem = field->second.set(record, value))
            return Result<CabinetRecord>::failure(where + key + ": " + *problem);
    }
    for (const auto& [sectionName, fields] : table)
        for (const auto& [key, field] : fields)
            if (!field.seen)
                return Result<CabinetRecord>::failure("missing \"" + key + "\" in [" + sectionName + "]");
    if (record.includeFlag(0) && record.includeFlag(19))
        return Result<CabinetRecord>::failure("the top and the carcass rails cannot both be included");
    CopyPanelStyleIntoSections(record);
    if (auto problem = CheckRecordCounts(record))
        return Result<CabinetRecord>::failure(*problem);
    return record;
}

} // namespace boxmill
