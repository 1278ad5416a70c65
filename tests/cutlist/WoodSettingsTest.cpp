// SPDX-License-Identifier: GPL-3.0-or-later
#include "cutlist/WoodSettings.h"

#include "PartKinds.h"
#include "ScriptedPrompter.h"

#include <gtest/gtest.h>

using namespace boxmill;
using Texts = std::vector<std::string>;

namespace {

class ChangeWoodSettingsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (int k = 0; k < kPartRows; ++k)
            test::SetKind(model, k, "Poplar", "0.5", "3.95", 0.0);
        before = model.record;
    }

    std::optional<std::string> change(int gridRow, WoodEditBoxes boxes)
    {
        prompter.shown.clear();
        return ChangeWoodSettings(model, gridRow, boxes, prompter);
    }
    Texts shown() const
    {
        Texts texts;
        for (const auto& s : prompter.shown)
            texts.push_back(s.text);
        return texts;
    }

    CabinetModel model;
    CabinetRecord before;
    test::ScriptedPrompter prompter;
};

const std::string kSelect(kSelectWoodMessage);

} // namespace

TEST_F(ChangeWoodSettingsTest, WritesThePartRowOfTheGridRowAndReloadsTheArrays)
{
    ASSERT_EQ(change(3, {"Red Oak", "0", "3/4", "6.50"}), "Red Oak*0-3/4");
    EXPECT_EQ(model.record.partWood(2), "Red Oak");
    EXPECT_EQ(model.record.partStockText(2), "0.75");
    EXPECT_EQ(model.partPrice[2], 65000);
    EXPECT_EQ(model.partStock[2], 0.75);
    EXPECT_EQ(model.record.partWood(3), "Poplar");

    // Typed above an inch, the cell differs from the form a load gives.
    EXPECT_EQ(change(31, {"Oak", "1", "1/2", "8"}), "Oak*1-1/2");
    EXPECT_EQ(FillWoodSelectionColumn(model)[30], "Oak*1 1/2");

    model.units = UnitMode::Metric;
    EXPECT_EQ(change(2, {"Oak", "19", "", "4.5"}), "Oak*19");
    EXPECT_EQ(model.record.partStockText(1), "0.74803");
    EXPECT_TRUE(prompter.shown.empty());
}

TEST_F(ChangeWoodSettingsTest, ARefusedWoodLeavesTheCabinetAsItWas)
{
    for (const int row : {-1, 0, 32}) {
        EXPECT_FALSE(change(row, {"Oak", "0", "3/4", "4"}));
        EXPECT_EQ(shown(), Texts {kSelect});
    }
    EXPECT_FALSE(change(5, {"Oak", "0", "", "4"}));
    EXPECT_EQ(shown(), Texts {kSelect});
    EXPECT_FALSE(change(5, {"Oak", "1", "1/3", "4"}));
    EXPECT_EQ(shown(), (Texts {std::string(kBadFractionMessage), kSelect}));
    EXPECT_FALSE(change(5, {"Oak", "0", "3/4", "4.x"}));
    EXPECT_EQ(shown(), (Texts {"The cost '4.x' is not a number.", kSelect}));
    model.units = UnitMode::Metric;
    EXPECT_FALSE(change(5, {"Oak", "19.5", "0", "4"}));
    EXPECT_EQ(shown().size(), 2u);

    EXPECT_EQ(model.record, before);
    EXPECT_EQ(model.partStock[4], 0.5);
}
