// SPDX-License-Identifier: GPL-3.0-or-later
#include "BrokenFixtures.h"
#include "panels/PanelFile.h"

#include <gtest/gtest.h>

using namespace boxmill;

// Any 26 bytes are a style (each control is on or off), so only the size
// can make a panel file unreadable.
TEST(BrokenFiles, ThePanelFileReaderRefuses)
{
    test::CheckBrokenFixtures("panel", [](const std::filesystem::path& file) {
        const auto style = ReadPanelStyleFile(file);
        return style ? test::ReaderVerdict {} : test::Refused(style.error());
    });
}
