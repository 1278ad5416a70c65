// SPDX-License-Identifier: GPL-3.0-or-later
#include "sheets/Lumber.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>

namespace boxmill::test {
namespace {

TEST(Lumber, BoardFeetAndBoards)
{
    struct Case {
        const char* what;
        std::vector<SheetPart> parts;
        double thickness, boardLength, waste, kerf;
        double boardFeet;
        int boards;
        double boardWidth = 0.0;
    };
    const std::vector<Case> cases = {
        // 12 x 12 x 1 is one board foot; 20 % waste on top.
        {"one foot", {{"Rail", 12, 12, 1, true}}, 1.0, 96, 20, 0.125, 1.2, 1},
        // Two stiles of 48 fit a 96 board only without kerf.
        {"kerf counts", {{"Stile", 48, 2, 2, true}}, 0.75, 96, 0, 0.125, 2 * 48 * 2 * 0.75 / 144, 2},
        {"no kerf", {{"Stile", 48, 2, 2, true}}, 0.75, 96, 0, 0.0, 2 * 48 * 2 * 0.75 / 144, 1},
        // First-fit decreasing takes 3 boards (50+40, 35+30+30, 25); two
        // do (50+30+25, 40+35+30).
        {"search beats first fit",
         {{"A", 50, 2, 1, true},
          {"B", 40, 2, 1, true},
          {"C", 35, 2, 1, true},
          {"D", 30, 2, 2, true},
          {"E", 25, 2, 1, true}},
         1.0,
         105,
         0,
         0.0,
         (50 + 40 + 35 + 60 + 25) * 2.0 / 144,
         2},
        {"too long is left out of boards, not of feet",
         {{"Long", 120, 6, 1, true}},
         1.0,
         96,
         10,
         0.125,
         120 * 6 / 144.0 * 1.1,
         0},
        // Four stiles side by side fill one 7 1/4 board (6 3/8 with kerfs);
        // one part a board's length, they take two.
        {"ripped side by side", {{"Stile", 30, 1.5, 4, true}}, 0.75, 96, 0, 0.125, 4 * 30 * 1.5 * 0.75 / 144, 1, 7.25},
        {"one a board's length", {{"Stile", 30, 1.5, 4, true}}, 0.75, 96, 0, 0.125, 4 * 30 * 1.5 * 0.75 / 144, 2},
        // A panel wider than the board is glued up, not cut from one: named,
        // and still bought.
        {"wider than the board",
         {{"Rail", 40, 2, 3, true}, {"Panel", 20, 9, 1, true}},
         1.0,
         96,
         0,
         0.125,
         (3 * 40 * 2 + 20 * 9) / 144.0,
         1,
         7.25},
    };
    for (const auto& c : cases) {
        const auto plan = PlanLumber(c.parts, c.thickness, c.boardLength, c.waste, c.kerf, c.boardWidth);
        EXPECT_NEAR(plan.boardFeet, c.boardFeet, 1e-9) << c.what;
        EXPECT_EQ(static_cast<int>(plan.boards.size()), c.boards) << c.what;
        EXPECT_LE(plan.lowerBound, c.boards) << c.what;
        // Every board holds its parts with kerf (side by side they share
        // its area), and every part is on one.
        std::map<std::string, int> count;
        for (const auto& board : plan.boards) {
            double used = 0.0;
            for (const auto& name : board) {
                const auto part =
                    std::find_if(c.parts.begin(), c.parts.end(), [&](const SheetPart& p) { return p.name == name; });
                used += c.boardWidth > 0.0 ? part->length * part->width / c.boardWidth : part->length + c.kerf;
                ++count[name];
            }
            EXPECT_LE(used, c.boardLength + c.kerf + 1e-9) << c.what;
        }
        for (const auto& part : plan.unplaced)
            count[part.name] += part.quantity;
        for (const auto& part : c.parts)
            EXPECT_EQ(count[part.name], part.quantity) << c.what << ": " << part.name;
    }
}

} // namespace
} // namespace boxmill::test
