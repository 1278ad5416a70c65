// SPDX-License-Identifier: GPL-3.0-or-later
#include "CabinetText.h"

#include "CabinetFile.h"
#include "FileIo.h"
#include "MessageText.h"
#include "Money.h"
#include "NumberText.h"
#include "PanelStyle.h"
#include "RecordFieldNames.h"
#include "TextFileContent.h"
#include "Vocabulary.h"

#include <algorithm>
#include <bitset>
#include <functional>
#include <map>
#include <set>
#include <vector>

namespace boxmill {

namespace {

constexpr std::string_view kHeader = "# A Boxmill cabinet in its readable form (docs/CABINET-TEXT.md);\n"
                                     "# boxmill-cli import makes the cabinet file of it again.\n";
constexpr std::string_view kBytesSection = "Bytes";
// Short enough a line to read, long enough that a tail of a few kilobytes
// stays a page or two.
constexpr std::size_t kBytesPerLine = 16;
constexpr auto kRecordSize = static_cast<std::size_t>(RecordOffset::Size);

using Problem = std::optional<std::string>;

// ---- Values -------------------------------------------------------------

// One value of a line: a plain word, or a quoted text that may hold any byte.
struct Piece {
    std::string text;
    bool quoted = false;
};

int HexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

// The pieces of a value, split at `separator` (a value of one piece when it
// is 0). Plain pieces are trimmed; a quoted one is taken as it stands.
Result<std::vector<Piece>> SplitPieces(std::string_view value, char separator)
{
    using Failure = Result<std::vector<Piece>>;
    std::vector<Piece> pieces;
    std::size_t at = 0;
    for (;;) {
        while (at < value.size() && IsBlank(value[at]))
            ++at;
        Piece piece;
        if (at < value.size() && value[at] == '"') {
            piece.quoted = true;
            bool closed = false;
            for (++at; at < value.size() && !closed;) {
                const char c = value[at++];
                if (c == '"') {
                    closed = true;
                } else if (c != '\\') {
                    piece.text += c;
                } else if (at < value.size() && (value[at] == '"' || value[at] == '\\')) {
                    piece.text += value[at++];
                } else if (value.size() - at >= 3 && value[at] == 'x' && HexDigit(value[at + 1]) >= 0 &&
                           HexDigit(value[at + 2]) >= 0) {
                    piece.text += static_cast<char>(HexDigit(value[at + 1]) * 16 + HexDigit(value[at + 2]));
                    at += 3;
                } else {
                    return Failure::failure("a quoted text knows only the escapes \\\", \\\\ and \\x with two hex "
                                            "digits");
                }
            }
            if (!closed)
                return Failure::failure("the quoted text has no closing \"");
            while (at < value.size() && IsBlank(value[at]))
                ++at;
            if (at < value.size() && (separator == 0 || value[at] != separator))
                return Failure::failure("nothing but blanks may follow a quoted text");
        } else {
            const auto end = separator == 0 ? std::string_view::npos : value.find(separator, at);
            piece.text = std::string(TrimBlanks(value.substr(at, end == std::string_view::npos ? end : end - at)));
            at = end == std::string_view::npos ? value.size() : end;
        }
        pieces.push_back(std::move(piece));
        if (at >= value.size())
            return pieces;
        ++at; // past the separator
    }
}

// Whether a text can stand unquoted: printable ASCII, no blank at either
// end (plain values are trimmed), no opening quote, no separator.
bool PlainSafe(std::string_view text, char separator)
{
    if (!text.empty() && (text.front() == '"' || text.front() == ' ' || text.back() == ' '))
        return false;
    return std::all_of(text.begin(), text.end(), [separator](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return byte >= 0x20 && byte < 0x7F && c != separator;
    });
}

std::string Quote(std::string_view text)
{
    static constexpr char kHex[] = "0123456789abcdef";
    std::string quoted = "\"";
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            quoted += '\\';
            quoted += c;
        } else if (byte < 0x20 || byte >= 0x7F) {
            quoted += "\\x";
            quoted += kHex[byte >> 4];
            quoted += kHex[byte & 0xF];
        } else {
            quoted += c;
        }
    }
    return quoted + '"';
}

