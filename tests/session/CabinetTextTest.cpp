// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/CabinetText.h"
#include "RecordFixtures.h"
#include "core/FileIo.h"
#include "core/StartUp.h"
#include "core/Vocabulary.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

using namespace boxmill;
namespace fs = std::filesystem;

namespace {

const fs::path kDataFolder = BOXMILL_DATA_DIR;
const fs::path kTestData = BOXMILL_TEST_DATA_DIR;
const fs::path kFuzzCorpus = kDataFolder.parent_path() / "fuzz" / "corpus";

Vocabulary DataVocabulary()
{
    const auto bytes = [](const char* name) { return ReadFileBytes(kDataFolder / name).value(); };
    return VocabularyFromLists(bytes("Dims.dat"), bytes("IncParts.dat"), bytes("CabParts.dat"));
}

const Vocabulary kVocabulary = DataVocabulary();

std::string Export(const CabinetFileImage& image)
{
    auto text = FormatCabinetText(image, kVocabulary);
    EXPECT_TRUE(text) << text.error();
    return text ? *text : std::string();
}

void ExpectRoundTrip(const CabinetFileImage& image, const std::string& why)
{
    const std::string text = Export(image);
    const auto back = ParseCabinetText(text, kVocabulary);
    ASSERT_TRUE(back) << why << ": " << back.error() << "\n" << text;
    EXPECT_EQ(CabinetFileBytes(*back), CabinetFileBytes(image)) << why << "\n" << text;
}

int ParamOffset(int index)
{
    return RecordOffset::ParamText + index * (FieldCapacity::ParamText + 1);
}

} // namespace

TEST(CabinetTextTest, BusyExportsAsItsGoldenText)
{
    const auto image = ReadCabinetFileImage(kTestData / "Busy.cab");
    ASSERT_TRUE(image) << image.error();
    EXPECT_EQ(Export(*image), test::ReadAllBytes(kTestData / "Busy.export.txt"));
}

TEST(CabinetTextTest, EveryFileOfTheFuzzCorporaComesBackByteForByte)
{
    int files = 0;
    int texts = 0;
    for (const char* corpus : {"cabinet", "cabinet-text"}) {
        for (const auto& entry : fs::directory_iterator(kFuzzCorpus / corpus)) {
            const std::string bytes = test::ReadAllBytes(entry.path());
            const std::string name = entry.path().filename().string();
            if (const auto image = ParseCabinetFileImage(bytes)) {
                ++files;
                ExpectRoundTrip(*image, name);
            }
            if (const auto image = ParseCabinetText(bytes, kVocabulary)) {
                ++texts;
                EXPECT_EQ(ParseCabinetText(Export(*image), kVocabulary).value(), *image) << name;
            }
        }
    }
    EXPECT_GE(files, 3);
    EXPECT_GE(texts, 4);
}

