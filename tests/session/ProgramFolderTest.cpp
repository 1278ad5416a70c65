// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/ProgramFolder.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <fstream>

using namespace boxmill;
namespace fs = std::filesystem;

TEST(ProgramFolder, TheCurrentFolderWithDataThenTheUsersThenACopyOfTheInstalledData)
{
    test::TempFolder temp;
    const fs::path installed = temp / "share";
    test::CopyProgramFolder(BOXMILL_PROGRAM_DIR, installed);
    const fs::path empty = temp / "home";
    fs::create_directories(empty);
    const fs::path user = temp / "data" / "boxmill";

    // Started where the data is, the program stays there.
    EXPECT_EQ(ChooseProgramFolder({installed, installed, user}).value(), installed);
    EXPECT_FALSE(fs::exists(user));

    // Started elsewhere, the user's folder is made once and kept after.
    fs::permissions(installed / "Wood.dat", fs::perms::owner_read, fs::perm_options::replace);
    EXPECT_EQ(ChooseProgramFolder({empty, installed, user}).value(), user);
    EXPECT_TRUE(HoldsProgramData(user));
    EXPECT_FALSE(fs::exists(user.string() + ".boxmill-new"));
    EXPECT_NE(fs::status(user / "Wood.dat").permissions() & fs::perms::owner_write, fs::perms::none);
    std::ofstream(user / "Base" / "Mine.cab") << "kept";
    EXPECT_EQ(ChooseProgramFolder({empty, installed, user}).value(), user);
    EXPECT_TRUE(fs::exists(user / "Base" / "Mine.cab"));

    // A folder of that name without the data is moved aside, not lost.
    fs::remove(user / "Dims.dat");
    EXPECT_EQ(ChooseProgramFolder({empty, installed, user}).value(), user);
    EXPECT_TRUE(fs::exists(user.string() + ".old" + "/Base/Mine.cab"));

    // With nothing installed the current folder stays the program folder,
    // for start-up to say what it misses.
    EXPECT_EQ(ChooseProgramFolder({empty, temp / "nowhere", temp / "other"}).value(), empty);
}
