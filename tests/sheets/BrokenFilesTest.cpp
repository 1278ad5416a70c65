// SPDX-License-Identifier: GPL-3.0-or-later
#include "BrokenFixtures.h"
#include "sheets/Stock.h"

#include <gtest/gtest.h>

using namespace boxmill;

// A line of Stock.txt that cannot be read is left out and named; the rest
// of the file still counts.
TEST(BrokenFiles, TheStockReaderRefusesOrNamesTheLinesItLeavesOut)
{
    test::CheckBrokenFixtures("stock", [](const std::filesystem::path& file) {
        const auto list = ReadStockFile(file);
        if (!list)
            return test::Refused(list.error());
        return test::ReaderVerdict {list->problems.empty() ? test::ReaderVerdict::Kind::Accepted
                                                           : test::ReaderVerdict::Kind::Warned,
                                    list->problems,
                                    {}};
    });
}
