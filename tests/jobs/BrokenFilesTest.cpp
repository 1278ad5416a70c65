// SPDX-License-Identifier: GPL-3.0-or-later
#include "BrokenFixtures.h"
#include "jobs/JobFile.h"

#include <gtest/gtest.h>

using namespace boxmill;

TEST(BrokenFiles, TheJobReaderRefuses)
{
    test::CheckBrokenFixtures("job", [](const std::filesystem::path& file) {
        const auto job = ReadJobFile(file);
        return job ? test::ReaderVerdict {} : test::Refused(job.error());
    });
}
