// SPDX-License-Identifier: GPL-3.0-or-later
#include "DataProgramFolder.h"
#include "TempFolder.h"
#include "sheets/SheetCheck.h"

#include "sheets/CutListSheets.h"
#include "sheets/Stock.h"
#include "tools/KitchenGenerator.h"
#include "tools/ShelfPacking.h"

#include <gtest/gtest.h>

#include <set>

namespace boxmill::test {
namespace {

// What sheets_bench measures on many kitchens, held on a few: every
// diagram sound, never more sheets than the shelf packing, never more than
// one over what the parts' sizes prove necessary, and mostly at that bound.
TEST(KitchenSheets, GeneratedKitchensStayNearTheBound)
{
    TempFolder folder;
    LayOutProgramFolder(folder.path());
    KitchenGenerator generator(folder.path());
    ASSERT_TRUE(generator.ready());
    const auto stock = ReadStockFile(std::filesystem::path(BOXMILL_DATA_DIR) / kStockFileName);
    ASSERT_TRUE(stock.ok());
    std::mt19937 random(15);
    const CutSettings settings;
    int groups = 0, atBound = 0, atAreaBound = 0;
    for (int k = 0; k < 3; ++k) {
        const Kitchen kitchen = generator.make(random);
        for (const auto& group : GroupCutList(kitchen.cutList, kitchen.units)) {
            const StockEntry* entry = stock->find(group.wood, group.thickness);
            if (entry == nullptr || entry->kind != StockKind::Sheet)
                continue;
            SCOPED_TRACE(group.wood + " " + group.stockText + " in kitchen " + std::to_string(k));
            const SheetSize sheet {entry->length, entry->width, entry->grain};
            const auto plan = PlanSheets(group.parts, sheet, settings);
            ExpectSoundPlan(plan, group.parts, sheet, settings);
            const int used = static_cast<int>(plan.sheets.size());
            EXPECT_LE(used, ShelfSheets(group.parts, sheet, settings));
            EXPECT_LE(used, plan.sizeBound + 1);
            ++groups;
            atBound += used == plan.sizeBound ? 1 : 0;
            atAreaBound += used == plan.lowerBound ? 1 : 0;
        }
    }
    ASSERT_GE(groups, 10);
    EXPECT_GE(atBound * 10, groups * 8) << atBound << " of " << groups << " at the bound";
    EXPECT_GE(atAreaBound * 10, groups * 3) << atAreaBound << " of " << groups << " at the area bound";
}

// A generator whose edits were refused would make every cabinet the
// default one and the benchmark would measure nothing.
TEST(KitchenSheets, KitchensVaryInSizeAndDesign)
{
    TempFolder folder;
    LayOutProgramFolder(folder.path());
    KitchenGenerator generator(folder.path());
    ASSERT_TRUE(generator.ready());
    std::mt19937 random(4);
    std::set<std::string> kinds, parts, sides;
    for (int k = 0; k < 3; ++k) {
        const Kitchen kitchen = generator.make(random);
        EXPECT_GE(kitchen.cabinets, 5);
        EXPECT_LE(kitchen.cabinets, 30);
        for (const auto& batch : kitchen.cutList) {
            const auto colon = batch.partName.find(": ");
            ASSERT_NE(colon, std::string::npos) << batch.partName << " has no cabinet label";
            kinds.insert(batch.partName.substr(0, batch.partName.find(' ')));
            parts.insert(batch.partName.substr(colon + 2));
            EXPECT_FALSE(batch.partName.starts_with("Wall") && batch.partName.ends_with("Toekick"))
                << "a wall cabinet has no toe kick";
            if (batch.partName.ends_with(": Side(s)"))
                sides.insert(batch.rows.front().length + " x " + batch.rows.front().width);
        }
    }
    EXPECT_EQ(kinds, (std::set<std::string> {"Base", "Wall"}));
    for (const char* part : {"Dw Side(s)", "Dr Stile(s)", "Shelve(s)", "Partition(s)", "Mullion(s)", "Toekick"})
        EXPECT_TRUE(parts.count(part)) << part;
    EXPECT_GE(sides.size(), 8u) << "cabinet heights and depths";
}

} // namespace
} // namespace boxmill::test
