// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "TempFolder.h"

#include <filesystem>

namespace boxmill::test {

// A private, writable copy of the program folder the build laid out, so a
// test may break or rewrite its files without touching the others'.
class ProgramFolderCopy {
public:
    ProgramFolderCopy() { CopyProgramFolder(BOXMILL_PROGRAM_DIR, path()); }

    std::filesystem::path path() const { return m_temp.path() / "program"; }
    std::filesystem::path operator/(const std::string& name) const { return path() / name; }
    // A folder beside the program folder for the user's own files.
    std::filesystem::path outside() const { return m_temp.path(); }

private:
    TempFolder m_temp;
};

} // namespace boxmill::test
