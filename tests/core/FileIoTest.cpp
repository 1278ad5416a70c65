// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/FileIo.h"
#include "RecordFixtures.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <csignal>
#include <random>
#include <thread>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace boxmill;

TEST(SplitLines, CrLfAndLfEndingsAndALastLineWithoutOne)
{
    EXPECT_EQ(SplitLines("a\r\nb\r\n"), (std::vector<std::string> {"a", "b"}));
    EXPECT_EQ(SplitLines("a\nb\n"), (std::vector<std::string> {"a", "b"}));
    EXPECT_EQ(SplitLines("a\r\n\r\nb"), (std::vector<std::string> {"a", "", "b"}));
    EXPECT_TRUE(SplitLines("").empty());
}

TEST(TextLines, WrittenWithCrLfAndReadBack)
{
    test::TempFolder folder;
    const std::vector<std::string> lines = {"Oak*0.75*4.50", "", "Ash*1*6.75"};
    ASSERT_TRUE(WriteTextLines(folder / "Wood.dat", lines));
    EXPECT_EQ(test::ReadAllBytes(folder / "Wood.dat"), "Oak*0.75*4.50\r\n\r\nAsh*1*6.75\r\n");
    auto read = ReadTextLines(folder / "Wood.dat");
    ASSERT_TRUE(read) << read.error();
    EXPECT_EQ(*read, lines);
}

TEST(ReadFileBytes, AMissingFileIsAnErrorThatNamesIt)
{
    test::TempFolder folder;
    auto read = ReadFileBytes(folder / "Dims.dat");
    ASSERT_FALSE(read);
    EXPECT_NE(read.error().find("Dims.dat"), std::string::npos) << read.error();
}