// ---- Fields -------------------------------------------------------------

// The kinds of short text the record holds, by what a plain value must be.
enum class TextKind {
    Size,   // decimal inches, stored in the program's own form
    Price,  // a number, stored as typed
    Wood,   // a wood name
    Free,   // anything (labour hours and rate)
    Nailer, // 1, 2 or 3
};

struct TextField {
    int offset;
    int capacity;
    TextKind kind;
};

// A size the loader accepts: a number from 0 to kLargestLength, or no number
// at all (read as 0). The loader's own check decides, on a record that holds
// nothing else.
bool SoundSizeText(std::string_view text)
{
    CabinetRecord probe;
    probe.setParamText(0, text);
    return !CheckRecordSizes(probe);
}

Result<std::string> StoreText(const TextField& field, const Piece& piece)
{
    using Failure = Result<std::string>;
    const auto capacity = static_cast<std::size_t>(field.capacity);
    const std::string most = std::to_string(capacity) + " characters";
    if (piece.quoted) {
        if (piece.text.size() > capacity)
            return Failure::failure("longer than " + most);
        if (field.kind == TextKind::Size && !SoundSizeText(piece.text))
            return Failure::failure(QuoteFileText(piece.text) + " is a number beyond 0 to " +
                                    FormatDecimal(kLargestLength) + " inches");
        return piece.text;
    }
    const std::string_view plain = piece.text;
    switch (field.kind) {
    case TextKind::Size: {
        const auto value = ParseDecimal(plain);
        const std::string text = value ? FormatDecimal(*value) : std::string();
        if (!value || *value < 0.0 || *value > kLargestLength || text.size() > capacity)
            return Failure::failure("expected decimal inches from 0 to " + FormatDecimal(kLargestLength) +
                                    " of at most " + most);
        return text;
    }
    case TextKind::Price:
        if (!ParseMoney(plain) || plain.size() > capacity)
            return Failure::failure("expected a price of at most " + most);
        break;
    case TextKind::Wood:
        if (plain.empty() || plain.size() > capacity)
            return Failure::failure("expected a wood name of 1 to " + most);
        break;
    case TextKind::Free:
        if (plain.size() > capacity)
            return Failure::failure("longer than " + most);
        break;
    case TextKind::Nailer:
        if (plain != "1" && plain != "2" && plain != "3")
            return Failure::failure("expected 1, 2 or 3");
        break;
    }
    return std::string(plain);
}

// Plain when reading it back stores the very same text, quoted otherwise.
std::string FormatText(const TextField& field, const CabinetRecord& record, char separator)
{
    std::string text = record.shortString(field.offset, field.capacity);
    if (PlainSafe(text, separator)) {
        const auto stored = StoreText(field, {text, false});
        if (stored && *stored == text)
            return text;
    }
    return Quote(text);
}

struct Field {
    std::string key;
    std::function<std::string(const CabinetRecord&)> format;
    // Stores the value as the line gives it; the reason when it cannot.
    std::function<Problem(CabinetRecord&, std::string_view)> store;
};

struct Section {
    std::string name;
    std::vector<Field> fields;
};

// Flags and counts are plain words; a quoted one is no more than a typo.
std::optional<std::string> PlainWord(std::string_view value)
{
    auto pieces = SplitPieces(value, 0);
    if (!pieces || pieces->front().quoted)
        return std::nullopt;
    return pieces->front().text;
}

Field TextValue(std::string key, TextField field)
{
    return {std::move(key), [field](const CabinetRecord& record) { return FormatText(field, record, 0); },
            [field](CabinetRecord& record, std::string_view value) -> Problem {
                auto pieces = SplitPieces(value, 0);
                if (!pieces)
                    return pieces.error();
                auto text = StoreText(field, pieces->front());
                if (!text)
                    return text.error();
                record.setShortString(field.offset, field.capacity, *text);
                return std::nullopt;
            }};
}

