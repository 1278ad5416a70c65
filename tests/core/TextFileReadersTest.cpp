// SPDX-License-Identifier: GPL-3.0-or-later
// The model's text readers take what a Windows editor saves; the readers of
// the layers above are held to the same in their own tests.
#include "RecordFixtures.h"
#include "TempFolder.h"
#include "WindowsEditorText.h"
#include "core/CabinetText.h"
#include "core/FileIo.h"
#include "core/StartUp.h"
#include "core/TextFileContent.h"

#include <gtest/gtest.h>

using namespace boxmill;
using test::ReadError;
using test::Utf16;

namespace {

const std::filesystem::path kDataFolder = BOXMILL_DATA_DIR;

Vocabulary DataVocabulary()
{
    const auto bytes = [](const char* name) { return ReadFileBytes(kDataFolder / name).value(); };
    return VocabularyFromLists(bytes("Dims.dat"), bytes("IncParts.dat"), bytes("CabParts.dat"));
}

} // namespace

TEST(TextFileReaders, SkipAByteOrderMarkAndRefuseUtf16ByName)
{
    test::TempFolder folder;
    const Vocabulary vocabulary = DataVocabulary();
    const auto cabinetText = FormatCabinetText({test::MakeSoundRecord(5), {}}, vocabulary).value();
    const test::TextReader readers[] = {
        {"cabinet text", cabinetText,
         [&](const std::string& bytes) {
             const auto image = ParseCabinetText(bytes, vocabulary);
             return image ? image->record.paramText(0) : ReadError(image.error());
         },
         nullptr},
        {"the list files and Wood.dat", "Cabinet Height\r\nCabinet Width\r\n",
         [&](const std::string& bytes) {
             test::WriteAllBytes(folder / "Dims.dat", bytes);
             const auto lines = ReadTextLines(folder / "Dims.dat");
             return lines ? lines->at(0) : ReadError(lines.error());
         },
         "Dims.dat"},
    };
    for (const test::TextReader& reader : readers)
        test::ExpectReadsWhatAWindowsEditorSaves(reader);
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
