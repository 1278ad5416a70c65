// SPDX-License-Identifier: GPL-3.0-or-later
#include "ProgramFolder.h"

#include "ProgramData.h"

#include <cstdlib>
#include <string>
#include <system_error>

namespace boxmill {

namespace fs = std::filesystem;

bool HoldsProgramData(const fs::path& folder)
{
    std::error_code error;
    for (const char* file :
         {DataFile::Dims, DataFile::IncParts, DataFile::CabParts, DataFile::Wood, DataFile::NewCabinet})
        if (!fs::is_regular_file(folder / file, error))
            return false;
    return fs::is_directory(folder / DataFile::BaseFolder, error);
}

Result<fs::path> ChooseProgramFolder(const ProgramFolderPlaces& places)
{
    if (!places.current.empty() && HoldsProgramData(places.current))
        return places.current;
    if (!places.user.empty() && HoldsProgramData(places.user))
        return places.user;
    // Without installed data the current folder stays the program folder,
    // and start-up says which of its files are missing.
    if (places.user.empty() || places.installed.empty() || !HoldsProgramData(places.installed))
        return places.current;

    std::error_code error;
    const fs::path staging = places.user.parent_path() / (places.user.filename().string() + ".boxmill-new");
    fs::remove_all(staging, error);
    fs::create_directories(staging.parent_path(), error);
    fs::copy(places.installed, staging, fs::copy_options::recursive, error);
    if (!error) {
        // The installed files may be read-only; the user's copies must not be.
        for (const auto& entry : fs::recursive_directory_iterator(staging, error))
            fs::permissions(entry.path(), fs::perms::owner_write, fs::perm_options::add, error);
        fs::permissions(staging, fs::perms::owner_all, fs::perm_options::add, error);
    }
    // A folder without the data (a user's own files under that name, or
    // what a damaged installation left) is moved aside, never deleted.
    if (!error && fs::exists(places.user, error)) {
        fs::path aside;
        for (int n = 1; aside.empty() || fs::exists(aside, error); ++n)
            aside = places.user.string() + ".old" + (n > 1 ? std::to_string(n) : std::string());
        fs::rename(places.user, aside, error);
    }
    if (!error)
        fs::rename(staging, places.user, error);
    if (error) {
        std::error_code ignored;
        fs::remove_all(staging, ignored);
        return Result<fs::path>::failure("Cannot make the program folder " + places.user.string() + ": " +
                                         error.message());
    }
    return places.user;
}

fs::path InstalledDataFolder(const fs::path& executable)
{
    return executable.parent_path().parent_path() / "share" / "boxmill" / "program";
}

fs::path UserProgramFolder()
{
    if (const char* data = std::getenv("XDG_DATA_HOME"); data && *data && fs::path(data).is_absolute())
        return fs::path(data) / "boxmill";
    if (const char* home = std::getenv("HOME"); home && *home)
        return fs::path(home) / ".local" / "share" / "boxmill";
    return {};
}

} // namespace boxmill