Field WoodValue(std::string key, int row)
{
    const std::array<TextField, 3> parts = {{
        {RecordOffset::PartWood + row * (FieldCapacity::PartWood + 1), FieldCapacity::PartWood, TextKind::Wood},
        {RecordOffset::PartStockText + row * (FieldCapacity::PartStockText + 1), FieldCapacity::PartStockText,
         TextKind::Size},
        {RecordOffset::PartPriceText + row * (FieldCapacity::PartPriceText + 1), FieldCapacity::PartPriceText,
         TextKind::Price},
    }};
    return {std::move(key),
            [parts](const CabinetRecord& record) {
                return FormatText(parts[0], record, '*') + " * " + FormatText(parts[1], record, '*') + " * " +
                       FormatText(parts[2], record, '*');
            },
            [parts](CabinetRecord& record, std::string_view value) -> Problem {
                auto pieces = SplitPieces(value, '*');
                if (!pieces)
                    return pieces.error();
                if (pieces->size() != parts.size())
                    return "expected wood * stock * price";
                static constexpr const char* kWhat[] = {"the wood name: ", "the stock: ", "the price: "};
                std::array<std::string, 3> texts;
                for (std::size_t i = 0; i < parts.size(); ++i) {
                    auto text = StoreText(parts[i], (*pieces)[i]);
                    if (!text)
                        return kWhat[i] + text.error();
                    texts[i] = std::move(text).value();
                }
                for (std::size_t i = 0; i < parts.size(); ++i)
                    record.setShortString(parts[i].offset, parts[i].capacity, texts[i]);
                return std::nullopt;
            }};
}

Field FlagValue(std::string key, int offset)
{
    return {std::move(key), [offset](const CabinetRecord& record) { return record.flag(offset) ? "yes" : "no"; },
            [offset](CabinetRecord& record, std::string_view value) -> Problem {
                const auto word = PlainWord(value);
                if (!word || (*word != "yes" && *word != "no"))
                    return "expected yes or no";
                record.setFlag(offset, *word == "yes");
                return std::nullopt;
            }};
}

Field CountValue(std::string key, int offset, int least, int most)
{
    return {std::move(key), [offset](const CabinetRecord& record) { return std::to_string(record.byte(offset)); },
            [offset, least, most](CabinetRecord& record, std::string_view value) -> Problem {
                const auto word = PlainWord(value);
                const auto number = word ? ParseInteger(*word) : std::nullopt;
                if (!number || *number < least || *number > most)
                    return "expected a whole number from " + std::to_string(least) + " to " + std::to_string(most);
                record.setByte(offset, static_cast<std::uint8_t>(*number));
                return std::nullopt;
            }};
}

// A partition's move: no, or its distance from the centre in drawing units,
// which the designer stores and every load measures again; yes is 1, as a
// text written by hand says "moved".
Field MoveValue(std::string key, int offset)
{
    return {
        std::move(key),
        [offset](const CabinetRecord& record) {
            const int distance = record.byte(offset);
            return distance == 0 ? std::string("no") : distance == 1 ? std::string("yes") : std::to_string(distance);
        },
        [offset](CabinetRecord& record, std::string_view value) -> Problem {
            const auto word = PlainWord(value);
            const auto number = word ? ParseInteger(*word) : std::nullopt;
            const bool yes = word && *word == "yes";
            if (!(word && (yes || *word == "no")) && !(number && *number >= 0 && *number <= 255))
                return "expected no, yes or a distance from 0 to 255";
            record.setByte(offset, static_cast<std::uint8_t>(yes ? 1 : number.value_or(0)));
            return std::nullopt;
        }};
}