namespace {

namespace fs = std::filesystem;

std::vector<std::string> Names(const fs::path& folder)
{
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

// Whether the file system of `folder` makes unnamed files; where it does
// not, a save falls back to a named temporary file.
bool UnnamedFilesIn(const fs::path& folder)
{
    const int fd = ::open(folder.c_str(), O_TMPFILE | O_WRONLY, 0600);
    if (fd < 0)
        return false;
    ::close(fd);
    return true;
}

fs::perms Permissions(const fs::path& file)
{
    return fs::status(file).permissions() & fs::perms::mask;
}

} // namespace

TEST(ReadFileBytes, ReadsOnlyRegularFilesWithinTheCap)
{
    test::TempFolder folder;
    test::WriteAllBytes(folder / "Fits.dat", std::string(100, 'x'));
    test::WriteAllBytes(folder / "Huge.cab", "");
    fs::resize_file(folder / "Huge.cab", 300u << 20); // sparse: no disk used
    ASSERT_EQ(::mkfifo((folder / "Pipe.cab").c_str(), 0600), 0);

    auto fits = ReadFileBytes(folder / "Fits.dat", 100);
    ASSERT_TRUE(fits) << fits.error();
    EXPECT_EQ(fits->size(), 100u);

    // A FIFO must be refused, not waited on: should the read block, a
    // writer comes along after a while so the test fails instead of hanging.
    std::atomic<bool> done = false;
    std::thread unblock([&] {
        for (int i = 0; i < 200 && !done; ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        if (!done)
            ::close(::open((folder / "Pipe.cab").c_str(), O_WRONLY | O_NONBLOCK));
    });
    const auto pipe = ReadFileBytes(folder / "Pipe.cab");
    done = true;
    unblock.join();

    const std::pair<fs::path, Result<std::string>> refused[] = {
        {folder / "Fits.dat", ReadFileBytes(folder / "Fits.dat", 99)},
        {folder / "Huge.cab", ReadFileBytes(folder / "Huge.cab")},
        {folder / "Pipe.cab", pipe},
        {"/dev/zero", ReadFileBytes("/dev/zero")},
        {folder.path(), ReadFileBytes(folder.path())},
    };
    for (const auto& [path, read] : refused) {
        ASSERT_FALSE(read) << path;
        EXPECT_NE(read.error().find(path.string()), std::string::npos) << read.error();
    }
}

TEST(WriteFileAtomic, KeepsPermissionsAndWritesThroughLinks)
{
    test::TempFolder folder;
    for (const auto mode :
         {fs::perms::owner_read, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read}) {
        test::WriteAllBytes(folder / "Kept.cab", "old");
        fs::permissions(folder / "Kept.cab", mode);
        ASSERT_TRUE(WriteFileAtomic(folder / "Kept.cab", "new"));
        EXPECT_EQ(test::ReadAllBytes(folder / "Kept.cab"), "new");
        EXPECT_EQ(Permissions(folder / "Kept.cab"), mode);
    }

    fs::create_directory(folder / "Real");
    test::WriteAllBytes(folder / "Real" / "Kitchen.cab", "old");
    fs::create_symlink("Real/Kitchen.cab", folder / "Relative.cab");
    fs::create_symlink(folder / "Relative.cab", folder / "Chained.cab");
    fs::create_symlink(folder / "Real" / "New.cab", folder / "Dangling.cab");
    ASSERT_TRUE(WriteFileAtomic(folder / "Chained.cab", "through two links"));
    ASSERT_TRUE(WriteFileAtomic(folder / "Dangling.cab", "made behind the link"));
    EXPECT_TRUE(fs::is_symlink(folder / "Relative.cab"));
    EXPECT_TRUE(fs::is_symlink(folder / "Chained.cab"));
    EXPECT_EQ(test::ReadAllBytes(folder / "Real" / "Kitchen.cab"), "through two links");
    EXPECT_EQ(test::ReadAllBytes(folder / "Real" / "New.cab"), "made behind the link");
    EXPECT_EQ(Names(folder / "Real"), (std::vector<std::string> {"Kitchen.cab", "New.cab"}));

    // Refused before a temporary file is made.
    fs::create_directory(folder / "Folder.cab");
    EXPECT_FALSE(WriteFileAtomic(folder / "Folder.cab", "x"));
    EXPECT_TRUE(fs::is_empty(folder / "Folder.cab"));
    EXPECT_EQ(Names(folder.path()), (std::vector<std::string> {"Chained.cab", "Dangling.cab", "Folder.cab", "Kept.cab",
                                                               "Real", "Relative.cab"}));
}

TEST(RemoveStaleTemporaryFiles, RemovesOnlyWhatAKilledWriteLeft)
{
    test::TempFolder folder;
    test::WriteAllBytes(folder / "Kitchen.cab", "old");

    // A write killed between creating its temporary file and renaming it,
    // where the file system has no unnamed files.
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        std::signal(SIGXFSZ, SIG_DFL);
        const rlimit limit {1000, 1000};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        (void)WriteFileAtomic(folder / "Kitchen.cab", std::string(5000, 'n'), Staging::Named);
        ::_exit(0);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFSIGNALED(status));
    ASSERT_EQ(Names(folder.path()).size(), 2u);
    EXPECT_EQ(test::ReadAllBytes(folder / "Kitchen.cab"), "old");

    // Names of this program's temporary files only by resemblance, and
    // temporary files of a write still under way.
    const std::string mine = "Kitchen.cab.boxmill-" + std::to_string(::getpid());
    const char* kept[] = {"Kitchen.cab.tmp123456",          "a.boxmill-99999999-0000000g.tmp",
                          "a.boxmill-99999999-0000001.tmp", "a.boxmill--1-00000001.tmp",
                          ".boxmill-99999999-00000001.tmp", "Notes.boxmill-99999999-00000001.txt"};
    for (const char* name : kept)
        test::WriteAllBytes(folder / name, "a user's file");
    test::WriteAllBytes(folder / (mine + "-00000001.tmp"), "being written right now");
    test::WriteAllBytes(folder / (mine + "-00000002.tmp"), "left two hours ago");
    fs::last_write_time(folder / (mine + "-00000002.tmp"), fs::file_time_type::clock::now() - std::chrono::hours(2));
    fs::create_directory(folder / "Dir.boxmill-99999999-00000001.tmp");
    fs::create_symlink(folder / "Kitchen.cab", folder / "Link.boxmill-99999999-00000001.tmp");

    RemoveStaleTemporaryFiles(folder.path());
    std::vector<std::string> expected(std::begin(kept), std::end(kept));
    expected.push_back(mine + "-00000001.tmp");
    expected.insert(expected.end(),
                    {"Dir.boxmill-99999999-00000001.tmp", "Kitchen.cab", "Link.boxmill-99999999-00000001.tmp"});
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(Names(folder.path()), expected);
}

// Saves into a user's folder killed at any moment, by a full disk
// (SIGXFSZ, in the middle of the write) or by SIGKILL: the file is always
// one whole version, and after the next save there nothing else is left,
// where the file system has unnamed files and where it has not.
TEST(WriteFileAtomic, KilledSavesLeaveOneWholeVersionAndNothingBeside)
{
    const std::string versions[] = {"old", std::string(64 * 1024, 'a'), std::string(48 * 1024, 'b')};
    const auto whole = [&](const std::string& bytes) {
        return std::find(std::begin(versions), std::end(versions), bytes) != std::end(versions);
    };
    for (const Staging staging : {Staging::Unnamed, Staging::Named}) {
        SCOPED_TRACE(staging == Staging::Unnamed ? "unnamed" : "named");
        test::TempFolder folder;
        const fs::path target = folder / "Kitchen.cab";
        test::WriteAllBytes(target, versions[0]);

        const pid_t full = ::fork();
        ASSERT_GE(full, 0);
        if (full == 0) {
            std::signal(SIGXFSZ, SIG_DFL);
            const rlimit limit {1000, 1000};
            ::setrlimit(RLIMIT_FSIZE, &limit);
            (void)WriteFileAtomic(target, versions[1], staging);
            ::_exit(0);
        }
        int status = 0;
        ASSERT_EQ(::waitpid(full, &status, 0), full);
        ASSERT_TRUE(WIFSIGNALED(status));
        EXPECT_EQ(test::ReadAllBytes(target), versions[0]);
        if (staging == Staging::Unnamed && UnnamedFilesIn(folder.path())) {
            EXPECT_EQ(Names(folder.path()), (std::vector<std::string> {"Kitchen.cab"}));
        }

        std::mt19937 random(7);
        for (int kill = 0; kill < 40; ++kill) {
            const pid_t saver = ::fork();
            ASSERT_GE(saver, 0);
            if (saver == 0) {
                for (unsigned n = 0;; ++n)
                    (void)WriteFileAtomic(target, versions[1 + n % 2], staging);
            }
            std::this_thread::sleep_for(std::chrono::microseconds(500 + random() % 4000));
            ::kill(saver, SIGKILL);
            ASSERT_EQ(::waitpid(saver, &status, 0), saver);
            ASSERT_TRUE(whole(test::ReadAllBytes(target))) << "after kill " << kill;
        }
        // Another file saved in the same folder clears what the kills left.
        ASSERT_TRUE(WriteFileAtomic(folder / "Notes.txt", "saved after", staging));
        EXPECT_EQ(Names(folder.path()), (std::vector<std::string> {"Kitchen.cab", "Notes.txt"}));
        EXPECT_TRUE(whole(test::ReadAllBytes(target)));
    }
}
