// SPDX-License-Identifier: GPL-3.0-or-later
#include "BrokenFixtures.h"
#include "print/PrintSettings.h"

#include <gtest/gtest.h>

using namespace boxmill;

TEST(BrokenFiles, ThePrintOptionsReaderRefuses)
{
    test::CheckBrokenFixtures("print-options", [](const std::filesystem::path& file) {
        // The reader takes the program folder and finds Printopt.dat in it.
        std::filesystem::rename(file, file.parent_path() / kPrintOptionsFile);
        const auto settings = ReadPrintOptions(file.parent_path());
        return settings ? test::ReaderVerdict {} : test::Refused(settings.error());
    });
}