// The keys a data file gives: the names trimmed, each usable on a line of
// its own and distinct from the others.
Result<std::vector<std::string>> KeysOf(const std::vector<std::string>& names, int count, const char* file)
{
    using Failure = Result<std::vector<std::string>>;
    const auto refuse = [](const std::string& why) {
        return Failure::failure(
            "The names in Dims.dat, IncParts.dat and CabParts.dat are the keys of a cabinet text, so each must be "
            "distinct and fit on a line of its own: " +
            why + ".");
    };
    std::vector<std::string> keys;
    std::set<std::string> seen;
    for (int i = 0; i < count; ++i) {
        const auto index = static_cast<std::size_t>(i);
        const std::string key(index < names.size() ? TrimBlanks(names[index]) : std::string_view());
        const std::string where = "line " + std::to_string(i + 1) + " of " + file;
        if (key.empty())
            return refuse(where + " is empty");
        const bool control = std::any_of(key.begin(), key.end(), [](char c) {
            return static_cast<unsigned char>(c) < 0x20 || static_cast<unsigned char>(c) == 0x7F;
        });
        if (control || key.find('=') != std::string::npos || key.front() == '[' || key.front() == '#')
            return refuse(QuoteFileText(key) + " (" + where +
                          ") holds \"=\", a control character or begins with "
                          "\"[\" or \"#\"");
        if (!seen.insert(key).second)
            return refuse(QuoteFileText(key) + " (" + where + ") is given twice");
        keys.push_back(key);
    }
    return keys;
}

template <std::size_t N> void AddFlags(Section& section, const std::array<std::string_view, N>& names, int offset)
{
    for (std::size_t i = 0; i < N; ++i)
        section.fields.push_back(FlagValue(std::string(names[i]), offset + static_cast<int>(i)));
}

int SectionByte(int s, SectionItem item)
{
    return RecordOffset::Sections + RecordOffset::SectionBlockSize * s + static_cast<int>(item);
}

// Every field of the readable form, in the order an export writes them.
Result<std::vector<Section>> TextLayout(const Vocabulary& vocabulary)
{
    using Failure = Result<std::vector<Section>>;
    const auto parameters = KeysOf(vocabulary.parameterBase(), kParamCount, "Dims.dat");
    if (!parameters)
        return Failure::failure(parameters.error());
    const auto parts = KeysOf(vocabulary.partNames(), kPartRows, "CabParts.dat");
    if (!parts)
        return Failure::failure(parts.error());
    const auto includes = KeysOf(vocabulary.includeNames(), kIncludeItems, "IncParts.dat");
    if (!includes)
        return Failure::failure(includes.error());

    std::vector<Section> layout;
    Section& params = layout.emplace_back(Section {"Parameters", {}});
    for (int i = 0; i < kParamCount; ++i)
        params.fields.push_back(TextValue(
            (*parameters)[static_cast<std::size_t>(i)],
            {RecordOffset::ParamText + i * (FieldCapacity::ParamText + 1), FieldCapacity::ParamText, TextKind::Size}));
    Section& woods = layout.emplace_back(Section {"Woods", {}});
    for (int row = 0; row < kPartRows; ++row)
        woods.fields.push_back(WoodValue((*parts)[static_cast<std::size_t>(row)], row));
    Section& include = layout.emplace_back(Section {"Include", {}});
    for (int item = 0; item < kIncludeItems; ++item)
        include.fields.push_back(
            FlagValue((*includes)[static_cast<std::size_t>(item)], RecordOffset::IncludeFlags + item));

    Section& cabinet = layout.emplace_back(Section {"Cabinet", {}});
    cabinet.fields.push_back(CountValue("SectionCount", RecordOffset::SectionCount, 1, kSections));
    cabinet.fields.push_back(FlagValue("DetachedBase", RecordOffset::DetachedBase));
    cabinet.fields.push_back(FlagValue("BlindCorner", RecordOffset::BlindCorner));
    cabinet.fields.push_back(FlagValue("AdjustableShelves", RecordOffset::AdjustableShelves));
    cabinet.fields.push_back(FlagValue("RaisedPanelSides", RecordOffset::RaisedPanelSides));
    cabinet.fields.push_back(
        TextValue("NailerCount", {RecordOffset::NailerCount, FieldCapacity::NailerCount, TextKind::Nailer}));
    cabinet.fields.push_back(TextValue("Hours", {RecordOffset::Hours, FieldCapacity::Hours, TextKind::Free}));
    cabinet.fields.push_back(TextValue("Cost", {RecordOffset::Cost, FieldCapacity::Cost, TextKind::Free}));

    AddFlags(layout.emplace_back(Section {"Options", {}}), kOptionNames, RecordOffset::Options);

    // The limits of the loader (CheckRecordCounts), so that whatever it
    // accepts can be written, and nothing else read.
    static constexpr int kMost[] = {kMaxShelves,    kMaxDrawers, kMaxDrawers, kMaxDoors,   1,
                                    kMaxPartitions, 1,           1,           kMaxShelves, kMaxDoors};
    static_assert(std::size(kMost) == std::tuple_size_v<decltype(kSectionCountNames)>);
    for (int s = 0; s < kSections; ++s) {
        Section& section = layout.emplace_back(Section {std::string("Section ") + kSectionLetters[s], {}});
        for (std::size_t k = 0; k < kSectionCountNames.size(); ++k) {
            const auto item = static_cast<SectionItem>(k + 1);
            const std::string key(kSectionCountNames[k]);
            const int offset = SectionByte(s, item);
            if (item == SectionItem::MullionOffset)
                section.fields.push_back(FlagValue(key, offset));
            else if (item == SectionItem::PartitionAbove || item == SectionItem::PartitionBelow)
                section.fields.push_back(MoveValue(key, offset));
            else
                section.fields.push_back(CountValue(key, offset, 0, kMost[k]));
        }
    }

    AddFlags(layout.emplace_back(Section {"Panel", {}}), kRaisedPanelNames, RecordOffset::RaisedPanel);
    Section& enabled = layout.emplace_back(Section {"Enabled", {}});
    AddFlags(enabled, kDrawerEnabledNames, RecordOffset::DrawerEnabled);
    AddFlags(enabled, kFaceEnabledNames, RecordOffset::FaceEnabled);
    AddFlags(enabled, kPanelEnabledNames, RecordOffset::PanelEnabled);
    return layout;
}

