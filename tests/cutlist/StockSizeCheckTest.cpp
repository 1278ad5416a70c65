// SPDX-License-Identifier: GPL-3.0-or-later
#include "ScriptedPrompter.h"

#include "core/CabinetModel.h"
#include "cutlist/StockSizeCheck.h"
#include "geometry/Calculators.h"

#include <gtest/gtest.h>

using namespace boxmill;

namespace {

CabinetModel AllThreeQuarter()
{
    CabinetModel model;
    model.partStock.fill(0.75);
    return model;
}

std::vector<std::string> Texts(const test::ScriptedPrompter& prompter)
{
    std::vector<std::string> texts;
    for (const auto& shown : prompter.shown) {
        EXPECT_EQ(shown.kind, MessageKind::Error);
        texts.push_back(shown.text);
    }
    return texts;
}

} // namespace

TEST(CheckStockSizes, FaceFrameMismatchWarnsDoorFrameMismatchStops)
{
    test::ScriptedPrompter prompter;
    CabinetModel model = AllThreeQuarter();
    // Carcass and panel stocks are free to differ.
    model.partStock[PartRow::Shelf] = 0.5;
    model.partStock[PartRow::DoorPanel] = 0.625;
    EXPECT_TRUE(CheckStockSizes(model, prompter));
    EXPECT_TRUE(prompter.shown.empty());

    model.partStock[PartRow::DoorMullion] = 1.0;
    EXPECT_TRUE(CheckStockSizes(model, prompter));
    EXPECT_EQ(Texts(prompter), std::vector<std::string> {std::string(kFaceFrameStockMessage)});

    prompter.shown.clear();
    model = AllThreeQuarter();
    model.partStock[PartRow::DoorBottomRail] = 0.76;
    EXPECT_FALSE(CheckStockSizes(model, prompter));
    EXPECT_EQ(Texts(prompter), std::vector<std::string> {std::string(kRaisedPanelStockMessage)});

    // Both: the face frame is pointed out first, then the refusal.
    prompter.shown.clear();
    model.partStock[PartRow::PartitionRail] = 1.0;
    EXPECT_FALSE(CheckStockSizes(model, prompter));
    EXPECT_EQ(Texts(prompter),
              (std::vector<std::string> {std::string(kFaceFrameStockMessage), std::string(kRaisedPanelStockMessage)}));
}