TEST(CabinetTextTest, WhateverARecordHoldsComesBack)
{
    // Each case spoils a sound record the way files in the wild are spoilt;
    // `shows` is a line the text must then hold.
    const struct {
        const char* what;
        std::function<void(CabinetFileImage&)> spoil;
        const char* shows;
    } cases[] = {
        {"sound", [](CabinetFileImage&) {}, nullptr},
        {"stale characters behind a shortened text",
         [](CabinetFileImage& f) {
             f.record.setParamText(0, "123456789");
             f.record.setParamText(0, "30");
         },
         "\n[Bytes]\n"},
        {"a length byte beyond the field", [](CabinetFileImage& f) { f.record.setByte(ParamOffset(1), 200); }, nullptr},
        {"a size that is no number", [](CabinetFileImage& f) { f.record.setParamText(2, "abc"); },
         "\nCabinet Depth = \"abc\"\n"},
        {"a number not in the program's form", [](CabinetFileImage& f) { f.record.setParamText(3, "4.50"); },
         "\nToe Kick Height = \"4.50\"\n"},
        {"quotes, stars, backslashes and bytes beyond ASCII in a wood",
         [](CabinetFileImage& f) { f.record.setPartWood(0, "O*k \"\\\xe9\x01"); },
         "\nTop = \"O*k \\\"\\\\\\xe9\\x01\" * "},
        {"an empty wood and price",
         [](CabinetFileImage& f) {
             f.record.setPartWood(1, "");
             f.record.setPartPriceText(1, "");
         },
         " = \"\" * "},
        {"blanks around the labour", [](CabinetFileImage& f) { f.record.setHours(" 6 "); }, "\nHours = \" 6 \"\n"},
        {"flags of 7 and two choices of one radio group",
         [](CabinetFileImage& f) {
             f.record.setByte(RecordOffset::Options + 31, 7);
             f.record.setByte(RecordOffset::Options + 32, 1);
             f.record.setByte(RecordOffset::IncludeFlags, 255);
         },
         "\nTopDado = yes\n"},
        {"a partition moved by the designer",
         [](CabinetFileImage& f) { f.record.setSectionItem(0, SectionItem::PartitionBelow, 11); },
         "\nPartitionBelow = 11\n"},
        {"panel copies that differ from the panel style",
         [](CabinetFileImage& f) {
             f.record.setSectionItem(2, SectionItem::HorizontalP, 1 - f.record.byte(RecordOffset::RaisedPanel + 24));
         },
         nullptr},
        {"a tail of every byte value",
         [](CabinetFileImage& f) {
             for (int i = 0; i < 600; ++i)
                 f.tail += static_cast<char>(i % 256);
         },
         "\n2564 = 00 01 02"},
    };
    for (const auto& c : cases) {
        for (unsigned seed = 1; seed <= 20; ++seed) {
            CabinetFileImage image {test::MakeSoundRecord(seed), {}};
            c.spoil(image);
            ASSERT_FALSE(ValidateCabinetRecord(image.record)) << c.what;
            ExpectRoundTrip(image, std::string(c.what) + ", seed " + std::to_string(seed));
            if (c.shows != nullptr && seed == 1) {
                EXPECT_NE(Export(image).find(c.shows), std::string::npos) << c.what << "\n" << Export(image);
            }
        }
    }
}

TEST(CabinetTextTest, AQuotedTextIsStoredAsItStandsAndAPlainNumberInTheProgramsForm)
{
    std::string text = Export({test::MakeSoundRecord(7), {}});
    const auto replace = [&](const std::string& key, const std::string& value) {
        const auto at = text.find("\n" + key + " = ");
        ASSERT_NE(at, std::string::npos) << key;
        const auto end = text.find('\n', at + 1);
        text.replace(at + 1, end - at - 1, key + " = " + value);
    };
    replace("Cabinet Height", "\"34.50\"");
    replace("Cabinet Width", "  36.250  ");
    replace("Top", "\"Birch * Ply\" * .75 * \"3,1\"");
    // Read as an editor may have saved it, with a byte order mark.
    const auto image = ParseCabinetText("\xEF\xBB\xBF" + text, kVocabulary);
    ASSERT_TRUE(image) << image.error();
    EXPECT_EQ(image->record.paramText(0), "34.50");
    EXPECT_EQ(image->record.paramText(1), "36.25");
    EXPECT_EQ(image->record.partWood(0), "Birch * Ply");
    EXPECT_EQ(image->record.partStockText(0), "0.75");
    EXPECT_EQ(image->record.partPriceText(0), "3,1");
}