// ---- Reading ------------------------------------------------------------

struct RecordBytes {
    std::size_t offset;
    std::string bytes;
};

// The [Bytes] lines read so far: runs within the record, to be laid over the
// fields at the end, and the tail, which must run on without a gap.
struct BytesSection {
    std::vector<RecordBytes> runs;
    std::bitset<kRecordSize> given;
    std::string tail;

    Problem add(std::string_view key, std::string_view value)
    {
        const auto offset = ParseInteger(key);
        if (!offset || *offset < 0 || static_cast<unsigned long long>(*offset) >= FileCap::Cabinet)
            return "expected a byte offset from 0 to " + std::to_string(FileCap::Cabinet - 1) + " before \"=\"";
        std::string bytes;
        for (std::size_t at = 0; at < value.size();) {
            if (IsBlank(value[at])) {
                ++at;
                continue;
            }
            if (value.size() - at < 2 || HexDigit(value[at]) < 0 || HexDigit(value[at + 1]) < 0 ||
                (value.size() - at > 2 && !IsBlank(value[at + 2])))
                return "expected bytes as pairs of hex digits, such as 00 7f";
            bytes += static_cast<char>(HexDigit(value[at]) * 16 + HexDigit(value[at + 1]));
            at += 2;
        }
        if (bytes.empty())
            return "expected bytes as pairs of hex digits after \"=\"";
        const auto begin = static_cast<std::size_t>(*offset);
        const auto end = begin + bytes.size();
        if (end > FileCap::Cabinet)
            return "a cabinet file holds at most " + std::to_string(FileCap::Cabinet) + " bytes";
        if (begin < kRecordSize) {
            if (end > kRecordSize)
                return "a line gives bytes of the record (up to " + std::to_string(kRecordSize - 1) +
                       ") or after it, not both";
            for (std::size_t i = begin; i < end; ++i) {
                if (given[i])
                    return "byte " + std::to_string(i) + " is given twice";
                given[i] = true;
            }
            runs.push_back({begin, std::move(bytes)});
            return std::nullopt;
        }
        if (begin != kRecordSize + tail.size())
            return "the bytes after the record run on without a gap: this line must begin at byte " +
                   std::to_string(kRecordSize + tail.size());
        tail += bytes;
        return std::nullopt;
    }
};

