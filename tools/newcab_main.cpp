// SPDX-License-Identifier: GPL-3.0-or-later
// boxmill-newcab DATA_FOLDER OUTPUT: compiles DATA_FOLDER/Newcab.txt, naming
// its keys after the folder's Dims.dat, CabParts.dat and IncParts.dat, into
// the record file OUTPUT.
#include "tools/NewcabSource.h"

#include "core/CabinetFile.h"
#include "core/Constants.h"
#include "core/FileIo.h"
#include "core/Vocabulary.h"

#include <iostream>

int main(int argc, char** argv)
{
    using namespace boxmill;
    if (argc != 3) {
        std::cerr << "usage: boxmill-newcab DATA_FOLDER OUTPUT\n";
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    const auto read = [&](const char* name) {
        auto lines = ReadTextLines(folder / name);
        if (!lines) {
            std::cerr << "error: " << lines.error() << "\n";
            std::exit(1);
        }
        return std::move(lines).value();
    };
    const Vocabulary vocabulary(read("Dims.dat"), read("IncParts.dat"), read("CabParts.dat"));
    auto source = ReadFileBytes(folder / "Newcab.txt");
    if (!source) {
        std::cerr << "error: " << source.error() << "\n";
        return 1;
    }
    auto record = CompileNewcab(*source, vocabulary);
    if (!record) {
        std::cerr << "error: Newcab.txt " << record.error() << "\n";
        return 1;
    }
    const auto status = WriteCabinetFile(argv[2], *record);
    if (!status) {
        std::cerr << "error: " << status.error() << "\n";
        return 1;
    }
    return 0;
}
