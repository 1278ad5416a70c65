// SPDX-License-Identifier: GPL-3.0-or-later
// Every reader of a text file takes what a Windows editor saves: UTF-8 with
// a byte order mark reads as without one, and UTF-16 is refused as an
// encoding, naming the file, rather than as a mistake on some line.
#include "RecordFixtures.h"
#include "TempFolder.h"
#include "core/CabinetText.h"
#include "core/FileIo.h"
#include "core/StartUp.h"
#include "core/TextFileContent.h"
#include "help/RtfReader.h"
#include "jobs/JobFile.h"
#include "print/PrintSettings.h"
#include "sheets/Stock.h"

#include <gtest/gtest.h>

#include <functional>

using namespace boxmill;

namespace {

const std::filesystem::path kDataFolder = BOXMILL_DATA_DIR;

Vocabulary DataVocabulary()
{
    const auto bytes = [](const char* name) { return ReadFileBytes(kDataFolder / name).value(); };
    return VocabularyFromLists(bytes("Dims.dat"), bytes("IncParts.dat"), bytes("CabParts.dat"));
}

// ASCII text as UTF-16, each character followed or preceded by its NUL.
std::string Utf16(std::string_view text, bool littleEndian)
{
    std::string wide;
    for (const char c : text) {
        wide += littleEndian ? std::string {c, '\0'} : std::string {'\0', c};
    }
    return wide;
}

struct Reader {
    const char* family;
    std::string text;
    // What the reader made of the bytes: the first field it read, or
    // "error: " and its message.
    std::function<std::string(const std::string&)> read;
    // The name its refusal must give, if the reader knows the file's name.
    const char* fileName;
};

} // namespace

TEST(TextFileReaders, SkipAByteOrderMarkAndRefuseUtf16ByName)
{
    test::TempFolder folder;
    const Vocabulary vocabulary = DataVocabulary();
    const auto cabinetText = FormatCabinetText({test::MakeSoundRecord(5), {}}, vocabulary).value();
    const auto error = [](const std::string& message) { return "error: " + message; };
    const Reader readers[] = {
        {"job", "Base/Sink.cab | 2 | Sink\n",
         [&](const std::string& bytes) {
             const auto job = ParseJobText(bytes, "Kitchen.job");
             return job ? job->cabinets.at(0).path : error(job.error());
         },
         "Kitchen.job"},
        {"stock", "sheet Birch Plywood | 0.75 | 96 x 48 | grain | 62\n",
         [&](const std::string& bytes) {
             const auto stock = ParseStockText(bytes);
             return stock.problems.empty() ? stock.entries.at(0).wood : error(stock.problems[0]);
         },
         "Stock.txt"},
        {"stock file", "sheet Birch Plywood | 0.75 | 96 x 48 | grain | 62\n",
         [&](const std::string& bytes) {
             test::WriteAllBytes(folder / "Stock.txt", bytes);
             const auto stock = ReadStockFile(folder / "Stock.txt");
             return stock ? stock->entries.at(0).wood : error(stock.error());
         },
         "Stock.txt"},
        {"cabinet text", cabinetText,
         [&](const std::string& bytes) {
             const auto image = ParseCabinetText(bytes, vocabulary);
             return image ? image->record.paramText(0) : error(image.error());
         },
         nullptr},
        {"Printopt.dat", "4\r\n3\r\n",
         [&](const std::string& bytes) {
             const auto settings = ParsePrintOptions(bytes);
             return settings ? std::to_string(settings->zoomIndex) : error(settings.error());
         },
         "Printopt.dat"},
        {"the list files and Wood.dat", "Cabinet Height\r\nCabinet Width\r\n",
         [&](const std::string& bytes) {
             test::WriteAllBytes(folder / "Dims.dat", bytes);
             const auto lines = ReadTextLines(folder / "Dims.dat");
             return lines ? lines->at(0) : error(lines.error());
         },
         "Dims.dat"},
        {"RTF", "{\\rtf1\\ansi Help text}",
         [&](const std::string& bytes) {
             const auto document = ReadRtf(bytes);
             return document ? RtfPlainText(*document) : error(document.error());
         },
         nullptr},
    };
    for (const Reader& reader : readers) {
        SCOPED_TRACE(reader.family);
        const std::string plain = reader.read(reader.text);
        ASSERT_EQ(plain.rfind("error: ", 0), std::string::npos) << plain;
        EXPECT_EQ(reader.read("\xEF\xBB\xBF" + reader.text), plain);
        for (const std::string& wide : {"\xFF\xFE" + Utf16(reader.text, true), "\xFE\xFF" + Utf16(reader.text, false),
                                        Utf16(reader.text, true), Utf16(reader.text, false)}) {
            const std::string refused = reader.read(wide);
            EXPECT_NE(refused.find(kUtf16Text), std::string::npos) << refused;
            if (reader.fileName != nullptr) {
                EXPECT_NE(refused.find(reader.fileName), std::string::npos) << refused;
            }
        }
    }
}

// Only a start where one byte in two is NUL is UTF-16: a stray NUL, a file
// of nothing but NULs and Latin-1 are left to the readers, which explain
// them line by line as before.
TEST(TextFileReaders, TellUtf16FromOtherBytes)
{
    struct Case {
        std::string bytes;
        bool utf16;
    };
    const Case cases[] = {
        {"", false},
        {"\xEF\xBB\xBF", false},
        {std::string("Oak*0.75*4.50\0\r\n", 16), false},
        {std::string(64, '\0'), false},
        {"Ch\xEAne*0.75*4.50\r\n", false},
        {std::string("O\0", 2), true},
        {"\xFF\xFE", true},
        {Utf16(std::string(1000, 'x'), false), true},
    };
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        const auto content = TextFileContent(cases[i].bytes);
        EXPECT_EQ(!content, cases[i].utf16) << "case " << i;
    }
    EXPECT_EQ(TextFileContent("\xEF\xBB\xBF\xEF\xBB\xBFx").value(), "\xEF\xBB\xBFx") << "one mark is skipped";
}