// The fields and [Bytes] of a text, unchecked against the loader.
Result<CabinetFileImage> ReadFields(std::string_view text, const std::vector<Section>& layout)
{
    using Failure = Result<CabinetFileImage>;
    std::map<std::string, std::size_t, std::less<>> sectionIndex;
    std::vector<std::map<std::string, std::size_t, std::less<>>> keyIndex(layout.size());
    std::vector<std::vector<bool>> seen(layout.size());
    for (std::size_t s = 0; s < layout.size(); ++s) {
        sectionIndex[layout[s].name] = s;
        for (std::size_t f = 0; f < layout[s].fields.size(); ++f)
            keyIndex[s][layout[s].fields[f].key] = f;
        seen[s].assign(layout[s].fields.size(), false);
    }

    CabinetRecord record;
    record.resetSpareParamSlots();
    BytesSection extra;
    std::optional<std::size_t> current;
    bool inBytes = false;
    const auto content = TextFileContent(text);
    if (!content)
        return Failure::failure(content.error());
    const auto lines = SplitLines(*content);
    for (std::size_t n = 0; n < lines.size(); ++n) {
        const auto line = TrimBlanks(lines[n]);
        const std::string where = "line " + std::to_string(n + 1) + ": ";
        if (line.empty() || line.front() == '#')
            continue;
        if (line.size() >= 2 && line.front() == '[' && line.back() == ']') {
            const auto name = line.substr(1, line.size() - 2);
            inBytes = name == kBytesSection;
            const auto found = sectionIndex.find(name);
            current = found == sectionIndex.end() ? std::nullopt : std::optional<std::size_t>(found->second);
            if (!current && !inBytes)
                return Failure::failure(where + "unknown section [" + FileTextForMessage(name) + "]");
            continue;
        }
        const auto equals = line.find('=');
        if ((!current && !inBytes) || equals == std::string_view::npos)
            return Failure::failure(where + "expected key = value inside a [section]");
        const auto key = TrimBlanks(line.substr(0, equals));
        const auto value = TrimBlanks(line.substr(equals + 1));
        if (inBytes) {
            if (auto problem = extra.add(key, value))
                return Failure::failure(where + *problem);
            continue;
        }
        const auto& section = layout[*current];
        const auto field = keyIndex[*current].find(key);
        if (field == keyIndex[*current].end())
            return Failure::failure(where + "unknown key " + QuoteFileText(key) + " in [" + section.name + "]");
        if (seen[*current][field->second])
            return Failure::failure(where + QuoteFileText(key) + " is given twice");
        seen[*current][field->second] = true;
        if (auto problem = section.fields[field->second].store(record, value))
            return Failure::failure(where + FileTextForMessage(key) + ": " + *problem);
    }
    for (std::size_t s = 0; s < layout.size(); ++s)
        for (std::size_t f = 0; f < layout[s].fields.size(); ++f)
            if (!seen[s][f])
                return Failure::failure("missing " + QuoteFileText(layout[s].fields[f].key) + " in [" + layout[s].name +
                                        "]");

    // Section items 11..18 repeat the raised panel style for the door
    // calculators, so they follow [Panel] rather than being keys of their
    // own; a file whose copies differ keeps them through [Bytes].
    CopyPanelStyleToSections(LoadPanelStyle(record), record);
    for (const auto& run : extra.runs)
        for (std::size_t i = 0; i < run.bytes.size(); ++i)
            record.setByte(static_cast<int>(run.offset + i), static_cast<std::uint8_t>(run.bytes[i]));
    return CabinetFileImage {record, std::move(extra.tail)};
}

