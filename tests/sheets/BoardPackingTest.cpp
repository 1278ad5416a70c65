// SPDX-License-Identifier: GPL-3.0-or-later
#include "sheets/BoardPacking.h"
#include "sheets/Lumber.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <numeric>
#include <random>

namespace boxmill::test {
namespace {

using sheets::PackBoards;

int AreaBound(const std::vector<double>& lengths, double capacity)
{
    return static_cast<int>(std::ceil(std::accumulate(lengths.begin(), lengths.end(), 0.0) / capacity - 1e-9));
}

// Every length on a board, no board over its capacity.
void ExpectSound(const sheets::BoardPacking& packing, const std::vector<double>& lengths, double capacity)
{
    ASSERT_EQ(packing.boardOf.size(), lengths.size());
    std::vector<double> used(static_cast<std::size_t>(packing.boards), 0.0);
    for (std::size_t i = 0; i < lengths.size(); ++i) {
        ASSERT_GE(packing.boardOf[i], 0);
        ASSERT_LT(packing.boardOf[i], packing.boards);
        used[static_cast<std::size_t>(packing.boardOf[i])] += lengths[i];
    }
    for (const double length : used)
        EXPECT_LE(length, capacity + 1e-9);
}

TEST(BoardPacking, SearchWithinItsPlacements)
{
    struct Case {
        const char* what;
        std::vector<double> lengths; // longest first
        double capacity;
        long placements;
        int boards;
        bool budgetSpent;
    };
    const std::vector<Case> cases = {
        // First-fit takes 3 (50+40, 35+30+30, 25); the search finds 2.
        {"search beats first fit", {50, 40, 35, 30, 30, 25}, 105, 1000, 2, false},
        // A plan is complete only after a placement for every length.
        {"too few placements to finish a plan", {50, 40, 35, 30, 30, 25}, 105, 6, 3, true},
        // The area allows 2; the search proves 3 the fewest and stops.
        {"bound out of reach, search done", {60, 60, 60}, 100, 1000, 3, false},
        {"first fit at the bound needs no search", {60, 40, 60, 40}, 100, 0, 2, false},
    };
    for (const auto& c : cases) {
        const auto packing = PackBoards(c.lengths, c.capacity, AreaBound(c.lengths, c.capacity), c.placements);
        ExpectSound(packing, c.lengths, c.capacity);
        EXPECT_EQ(packing.boards, c.boards) << c.what;
        EXPECT_EQ(packing.budgetSpent, c.budgetSpent) << c.what;
        EXPECT_LE(packing.placements, c.placements) << c.what;
    }
}

// The largest job a job file allows has hundreds of thousands of pieces.
// The search keeps one level a piece and puts the boards back in place,
// where it once copied every board's room at every level and ran out of
// memory: it finishes, keeps to its placements, never does worse than
// first fit and gives the same boards every time.
TEST(BoardPacking, ManyThousandPiecesKeepToTheBudget)
{
    std::mt19937 random(22);
    std::vector<double> lengths;
    for (int i = 0; i < 60'000; ++i)
        lengths.push_back(static_cast<double>(64 + random() % (90 * 16)) / 16.0 + 0.125);
    std::sort(lengths.begin(), lengths.end(), std::greater<>());
    const double capacity = 96.125;
    const int bound = AreaBound(lengths, capacity);
    const long placements = 200'000;
    const auto firstFit = PackBoards(lengths, capacity, bound, 0);
    const auto packing = PackBoards(lengths, capacity, bound, placements);
    ExpectSound(packing, lengths, capacity);
    EXPECT_LE(packing.boards, firstFit.boards);
    EXPECT_GE(packing.boards, bound);
    EXPECT_EQ(packing.placements, placements);
    EXPECT_TRUE(packing.budgetSpent);
    EXPECT_EQ(PackBoards(lengths, capacity, bound, placements).boardOf, packing.boardOf);
}

// The same through PlanLumber, with the counts a big job gives its parts.
TEST(BoardPacking, ABigJobsLumberIsPlanned)
{
    const std::vector<SheetPart> parts = {
        {"Stile(s)", 84, 1.5, 4'000, true}, {"Rail(s)", 21, 2, 6'000, true}, {"Mullion(s)", 30, 2, 2'000, true}};
    const auto plan = PlanLumber(parts, 0.75, 96, 20, 0.125);
    std::size_t placed = 0;
    for (const auto& board : plan.boards)
        placed += board.size();
    EXPECT_EQ(placed, std::size_t {12'000});
    // A stile a board with room for nothing else; first fit puts the
    // mullions three a board and the rails four, 6,167 boards in all; a
    // mullion and three rails a board would take 6,000.
    EXPECT_LE(plan.boards.size(), std::size_t {6'167});
    EXPECT_GE(plan.boards.size(), std::size_t {6'000});
}

} // namespace
} // namespace boxmill::test
