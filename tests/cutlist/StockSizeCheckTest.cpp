// SPDX-License-Identifier: GPL-3.0-or-later
#include "cutlist/StockSizeCheck.h"
#include "core/CabinetModel.h"
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

std::vector<std::string> Texts(const Messages& messages)
{
    std::vector<std::string> texts;
    for (const auto& message : messages) {
        EXPECT_EQ(message.kind, MessageKind::Error);
        texts.push_back(message.text);
    }
    return texts;
}

} // namespace

TEST(CheckStockSizes, FaceFrameMismatchWarnsDoorFrameMismatchStops)
{
    CabinetModel model = AllThreeQuarter();
    // Carcass and panel stocks are free to differ.
    model.partStock[PartRow::Shelf] = 0.5;
    model.partStock[PartRow::DoorPanel] = 0.625;
    auto checked = CheckStockSizes(model);
    EXPECT_TRUE(checked.value);
    EXPECT_TRUE(checked.messages.empty());

    model.partStock[PartRow::DoorMullion] = 1.0;
    checked = CheckStockSizes(model);
    EXPECT_TRUE(checked.value);
    EXPECT_EQ(Texts(checked.messages), std::vector<std::string> {std::string(kFaceFrameStockMessage)});

    model = AllThreeQuarter();
    model.partStock[PartRow::DoorBottomRail] = 0.76;
    checked = CheckStockSizes(model);
    EXPECT_FALSE(checked.value);
    EXPECT_EQ(Texts(checked.messages), std::vector<std::string> {std::string(kRaisedPanelStockMessage)});

    // Both: the face frame is pointed out first, then the refusal.
    model.partStock[PartRow::PartitionRail] = 1.0;
    checked = CheckStockSizes(model);
    EXPECT_FALSE(checked.value);
    EXPECT_EQ(Texts(checked.messages),
              (std::vector<std::string> {std::string(kFaceFrameStockMessage), std::string(kRaisedPanelStockMessage)}));
}
