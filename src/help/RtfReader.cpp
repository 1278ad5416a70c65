// SPDX-License-Identifier: GPL-3.0-or-later
#include "RtfReader.h"

#include "RtfCharacters.h"
#include "core/FileIo.h"
#include "core/TextFileContent.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdint>
#include <map>
#include <optional>

namespace boxmill {

namespace {

using rtf::AppendUtf8;
using rtf::kReplacement;

// ListText is the number or bullet a word processor writes before a list
// item (and before numbered headings, where it is only a tab).
enum class Destination { Text, Skip, StyleSheet, StyleEntry, ListText };

struct CharacterFormat {
    bool bold = false;
    bool italic = false;
    bool underline = false;
    int halfPoints = 24;

    bool operator==(const CharacterFormat&) const = default;
};

struct ParagraphFormat {
    int style = 0;
    // \outlinelevelN, which counts from 0; -1 when the paragraph has none.
    int outlineLevel = -1;
    RtfAlignment alignment = RtfAlignment::Left;
    int leftIndent = 0;
    int firstLineIndent = 0;
    std::vector<int> tabStops;
    int spaceBefore = 0;
    int spaceAfter = 0;
    bool inTable = false;
};

struct GroupState {
    Destination destination = Destination::Text;
    CharacterFormat character;
    ParagraphFormat paragraph;
    // How many fallback characters follow each \uN.
    int unicodeFallback = 1;
};

// Groups whose text is not part of what the reader shows: tables of fonts,
// colours and lists, document properties, pictures, headers and footers,
// field instructions (the field's result is shown).
constexpr std::array<std::string_view, 28> kSkippedDestinations = {
    "fonttbl",   "colortbl",          "info",      "pict",      "object",    "objdata",  "header",     "headerl",
    "headerr",   "headerf",           "footer",    "footerl",   "footerr",   "footerf",  "footnote",   "fldinst",
    "listtable", "listoverridetable", "revtbl",    "rsidtbl",   "generator", "xmlnstbl", "nonshppict", "shp",
    "filetbl",   "template",          "datafield", "themedata",
};

bool IsSkippedDestination(std::string_view word)
{
    return std::find(kSkippedDestinations.begin(), kSkippedDestinations.end(), word) != kSkippedDestinations.end();
}

// "heading 2" (any case) names a heading style of level 2.
int HeadingLevelOfStyleName(std::string name)
{
    while (!name.empty() && (name.back() == ' ' || name.back() == ';'))
        name.pop_back();
    std::transform(name.begin(), name.end(), name.begin(),
                   [](unsigned char c) { return static_cast<char>(c >= 'A' && c <= 'Z' ? c + 32 : c); });
    constexpr std::string_view prefix = "heading ";
    if (name.size() != prefix.size() + 1 || name.compare(0, prefix.size(), prefix) != 0)
        return 0;
    const char digit = name.back();
    return digit >= '1' && digit <= '9' ? digit - '0' : 0;
}

int HexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

bool IsLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

class Parser {
public:
    explicit Parser(std::string_view bytes)
        : m_bytes(bytes)
    {
    }

    Result<RtfDocument> run();

private:
    struct Failure {
        std::string message;
    };
    [[noreturn]] void fail(const std::string& what) const
    {
        throw Failure {what + " at byte " + std::to_string(m_pos) + "."};
    }

    void openGroup();
    // True when the outermost group closed.
    bool closeGroup();
    void controlSymbol(char symbol);
    void controlWord(std::string_view word, std::optional<int> parameter);
    void readControl();
    void escapedByte();
    void unicode(int value);
    void character(char32_t c);
    void endParagraph();
    void appendToParagraph(char32_t c);
    void finishListText();
    void finishStyleEntry();

    GroupState& state() { return m_groups.back(); }

