// SPDX-License-Identifier: GPL-3.0-or-later
#include "SheetCheck.h"

#include "sheets/SheetPlan.h"

#include <gtest/gtest.h>

#include <random>

namespace boxmill::test {
namespace {

const SheetSize kPlywood {96.0, 48.0, true};

// Cabinet-like jobs: a handful of sizes, several of each, some of them free
// to turn, from a fixed seed so that a failure can be replayed.
std::vector<SheetPart> GeneratedJob(std::mt19937& random)
{
    std::vector<SheetPart> parts;
    const int sizes = 3 + static_cast<int>(random() % 12);
    for (int i = 0; i < sizes; ++i) {
        const double length = 4.0 + static_cast<double>(random() % 180) / 2.0;
        const double width = 2.0 + static_cast<double>(random() % 92) / 2.0;
        parts.push_back(
            {"P" + std::to_string(i), length, width, 1 + static_cast<int>(random() % 5), random() % 3 != 0});
    }
    return parts;
}

TEST(SheetPlan, GeneratedJobsKeepEveryInvariant)
{
    std::mt19937 random(2024);
    const std::vector<std::pair<SheetSize, CutSettings>> setups = {
        {kPlywood, CutSettings {}},
        {{60.0, 60.0, false}, CutSettings {0.25, 0.0, 4.0, {}}},
        {{97.0, 49.0, true}, CutSettings {0.0, 0.5, 6.0, {}}},
        // Wider than long: lying a part down may not fit.
        {{48.0, 96.0, false}, CutSettings {}},
    };
    for (int job = 0; job < 40; ++job) {
        const auto parts = GeneratedJob(random);
        for (const auto& [sheet, settings] : setups) {
            SCOPED_TRACE("job " + std::to_string(job) + " on " + std::to_string(sheet.length));
            ExpectSoundPlan(PlanSheets(parts, sheet, settings), parts, sheet, settings);
        }
    }
}

TEST(SheetPlan, SearchBeatsTheGreedyPass)
{
    // Greedy fills the first sheets with the fullest strips and strands the
    // 40 x 15 parts across three sheets; two are enough.
    const std::vector<SheetPart> parts = {
        {"A", 11, 11, 2, false},     {"B", 46.5, 12.5, 4, false}, {"C", 23.5, 13, 1, true},
        {"D", 44.5, 18.5, 3, false}, {"E", 26.5, 19.5, 4, true},
    };
    CutSettings greedy;
    greedy.budget = {1, 1, 1, 0};
    const auto first = PlanSheets(parts, kPlywood, greedy);
    const auto searched = PlanSheets(parts, kPlywood, CutSettings {});
    EXPECT_EQ(first.sheets.size(), 3u);
    EXPECT_EQ(searched.sheets.size(), 2u);
    EXPECT_EQ(searched.lowerBound, 2);
    ExpectSoundPlan(searched, parts, kPlywood, CutSettings {});
}

TEST(SheetPlan, SameInputAndBudgetGiveTheSameDiagrams)
{
    std::mt19937 random(99);
    const auto parts = GeneratedJob(random);
    CutSettings tight;
    tight.budget.nodes = 300; // runs out, which must not make it wander
    for (const auto& settings : {CutSettings {}, tight}) {
        const auto a = PlanSheets(parts, kPlywood, settings);
        const auto b = PlanSheets(parts, kPlywood, settings);
        ASSERT_EQ(a.sheets.size(), b.sheets.size());
        for (std::size_t s = 0; s < a.sheets.size(); ++s) {
            ASSERT_EQ(a.sheets[s].parts.size(), b.sheets[s].parts.size());
            for (std::size_t p = 0; p < a.sheets[s].parts.size(); ++p) {
                EXPECT_EQ(a.sheets[s].parts[p].name, b.sheets[s].parts[p].name);
                EXPECT_EQ(a.sheets[s].parts[p].x, b.sheets[s].parts[p].x);
                EXPECT_EQ(a.sheets[s].parts[p].y, b.sheets[s].parts[p].y);
            }
        }
    }
}

TEST(SheetPlan, PartsThatCannotBeCutAreNamedNotDropped)
{
    const std::vector<SheetPart> parts = {
        {"Side(s)", 34.5, 23, 2, true}, {"Long Top", 97, 24, 1, true}, // longer than the sheet
        {"Wide Back", 40, 60, 1, true},                                // fits only turned, across the grain
        {"Turnable", 40, 60, 1, false},                                // the same, free to turn
        {"Exact", 95.5, 47.5, 1, true},                                // the whole sheet inside its trim
        {"Broken", -3, 10, 1, true},
    };
    const CutSettings settings;
    const auto plan = PlanSheets(parts, kPlywood, settings);
    std::vector<std::string> unplaced;
    for (const auto& part : plan.unplaced)
        unplaced.push_back(part.name + ": " + part.reason);
    EXPECT_EQ(unplaced, (std::vector<std::string> {"Long Top: larger than the sheet",
                                                   "Wide Back: larger than the sheet", "Broken: has no size"}));
    ExpectSoundPlan(plan, parts, kPlywood, settings);
    // A part the size of the usable sheet is one sheet, not two.
    EXPECT_EQ(PlanSheets({parts[4]}, kPlywood, settings).lowerBound, 1);
}

TEST(SheetPlan, BoundFromSizesSeesWhatAreaCannot)
{
    // Base cabinet sides, grain along: two fit along the sheet and two
    // across, so sixteen take four sheets, where their area fits in three.
    const std::vector<SheetPart> sides = {{"Side", 34.5, 23, 16, true}};
    const auto plan = PlanSheets(sides, kPlywood, CutSettings {});
    EXPECT_EQ(plan.lowerBound, 3);
    EXPECT_EQ(plan.sizeBound, 4);
    EXPECT_EQ(plan.sheets.size(), 4u);
    // Drawer bottoms 21 inches along a 60 inch sheet leave 18 of it: 8 of
    // them need two sheets, though their area is less than one.
    CutSettings bare;
    bare.kerf = bare.trim = 0.0;
    const std::vector<SheetPart> bottoms = {{"Bottom", 21, 20, 8, true}};
    EXPECT_EQ(SheetLowerBound(bottoms, {60, 60, true}, bare), 1);
    EXPECT_EQ(SheetSizeBound(bottoms, {60, 60, true}, bare), 2);
    // Free to turn, three fit along a 60 sheet that way and the area rules.
    EXPECT_EQ(SheetSizeBound({{"Bottom", 21, 20, 8, false}}, {60, 60, false}, bare), 1);
}

TEST(SheetPlan, CrosscutFirstWhenThatSavesASheet)
{
    // Ripped first, the two 54 inch parts take a strip each and leave no
    // room across for the 36 inch wide one; crosscut at 54 first, all three
    // fit one sheet.
    const std::vector<SheetPart> parts = {{"Door", 54, 23, 2, true}, {"Back", 22.5, 36, 1, true}};
    const auto plan = PlanSheets(parts, kPlywood, CutSettings {});
    ASSERT_EQ(plan.sheets.size(), 1u);
    ExpectSoundPlan(plan, parts, kPlywood, CutSettings {});
    const auto first = std::find_if(plan.sheets[0].cuts.begin(), plan.sheets[0].cuts.end(),
                                    [](const Cut& cut) { return cut.x0 > 0.25 && cut.x0 == cut.x1; });
    ASSERT_NE(first, plan.sheets[0].cuts.end());
    EXPECT_EQ(first->kind, CutKind::Crosscut);
    EXPECT_DOUBLE_EQ(first->x0, 54.25);
    EXPECT_DOUBLE_EQ(first->length(), 48.0);
}

TEST(SheetPlan, ClockStopsTheSearchButEveryPartIsPlaced)
{
    std::mt19937 random(7);
    std::vector<SheetPart> parts;
    for (int i = 0; i < 12; ++i) {
        const auto job = GeneratedJob(random);
        parts.insert(parts.end(), job.begin(), job.end());
    }
    CutSettings hurried;
    hurried.budget.seconds = 1e-9;
    const auto plan = PlanSheets(parts, kPlywood, hurried);
    EXPECT_TRUE(plan.budgetSpent);
    ExpectSoundPlan(plan, parts, kPlywood, hurried);
}

// A job the size of the largest a job file allows: the plans in the beam
// share the sheets they grew from rather than each copying them at every
// sheet, which took the square of the sheets' count, and the shelf packing
// finds a sheet with room without trying every sheet before it. Without a
// clock the search keeps to its nodes alone.
TEST(SheetPlan, ThousandsOfSheetsArePlanned)
{
    const std::vector<SheetPart> parts = {{"Side", 90, 23, 8'000, true}, {"Shelf", 22, 11, 6'000, true}};
    CutSettings settings;
    settings.budget.seconds = 0.0;
    const auto plan = PlanSheets(parts, kPlywood, settings);
    // Two sides a sheet leave no room for a shelf: 4,000 sheets, then a
    // sheet holds 16 shelves.
    EXPECT_EQ(plan.sheets.size(), std::size_t {4'000 + 375});
    std::size_t placed = 0;
    for (const auto& sheet : plan.sheets)
        placed += sheet.parts.size();
    EXPECT_EQ(placed, std::size_t {14'000});
}

TEST(SheetPlan, LowerBoundCountsTheKerfOnEveryPart)
{
    // 8 parts of 23.875 x 11.875 with kerf tile 24 x 12 each: a 96 x 48
    // sheet plus a kerf holds exactly 16 of them, 17 need two sheets.
    CutSettings settings;
    settings.trim = 0.0;
    settings.kerf = 0.125;
    const SheetSize sheet {95.875, 47.875, true};
    EXPECT_EQ(SheetLowerBound({{"P", 23.875, 11.875, 16, true}}, sheet, settings), 1);
    EXPECT_EQ(SheetLowerBound({{"P", 23.875, 11.875, 17, true}}, sheet, settings), 2);
    const auto plan = PlanSheets({{"P", 23.875, 11.875, 16, true}}, sheet, settings);
    EXPECT_EQ(plan.sheets.size(), 1u);
    EXPECT_NEAR(plan.sheets[0].yield, 16 * 23.875 * 11.875 / (95.875 * 47.875), 1e-9);
}

} // namespace
} // namespace boxmill::test
