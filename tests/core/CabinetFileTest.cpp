// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/CabinetFile.h"
#include "FileSizeLimit.h"
#include "RecordFixtures.h"
#include "TempFolder.h"
#include "core/FileIo.h"

#include <gtest/gtest.h>

#include <algorithm>

#include <unistd.h>

using namespace boxmill;
namespace fs = std::filesystem;

namespace {

std::vector<std::string> FolderEntries(const fs::path& folder)
{
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

} // namespace

TEST(ReadCabinetFile, ShortOrMissingFilesAreRefusedWithAReason)
{
    test::TempFolder folder;
    const std::string whole = test::RecordBytes(test::MakeValidRecord());

    test::WriteAllBytes(folder / "Empty.cab", "");
    auto empty = ReadCabinetFile(folder / "Empty.cab");
    ASSERT_FALSE(empty);
    EXPECT_NE(empty.error().find("Empty.cab"), std::string::npos) << empty.error();
    EXPECT_NE(empty.error().find("0 bytes"), std::string::npos) << empty.error();

    test::WriteAllBytes(folder / "Short.cab", whole.substr(0, 2563));
    auto shortFile = ReadCabinetFile(folder / "Short.cab");
    ASSERT_FALSE(shortFile);
    EXPECT_NE(shortFile.error().find("2563"), std::string::npos) << shortFile.error();

    auto missing = ReadCabinetFile(folder / "Missing.cab");
    ASSERT_FALSE(missing);
    EXPECT_NE(missing.error().find("Missing.cab"), std::string::npos) << missing.error();

    auto folderAsFile = ReadCabinetFile(folder.path());
    EXPECT_FALSE(folderAsFile);
}

TEST(ReadCabinetFile, ReadsTheFirstRecordOfALongerFile)
{
    test::TempFolder folder;
    CabinetRecord record = test::MakeValidRecord();
    record.setParamText(0, "34.5");
    test::WriteAllBytes(folder / "Long.cab", test::RecordBytes(record) + std::string(436, '\x7f'));
    auto read = ReadCabinetFile(folder / "Long.cab");
    ASSERT_TRUE(read) << read.error();
    EXPECT_EQ(*read, record);
}

TEST(ReadCabinetFile, CountsThatDoNotFitAreRefusedBeforeAnythingUsesThem)
{
    test::TempFolder folder;
    CabinetRecord::Bytes raw = test::MakeValidRecord().bytes();
    raw[2121 + 2] = 9; // section A: nine drawers
    test::WriteAllBytes(folder / "Nine.cab", test::RecordBytes(CabinetRecord(raw)));
    auto nine = ReadCabinetFile(folder / "Nine.cab");
    ASSERT_FALSE(nine);
    EXPECT_NE(nine.error().find("Nine.cab"), std::string::npos) << nine.error();
    EXPECT_NE(nine.error().find("9 drawers"), std::string::npos) << nine.error();

    auto sectionless = test::MakeValidRecord().bytes();
    sectionless[2121] = 0;
    EXPECT_FALSE(ParseCabinetRecord(test::RecordBytes(CabinetRecord(sectionless))));
}

TEST(WriteCabinetFile, WriteThenReadGivesBackEveryByte)
{
    test::TempFolder folder;
    for (unsigned seed = 1; seed <= 5; ++seed) {
        const CabinetRecord record = test::MakeSoundRecord(seed);
        const fs::path file = folder / ("Cabinet" + std::to_string(seed) + ".cab");
        ASSERT_TRUE(WriteCabinetFile(file, record));
        EXPECT_EQ(test::ReadAllBytes(file), test::RecordBytes(record));
        auto read = ReadCabinetFile(file);
        ASSERT_TRUE(read) << read.error();
        EXPECT_EQ(*read, record);
    }
}

TEST(WriteCabinetFile, KeepsTheTailOfALongerFileAndReplacesAShorterOne)
{
    test::TempFolder folder;
    const CabinetRecord record = test::MakeSoundRecord(7);

    std::string old(3000, '\0');
    for (std::size_t i = 0; i < old.size(); ++i)
        old[i] = static_cast<char>(i * 31 % 251);
    test::WriteAllBytes(folder / "Long.cab", old);
    ASSERT_TRUE(WriteCabinetFile(folder / "Long.cab", record));
    const std::string written = test::ReadAllBytes(folder / "Long.cab");
    ASSERT_EQ(written.size(), 3000u);
    EXPECT_EQ(written.substr(0, 2564), test::RecordBytes(record));
    EXPECT_EQ(written.substr(2564), old.substr(2564));

    test::WriteAllBytes(folder / "Short.cab", std::string(100, 'x'));
    ASSERT_TRUE(WriteCabinetFile(folder / "Short.cab", record));
    EXPECT_EQ(test::ReadAllBytes(folder / "Short.cab"), test::RecordBytes(record));
}

TEST(WriteCabinetFile, LeavesNoTemporaryFileBehind)
{
    test::TempFolder folder;
    ASSERT_TRUE(WriteCabinetFile(folder / "New.cab", test::MakeValidRecord()));
    ASSERT_TRUE(WriteCabinetFile(folder / "New.cab", test::MakeSoundRecord(3)));
    EXPECT_EQ(FolderEntries(folder.path()), std::vector<std::string> {"New.cab"});
}

TEST(WriteCabinetFile, IntoAMissingFolderFailsWithAReason)
{
    test::TempFolder folder;
    const auto status = WriteCabinetFile(folder / "No Such Folder" / "New.cab", test::MakeValidRecord());
    ASSERT_FALSE(status);
    EXPECT_NE(status.error().find("New.cab"), std::string::npos) << status.error();
    EXPECT_TRUE(FolderEntries(folder.path()).empty());
}

TEST(WriteCabinetFile, AFailedWriteLeavesTheOldFileWhole)
{
    test::TempFolder folder;
    const CabinetRecord oldRecord = test::MakeSoundRecord(11);
    const fs::path file = folder / "Kitchen.cab";
    ASSERT_TRUE(WriteCabinetFile(file, oldRecord));

    Status status = Success();
    {
        // The disk fills up after 1000 bytes of the new file.
        test::FileSizeLimit limit(1000);
        ASSERT_TRUE(limit.active());
        status = WriteCabinetFile(file, test::MakeSoundRecord(12));
    }
    ASSERT_FALSE(status);
    EXPECT_FALSE(status.error().empty());
    EXPECT_EQ(test::ReadAllBytes(file), test::RecordBytes(oldRecord));
    EXPECT_EQ(FolderEntries(folder.path()), std::vector<std::string> {"Kitchen.cab"});
}

TEST(WriteCabinetFile, IntoAReadOnlyFolderFailsAndLeavesTheOldFileWhole)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "root writes into read-only folders";
    test::TempFolder folder;
    const fs::path locked = folder / "Locked";
    fs::create_directory(locked);
    const CabinetRecord oldRecord = test::MakeSoundRecord(21);
    ASSERT_TRUE(WriteCabinetFile(locked / "Kitchen.cab", oldRecord));
    fs::permissions(locked, fs::perms::owner_read | fs::perms::owner_exec);