std::string BytesLine(std::size_t offset, std::string_view bytes)
{
    static constexpr char kHex[] = "0123456789abcdef";
    std::string line = std::to_string(offset) + " =";
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        line += ' ';
        line += kHex[byte >> 4];
        line += kHex[byte & 0xF];
    }
    return line + '\n';
}

} // namespace

Result<CabinetFileImage> ParseCabinetFileImage(std::string_view bytes)
{
    if (bytes.size() > FileCap::Cabinet)
        return Result<CabinetFileImage>::failure("This is not a cabinet file: it holds " +
                                                 std::to_string(bytes.size()) + " bytes, more than the " +
                                                 std::to_string(FileCap::Cabinet) + " the program reads.");
    auto record = ParseCabinetRecord(bytes);
    if (!record)
        return Result<CabinetFileImage>::failure(record.error());
    return CabinetFileImage {*record, std::string(bytes.substr(kRecordSize))};
}

Result<CabinetFileImage> ReadCabinetFileImage(const std::filesystem::path& path)
{
    auto bytes = ReadFileBytes(path, FileCap::Cabinet);
    if (!bytes)
        return Result<CabinetFileImage>::failure(bytes.error());
    auto image = ParseCabinetFileImage(*bytes);
    if (!image)
        return Result<CabinetFileImage>::failure("\"" + path.filename().string() + "\": " + image.error());
    return image;
}

std::string CabinetFileBytes(const CabinetFileImage& image)
{
    const auto& bytes = image.record.bytes();
    return std::string(reinterpret_cast<const char*>(bytes.data()), bytes.size()) + image.tail;
}

Status WriteCabinetFileImage(const std::filesystem::path& path, const CabinetFileImage& image)
{
    return WriteFileAtomic(path, CabinetFileBytes(image));
}

Result<std::string> FormatCabinetText(const CabinetFileImage& image, const Vocabulary& vocabulary)
{
    const auto layout = TextLayout(vocabulary);
    if (!layout)
        return Result<std::string>::failure(layout.error());
    std::string text(kHeader);
    for (const auto& section : *layout) {
        text += "\n[" + section.name + "]\n";
        for (const auto& field : section.fields)
            text += field.key + " = " + field.format(image.record) + "\n";
    }

    // What the fields alone give; [Bytes] holds the rest of the file.
    const auto base = ReadFields(text, *layout);
    if (!base)
        return Result<std::string>::failure("The cabinet cannot be written as text: " + base.error());
    const auto& want = image.record.bytes();
    const auto& have = base->record.bytes();
    std::string extra;
    for (std::size_t at = 0; at < kRecordSize;) {
        if (want[at] == have[at]) {
            ++at;
            continue;
        }
        std::size_t end = at;
        while (end < kRecordSize && end - at < kBytesPerLine && want[end] != have[end])
            ++end;
        extra += BytesLine(at, std::string_view(reinterpret_cast<const char*>(want.data()) + at, end - at));
        at = end;
    }
    for (std::size_t at = 0; at < image.tail.size(); at += kBytesPerLine)
        extra += BytesLine(kRecordSize + at, std::string_view(image.tail).substr(at, kBytesPerLine));
    if (!extra.empty())
        text += "\n[" + std::string(kBytesSection) + "]\n" + extra;
    return text;
}

Result<CabinetFileImage> ParseCabinetText(std::string_view text, const Vocabulary& vocabulary)
{
    const auto layout = TextLayout(vocabulary);
    if (!layout)
        return Result<CabinetFileImage>::failure(layout.error());
    auto image = ReadFields(text, *layout);
    if (!image)
        return image;
    if (auto problem = ValidateCabinetRecord(image->record))
        return Result<CabinetFileImage>::failure("The program would refuse this cabinet: " + *problem);
    return image;
}

} // namespace boxmill
