// SPDX-License-Identifier: GPL-3.0-or-later
#include "BrokenFixtures.h"
#include "help/RtfReader.h"

#include <gtest/gtest.h>

using namespace boxmill;

TEST(BrokenFiles, TheRtfReaderRefuses)
{
    test::CheckBrokenFixtures("rtf", [](const std::filesystem::path& file) {
        const auto document = ReadRtfFile(file);
        return document ? test::ReaderVerdict {} : test::Refused(document.error());
    });
}