TEST(CabinetTextTest, MistakesAreRefusedWithTheirLine)
{
    const std::string sound = Export({test::MakeSoundRecord(3), {}});
    const auto lineOf = [](const std::string& text, std::size_t at) {
        return 1 + static_cast<int>(std::count(text.begin(), text.begin() + static_cast<long>(at), '\n'));
    };
    // `line` replaces the line of `key`, or is added at the end when `key`
    // is empty; `says` is part of the message.
    const struct {
        const char* key;
        const char* line;
        const char* says;
    } cases[] = {
        {"Cabinet Height", "Cabinet Height = \"34.5", "no closing"},
        {"Cabinet Height", "Cabinet Height = \"3\\q\"", "escapes"},
        {"Cabinet Height", "Cabinet Height = \"3\\x4\"", "escapes"},
        {"Cabinet Height", "Cabinet Height = \"34.5\" 6", "nothing but blanks"},
        {"Cabinet Height", "Cabinet Height = \"-2\"", "beyond 0 to 10000"},
        {"Cabinet Height", "Cabinet Height = 1e5", "from 0 to 10000"},
        {"Cabinet Height", "Cabinet Height = \"12345678901\"", "longer than 10"},
        {"Top", "Top = Oak * 0.75 * 3 * 4", "wood * stock * price"},
        {"Top", "Top = \"\" * \"1e999\" * 3", "the stock"},
        {"SectionCount", "SectionCount = \"1\"", "from 1 to 3"},
        {"DetachedBase", "DetachedBase = \"yes\"", "yes or no"},
        {"PartitionAbove", "PartitionAbove = 256", "no, yes or a distance"},
        {"", "[Bytes]\n100 = 00 01\n101 = 02", "byte 101 is given twice"},
        {"", "[Bytes]\n2570 = 00", "must begin at byte 2564"},
        {"", "[Bytes]\n2564 = 00\n2566 = 00", "must begin at byte 2565"},
        {"", "[Bytes]\n2563 = 00 00", "not both"},
        {"", "[Bytes]\n5 = 0g", "pairs of hex digits"},
        {"", "[Bytes]\n5 = 001", "pairs of hex digits"},
        {"", "[Bytes]\n5 =", "pairs of hex digits"},
        {"", "[Bytes]\n-1 = 00", "byte offset"},
        {"", "[Bytes]\n65535 = 00 00", "at most 65536 bytes"},
        {"", "[Byte]", "unknown section"},
    };
    for (const auto& c : cases) {
        std::string text = sound;
        std::size_t at = text.size() + 1;
        if (*c.key == '\0') {
            text += "\n" + std::string(c.line) + "\n";
        } else {
            at = text.find("\n" + std::string(c.key) + " = ") + 1;
            ASSERT_NE(at, 0u) << c.key;
            text.replace(at, text.find('\n', at) - at, c.line);
        }
        const auto read = ParseCabinetText(text, kVocabulary);
        ASSERT_FALSE(read) << c.line;
        // The offending line is the last of the added ones.
        const int line = *c.key == '\0' ? lineOf(text, text.size() - 1) : lineOf(text, at);
        EXPECT_NE(read.error().find("line " + std::to_string(line) + ": "), std::string::npos)
            << c.line << ": " << read.error();
        EXPECT_NE(read.error().find(c.says), std::string::npos) << c.line << ": " << read.error();
    }
    // A [Bytes] line that breaks a count is refused as the loader refuses it.
    const auto broken = ParseCabinetText(sound + "\n[Bytes]\n2123 = 09\n", kVocabulary);
    ASSERT_FALSE(broken);
    EXPECT_NE(broken.error().find("9 drawers"), std::string::npos) << broken.error();
}

TEST(CabinetTextTest, NamesThatCannotServeAsKeysAreRefused)
{
    const CabinetFileImage image {test::MakeSoundRecord(1), {}};
    const auto withParameter = [&](int index, std::string name) {
        auto dims = kVocabulary.parameterBase();
        dims[static_cast<std::size_t>(index)] = std::move(name);
        return Vocabulary(dims, kVocabulary.includeNames(), kVocabulary.partNames());
    };
    for (const auto& [index, name] : std::vector<std::pair<int, std::string>> {
             {4, ""}, {4, "  "}, {4, "Toe = Kick"}, {4, "[Toe]"}, {4, "#Toe"}, {4, "Cabinet Height"}}) {
        const Vocabulary vocabulary = withParameter(index, name);
        EXPECT_FALSE(FormatCabinetText(image, vocabulary)) << name;
        EXPECT_FALSE(ParseCabinetText(Export(image), vocabulary)) << name;
    }
    // Blanks around a name are no part of its key.
    const auto text = FormatCabinetText(image, withParameter(4, " Toe Kick Depth\t"));
    ASSERT_TRUE(text);
    EXPECT_EQ(*text, Export(image));
}
