// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "RecordFixtures.h"

#include "core/FileIo.h"
#include "core/StartUp.h"
#include "tools/NewcabSource.h"

#include <filesystem>
#include <stdexcept>

namespace boxmill::test {

// A program folder laid out from data/ with Newcab.dat compiled on the spot,
// for tests that must not wait for (or depend on) the build's own copy.
inline void LayOutProgramFolder(const std::filesystem::path& to)
{
    const std::filesystem::path data = BOXMILL_DATA_DIR;
    std::filesystem::create_directories(to / "Base");
    for (const char* name : {"Dims.dat", "CabParts.dat", "IncParts.dat", "Wood.dat", "Standard.dat"})
        std::filesystem::copy_file(data / name, to / name, std::filesystem::copy_options::overwrite_existing);
    const auto bytes = [&](const char* name) { return ReadFileBytes(data / name).value(); };
    const Vocabulary vocabulary = VocabularyFromLists(bytes("Dims.dat"), bytes("IncParts.dat"), bytes("CabParts.dat"));
    auto record = CompileNewcab(bytes("Newcab.txt"), vocabulary);
    if (!record)
        throw std::runtime_error("Newcab.txt: " + record.error());
    WriteAllBytes(to / "Newcab.dat", RecordBytes(*record));
}

} // namespace boxmill::test
