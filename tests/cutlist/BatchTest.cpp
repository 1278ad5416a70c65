// SPDX-License-Identifier: GPL-3.0-or-later
#include "cutlist/Batch.h"

#include "geometry/Calculators.h"

#include <gtest/gtest.h>

using namespace boxmill;

namespace {

PartSize Board(const char* width, const char* length, const char* stock = "3/4", const char* wood = "Red Oak")
{
    // Any size above nothing: the batch merges by the texts.
    PartSize part;
    part.length = 1.0;
    part.width = 1.0;
    part.widthText = width;
    part.lengthText = length;
    part.stockText = stock;
    part.material = wood;
    return part;
}

std::vector<std::string> Texts(const EmittedBatch& batch)
{
    std::vector<std::string> texts;
    for (const auto& row : batch.rows)
        texts.push_back(row.quantityText() + " " + row.width + " x " + row.length + " " + row.material + "-" +
                        row.stock);
    return texts;
}

} // namespace

TEST(Batch, CountsEqualBoardsInTheFirstEntryThatHasThem)
{
    Batch batch("Stile(s)");
    batch.add(Board("1 1/2", "30 "));
    batch.add(Board("2 ", "30 "));
    batch.add(Board("1 1/2", "30 "));
    batch.add(Board("2 ", "30 "));
    batch.add(Board("1 1/2", "30 "));
    const auto merged = batch.merged();
    EXPECT_EQ(merged.partName, "Stile(s)");
    EXPECT_EQ(Texts(merged), (std::vector<std::string> {"3 1 1/2 x 30  Red Oak-3/4", "2 2  x 30  Red Oak-3/4"}));
}

TEST(Batch, OtherStockOtherWoodOrTextsThatReadAlikeJoinedStaySeparate)
{
    Batch batch("Shelve(s)");
    batch.add(Board("23 ", "34 1/2", "3/4", "Oak Plywood"));
    batch.add(Board("23 ", "34 1/2", "1/2", "Oak Plywood"));
    batch.add(Board("23 ", "34 1/2", "3/4", "oak plywood"));
    // Joined without a separator, "1"+"12" and "11"+"2" are the same text,
    // and so are wood "Oak1" at stock "2" and wood "Oak" at stock "12".
    batch.add(Board("1", "12"));
    batch.add(Board("11", "2"));
    batch.add(Board("5", "5", "2", "Oak1"));
    batch.add(Board("5", "5", "12", "Oak"));
    EXPECT_EQ(batch.merged().rows.size(), 7u);
}

TEST(Batch, BoardsWithoutALengthAndEmptyBatchesListNothing)
{
    // A length under 1/32 inch formats as the empty text and is not shown.
    Batch batch("Face Rail(s)");
    batch.add(Board("1 1/2", ""));
    batch.add(std::optional<PartSize>());
    EXPECT_EQ(batch.count(), 1);
    CutList list;
    batch.emitTo(list);
    EXPECT_TRUE(list.empty());

    batch.add(Board("1 1/2", "21 "));
    batch.emitTo(list);
    ASSERT_EQ(list.size(), 1u);
    EXPECT_EQ(Texts(list[0]), (std::vector<std::string> {"1 1 1/2 x 21  Red Oak-3/4"}));
}