    std::string_view m_bytes;
    std::size_t m_pos = 0;
    std::vector<GroupState> m_groups;
    int m_codePage = 1252;
    // Fallback characters still to drop after a \uN.
    int m_skipFallback = 0;
    char32_t m_highSurrogate = 0;
    std::map<int, int> m_headingStyles;
    int m_entryStyle = 0;
    std::string m_entryName;
    std::u32string m_listText;
    // A paragraph ended inside a table cell: the cell's next text goes on a
    // line of its own, but a cell's last paragraph adds nothing.
    bool m_cellBreak = false;
    RtfDocument m_document;
    RtfParagraph m_paragraph;
    std::size_t m_runs = 0;
};

Result<RtfDocument> Parser::run()
{
    try {
        if (m_bytes.size() > RtfLimit::Bytes)
            return Result<RtfDocument>::failure("it holds " + std::to_string(m_bytes.size()) +
                                                " bytes, more than a help document may hold.");
        while (m_pos < m_bytes.size() && std::string_view(" \t\r\n").find(m_bytes[m_pos]) != std::string_view::npos)
            ++m_pos;
        if (m_bytes.substr(m_pos, 5) != "{\\rtf")
            return Result<RtfDocument>::failure("it is not an RTF document (it does not begin with {\\rtf).");
        while (m_pos < m_bytes.size()) {
            const char c = m_bytes[m_pos];
            if (c == '{') {
                ++m_pos;
                openGroup();
            } else if (c == '}') {
                ++m_pos;
                // A last paragraph needs no \par to count.
                if (m_groups.size() == 1 && !m_paragraph.runs.empty())
                    endParagraph();
                // Anything after the document's last brace (some writers
                // add a NUL or a newline) is not part of it.
                if (closeGroup())
                    return std::move(m_document);
            } else if (c == '\\') {
                readControl();
            } else if (c == '\r' || c == '\n') {
                ++m_pos;
            } else {
                ++m_pos;
                if (m_skipFallback > 0)
                    --m_skipFallback;
                else if (c == '\t')
                    character(U'\t');
                else if (static_cast<unsigned char>(c) >= 0x20)
                    character(rtf::DecodeCodePageByte(m_codePage, static_cast<std::uint8_t>(c)));
            }
        }
        return Result<RtfDocument>::failure("unbalanced braces: " + std::to_string(m_groups.size()) +
                                            " group(s) still open at the end of the document.");
    } catch (const Failure& failure) {
        return Result<RtfDocument>::failure(failure.message);
    }
}

void Parser::openGroup()
{
    if (m_groups.size() >= RtfLimit::GroupDepth)
        fail("groups nested more than " + std::to_string(RtfLimit::GroupDepth) + " deep");
    m_skipFallback = 0;
    if (m_groups.empty()) {
        m_groups.emplace_back();
        return;
    }
    GroupState inner = state();
    if (inner.destination == Destination::StyleSheet) {
        inner.destination = Destination::StyleEntry;
        m_entryStyle = 0;
        m_entryName.clear();
    } else if (inner.destination == Destination::StyleEntry) {
        inner.destination = Destination::Skip;
    }
    m_groups.push_back(inner);
}

bool Parser::closeGroup()
{
    if (m_groups.empty())
        fail("unbalanced braces: a closing brace with no group open");
    m_skipFallback = 0;
    if (state().destination == Destination::StyleEntry && m_groups.size() >= 2 &&
        m_groups[m_groups.size() - 2].destination == Destination::StyleSheet)
        finishStyleEntry();
    const bool listText = state().destination == Destination::ListText;
    m_groups.pop_back();
    if (listText && !m_groups.empty() && state().destination != Destination::ListText)
        finishListText();
    return m_groups.empty();
}

void Parser::readControl()
{
    const std::size_t start = m_pos;
    ++m_pos;
    if (m_pos >= m_bytes.size())
        fail("truncated escape: a backslash ends the document");
    const char first = m_bytes[m_pos];
    if (!IsLetter(first)) {
        ++m_pos;
        if (first == '\'') {
            escapedByte();
            return;
        }
        if (m_skipFallback > 0) {
            --m_skipFallback;
            return;
        }
        controlSymbol(first);
        return;
    }
    while (m_pos < m_bytes.size() && IsLetter(m_bytes[m_pos]))
        ++m_pos;
    const std::string_view word = m_bytes.substr(start + 1, m_pos - start - 1);
    if (word.size() > 32)
        fail("a control word longer than 32 letters");
    std::optional<int> parameter;
    if (m_pos < m_bytes.size() && (m_bytes[m_pos] == '-' || (m_bytes[m_pos] >= '0' && m_bytes[m_pos] <= '9'))) {
        const std::size_t numberStart = m_pos;
        if (m_bytes[m_pos] == '-')
            ++m_pos;
        while (m_pos < m_bytes.size() && m_bytes[m_pos] >= '0' && m_bytes[m_pos] <= '9')
            ++m_pos;
        int value = 0;
        const auto [end, error] = std::from_chars(m_bytes.data() + numberStart, m_bytes.data() + m_pos, value);
        if (error != std::errc() || end != m_bytes.data() + m_pos)
            fail("a control word with a number out of range");
        parameter = value;
    }
    // One space ends a control word and belongs to it.
    if (m_pos < m_bytes.size() && m_bytes[m_pos] == ' ')
        ++m_pos;
    if (word == "bin") {
        // Raw binary data of the length given; never text.
        const auto length = static_cast<std::size_t>(std::max(parameter.value_or(0), 0));
        if (length > m_bytes.size() - m_pos)
            fail("truncated binary data");
        m_pos += length;
        return;
    }
    if (m_skipFallback > 0) {
        --m_skipFallback;
        return;
    }
    controlWord(word, parameter);
}

void Parser::escapedByte()
{
    if (m_pos + 2 > m_bytes.size())
        fail("truncated escape: \\' needs two hexadecimal digits");
    const int high = HexValue(m_bytes[m_pos]);
    const int low = HexValue(m_bytes[m_pos + 1]);
    if (high < 0 || low < 0)
        fail("invalid escape: \\' needs two hexadecimal digits");
    m_pos += 2;
    if (m_skipFallback > 0) {
        --m_skipFallback;
        return;
    }
    character(rtf::DecodeCodePageByte(m_codePage, static_cast<std::uint8_t>(high * 16 + low)));
}

void Parser::controlSymbol(char symbol)
{
    switch (symbol) {
    case '\\':
    case '{':
    case '}': character(static_cast<char32_t>(symbol)); break;
    case '~': character(U'\u00A0'); break;
    case '_': character(U'\u2011'); break;
    case '\t': character(U'\t'); break;
    case '\r':
    case '\n': endParagraph(); break;
    case '*':
        // Marks a group that a reader which does not know it should skip;
        // none of those carries text this reader shows.
        state().destination = Destination::Skip;
        break;
    default:
        // Optional hyphens, index marks and formula characters show nothing.
        break;
    }
}

void Parser::controlWord(std::string_view word, std::optional<int> parameter)
{
    GroupState& group = state();
    CharacterFormat& format = group.character;
    ParagraphFormat& paragraph = group.paragraph;
    const int value = parameter.value_or(1);
    const bool on = parameter.value_or(1) != 0;

    if (IsSkippedDestination(word)) {
        group.destination = Destination::Skip;
    } else if (word == "listtext" || word == "pntext") {
        if (group.destination == Destination::Text)
            group.destination = Destination::ListText;
    } else if (word == "stylesheet") {
        group.destination = group.destination == Destination::Skip ? Destination::Skip : Destination::StyleSheet;
    } else if (word == "ansicpg") {
        m_codePage = value;
    } else if (word == "ansi") {
        m_codePage = 1252;
    } else if (word == "mac" || word == "pc" || word == "pca") {
        m_codePage = 0;
    } else if (word == "u") {
        unicode(value);
    } else if (word == "uc") {
        group.unicodeFallback = std::clamp(value, 0, 16);
    } else if (word == "par") {
        endParagraph();
    } else if (word == "line") {
        character(U'\n');
    } else if (word == "tab") {
        character(U'\t');
    } else if (word == "cell" || word == "nestcell") {
        m_cellBreak = false;
        character(U'\t');
    } else if (word == "row" || word == "nestrow") {
        // A row is one paragraph of cells separated by tabs; the tab after
        // its last cell is not wanted.
        m_cellBreak = false;
        if (group.destination == Destination::Text && !m_paragraph.runs.empty() &&
            !m_paragraph.runs.back().text.empty() && m_paragraph.runs.back().text.back() == '\t')
            m_paragraph.runs.back().text.pop_back();
        paragraph.inTable = false;
        endParagraph();
    } else if (word == "emdash") {
        character(U'\u2014');
    } else if (word == "endash") {
        character(U'\u2013');
    } else if (word == "bullet") {
        character(U'\u2022');
    } else if (word == "lquote") {
        character(U'\u2018');
    } else if (word == "rquote") {
        character(U'\u2019');
    } else if (word == "ldblquote") {
        character(U'\u201C');
    } else if (word == "rdblquote") {
        character(U'\u201D');
    } else if (word == "plain") {
        format = CharacterFormat {};
    } else if (word == "pard") {
        paragraph = ParagraphFormat {};
    } else if (word == "b") {
        format.bold = on;
    } else if (word == "i") {
        format.italic = on;
    } else if (word == "ul" || word == "uld" || word == "uldb" || word == "ulw" || word == "uldash" || word == "ulth" ||
               word == "ulwave") {
        format.underline = on;
    } else if (word == "ulnone") {
        format.underline = false;
    } else if (word == "fs") {
        format.halfPoints = std::clamp(value, 2, 1000);
    } else if (word == "s") {
        if (group.destination == Destination::StyleEntry)
            m_entryStyle = value;
        else
            paragraph.style = value;
    } else if (word == "intbl") {
        paragraph.inTable = true;
    } else if (word == "outlinelevel") {
        paragraph.outlineLevel = std::clamp(value, 0, 8);
    } else if (word == "ql") {
        paragraph.alignment = RtfAlignment::Left;
    } else if (word == "qc") {
        paragraph.alignment = RtfAlignment::Center;
    } else if (word == "qr") {
        paragraph.alignment = RtfAlignment::Right;
    } else if (word == "qj") {
        paragraph.alignment = RtfAlignment::Justify;
    } else if (word == "li") {
        paragraph.leftIndent = std::clamp(value, -31680, 31680);
    } else if (word == "fi") {
        paragraph.firstLineIndent = std::clamp(value, -31680, 31680);
    } else if (word == "tx") {
        if (paragraph.tabStops.size() < 32)
            paragraph.tabStops.push_back(std::clamp(value, 0, 31680));
    } else if (word == "sb") {
        paragraph.spaceBefore = std::clamp(value, 0, 31680);
    } else if (word == "sa") {
        paragraph.spaceAfter = std::clamp(value, 0, 31680);
    }
}

void Parser::unicode(int value)
{
    // The value is a signed 16-bit number; characters past U+FFFF come as
    // a pair of surrogates.
    const char32_t unit = static_cast<char32_t>(value < 0 ? value + 65536 : value) & 0xFFFF;
    const int fallback = state().unicodeFallback;
    if (unit >= 0xD800 && unit <= 0xDBFF) {
        if (m_highSurrogate != 0) {
            m_highSurrogate = 0;
            character(kReplacement);
        }
        m_highSurrogate = unit;
    } else if (unit >= 0xDC00 && unit <= 0xDFFF) {
        const char32_t high = m_highSurrogate;
        m_highSurrogate = 0;
        character(high != 0 ? 0x10000 + ((high - 0xD800) << 10) + (unit - 0xDC00) : kReplacement);
    } else {
        character(unit);
    }
    m_skipFallback = fallback;
}

void Parser::character(char32_t c)
{
    if (m_highSurrogate != 0) {
        // A high surrogate with no low one after it.
        m_highSurrogate = 0;
        character(kReplacement);
    }
    GroupState& group = state();
    if (group.destination == Destination::StyleEntry) {
        if (m_entryName.size() < 64)
            AppendUtf8(m_entryName, c);
        return;
    }
    if (group.destination == Destination::ListText) {
        if (m_listText.size() < 64)
            m_listText += c;
        return;
    }
    if (group.destination == Destination::Text)
        appendToParagraph(c);
}

void Parser::appendToParagraph(char32_t c)
{
    const GroupState& group = state();
    if (m_cellBreak) {
        m_cellBreak = false;
        if (!m_paragraph.runs.empty() && !m_paragraph.runs.back().text.empty() &&
            m_paragraph.runs.back().text.back() != '\t')
            appendToParagraph(U'\n');
    }
    if (m_paragraph.runs.empty() || !(m_paragraph.runs.back().bold == group.character.bold &&
                                      m_paragraph.runs.back().italic == group.character.italic &&
                                      m_paragraph.runs.back().underline == group.character.underline &&
                                      m_paragraph.runs.back().halfPoints == group.character.halfPoints)) {
        if (++m_runs > RtfLimit::Runs)
            fail("more than " + std::to_string(RtfLimit::Runs) + " runs of text");
        RtfRun run;
        run.bold = group.character.bold;
        run.italic = group.character.italic;
        run.underline = group.character.underline;
        run.halfPoints = group.character.halfPoints;
        m_paragraph.runs.push_back(std::move(run));
    }
    AppendUtf8(m_paragraph.runs.back().text, c);
}

void Parser::endParagraph()
{
    if (state().destination != Destination::Text)
        return;
    if (state().paragraph.inTable) {
        m_cellBreak = true;
        return;
    }
    if (m_document.paragraphs.size() >= RtfLimit::Paragraphs)
        fail("more than " + std::to_string(RtfLimit::Paragraphs) + " paragraphs");
    const ParagraphFormat& format = state().paragraph;
    if (format.outlineLevel >= 0) {
        m_paragraph.headingLevel = format.outlineLevel + 1;
    } else {
        const auto style = m_headingStyles.find(format.style);
        m_paragraph.headingLevel = style == m_headingStyles.end() ? 0 : style->second;
    }
    m_paragraph.alignment = format.alignment;
    m_paragraph.leftIndent = format.leftIndent;
    m_paragraph.firstLineIndent = format.firstLineIndent;
    m_paragraph.tabStops = format.tabStops;
    m_paragraph.spaceBefore = format.spaceBefore;
    m_paragraph.spaceAfter = format.spaceAfter;
    m_document.paragraphs.push_back(std::move(m_paragraph));
    m_paragraph = RtfParagraph {};
}

void Parser::finishListText()
{
    std::u32string text;
    text.swap(m_listText);
    if (text.find_first_not_of(U" \t") == std::u32string::npos)
        return;
    for (const char32_t c : text)
        character(c);
}

void Parser::finishStyleEntry()
{
    if (const int level = HeadingLevelOfStyleName(m_entryName); level > 0)
        m_headingStyles[m_entryStyle] = level;
    m_entryName.clear();
}

} // namespace

Result<RtfDocument> ReadRtf(std::string_view bytes)
{
    const auto text = TextFileContent(bytes);
    if (!text)
        return Result<RtfDocument>::failure(text.error() + ".");
    return Parser(*text).run();
}

Result<RtfDocument> ReadRtfFile(const std::filesystem::path& path)
{
    auto bytes = ReadFileBytes(path, RtfLimit::Bytes);
    if (!bytes)
        return Result<RtfDocument>::failure(bytes.error());
    auto document = ReadRtf(*bytes);
    if (!document)
        return Result<RtfDocument>::failure("Cannot read \"" + path.string() + "\": " + document.error());
    return document;
}

std::string RtfPlainText(const RtfDocument& document)
{
    std::string text;
    for (std::size_t i = 0; i < document.paragraphs.size(); ++i) {
        if (i > 0)
            text += '\n';
        for (const RtfRun& run : document.paragraphs[i].runs)
            text += run.text;
    }
    return text;
}

} // namespace boxmill