    const auto status = WriteCabinetFile(locked / "Kitchen.cab", test::MakeSoundRecord(22));
    fs::permissions(locked, fs::perms::owner_all);
    ASSERT_FALSE(status);
    EXPECT_EQ(test::ReadAllBytes(locked / "Kitchen.cab"), test::RecordBytes(oldRecord));
    EXPECT_EQ(FolderEntries(locked), std::vector<std::string> {"Kitchen.cab"});
}

TEST(ReadCabinetFile, SizesOutOfRangeAreRefusedByName)
{
    test::TempFolder folder;
    const auto read = [&](int param, int stockRow, const std::string& text) {
        CabinetRecord record = test::MakeValidRecord();
        if (param >= 0)
            record.setParamText(param, text);
        if (stockRow >= 0)
            record.setPartStockText(stockRow, text);
        test::WriteAllBytes(folder / "Sizes.cab", test::RecordBytes(record));
        return ReadCabinetFile(folder / "Sizes.cab");
    };
    // Height, then the stock of the drawer sides.
    for (const std::string text : {"1e308", "-1", "10000.01", "inf", "-inf", "nan", "1e999", "+1e99"}) {
        const auto height = read(0, -1, text);
        ASSERT_FALSE(height) << text;
        EXPECT_NE(height.error().find("Sizes.cab"), std::string::npos) << height.error();
        EXPECT_NE(height.error().find("Cabinet Height: \"" + text + "\""), std::string::npos) << height.error();
        const auto stock = read(-1, 19, text);
        ASSERT_FALSE(stock) << text;
        EXPECT_NE(stock.error().find("Drawer Side stock thickness: \"" + text + "\""), std::string::npos)
            << stock.error();
    }
    // Numbers in range, and texts that are no number at all (read as 0
    // and reported by the load, as before).
    for (const std::string text : {"0", "-0", "10000", "34.5", "0,75", " 12 ", "1e-400", "abc", ""})
        EXPECT_TRUE(read(0, 19, text)) << text;

    // Nor is a file written that would be refused so.
    CabinetRecord typed = test::MakeValidRecord();
    typed.setParamText(0, "11811.02");
    const auto saved = WriteCabinetFile(folder / "Typed.cab", typed);
    ASSERT_FALSE(saved);
    EXPECT_NE(saved.error().find("Cabinet Height: \"11811.02\""), std::string::npos) << saved.error();
    EXPECT_FALSE(fs::exists(folder / "Typed.cab"));

    // Every offender is named, up to a screenful.
    CabinetRecord all = test::MakeValidRecord();
    for (int i = 0; i < kParamCount; ++i)
        all.setParamText(i, "-5");
    const auto refused = ParseCabinetRecord(test::RecordBytes(all));
    ASSERT_FALSE(refused);
    EXPECT_NE(refused.error().find("Blind Corner Panel Width: \"-5\""), std::string::npos) << refused.error();
    EXPECT_EQ(refused.error().find("Adjustable Shelf Depth Gap"), std::string::npos) << refused.error();
    EXPECT_NE(refused.error().find("and 63 more."), std::string::npos) << refused.error();
}

TEST(ReadCabinetFile, TheShippedCabinetsLoad)
{
    for (const auto& folder :
         {fs::path(BOXMILL_TEST_DATA_DIR), fs::path(BOXMILL_TEST_DATA_DIR) / "../../fuzz/corpus/cabinet"})
        for (const auto& entry : fs::directory_iterator(folder))
            if (entry.path().extension() == ".cab" && entry.file_size() >= 2564) {
                const auto read = ReadCabinetFile(entry.path());
                EXPECT_TRUE(read) << read.error();
            }
}

TEST(ReadCabinetFile, FilesBeyondTheCabinetCapAreRefusedUnread)
{
    test::TempFolder folder;
    const std::string record = test::RecordBytes(test::MakeValidRecord());
    test::WriteAllBytes(folder / "Tail.cab", record + std::string(FileCap::Cabinet - record.size(), 'x'));
    EXPECT_TRUE(ReadCabinetFile(folder / "Tail.cab"));
    test::WriteAllBytes(folder / "Huge.cab", record + std::string(FileCap::Cabinet, 'x'));
    EXPECT_FALSE(ReadCabinetFile(folder / "Huge.cab"));
    // Nor is a save allowed to swallow such a file as a tail.
    EXPECT_FALSE(WriteCabinetFile(folder / "Huge.cab", test::MakeValidRecord()));
    EXPECT_EQ(fs::file_size(folder / "Huge.cab"), record.size() + FileCap::Cabinet);
}
