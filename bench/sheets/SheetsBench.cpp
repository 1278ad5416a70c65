// SPDX-License-Identifier: GPL-3.0-or-later
// How close the cutting diagrams come to the fewest sheets possible on
// made-up kitchens, against a plain shelf packing, and how their time grows
// with the part count. Prints its own tables; measure a Release build.
//
//   sheets_bench [KITCHENS] [SEED] [NODES] [SHEET CANDIDATES] [BEAM WIDTH]
#include "tools/ShelfPacking.h"

#include "sheets/CutListSheets.h"
#include "sheets/Stock.h"
#include "tools/KitchenGenerator.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <random>

namespace {

using namespace boxmill;
using Clock = std::chrono::steady_clock;

// A common width of surfaced hardwood boards.
constexpr double kBoardWidth = 7.25;

double Seconds(Clock::time_point since)
{
    return std::chrono::duration<double>(Clock::now() - since).count();
}

struct Tally {
    std::map<int, int> overBound; // sheets above the lower bound: groups
    int groups = 0;
    int sheets = 0;

    void add(int used, int bound)
    {
        ++overBound[used - bound];
        ++groups;
        sheets += used;
    }

    void print(const char* name) const
    {
        std::printf("%-14s %6d sheets  ", name, sheets);
        for (const auto& [over, count] : overBound)
            std::printf("  +%d: %3d", over, count);
        const int at = overBound.count(0) != 0 ? overBound.at(0) : 0;
        std::printf("   at the bound %.1f %%\n", 100.0 * at / std::max(1, groups));
    }
};

// Parts as a big job has them: drawn from the kitchens' sheet parts, each
// size once, so that the search meets as many sizes as parts.
std::vector<SheetPart> DistinctParts(const std::vector<SheetPart>& pool, std::size_t count, std::mt19937& random)
{
    std::vector<SheetPart> parts;
    for (std::size_t i = 0; i < count; ++i) {
        SheetPart part = pool[random() % pool.size()];
        part.quantity = 1;
        // A sixteenth or two apart, as parts of other cabinets are.
        part.length = std::max(2.0, part.length - static_cast<double>(random() % 32) / 16.0);
        part.width = std::max(2.0, part.width - static_cast<double>(random() % 16) / 16.0);
        parts.push_back(part);
    }
    return parts;
}

} // namespace

int main(int argc, char** argv)
{
    const int kitchens = argc > 1 ? std::atoi(argv[1]) : 40;
    const unsigned seed = argc > 2 ? static_cast<unsigned>(std::atoi(argv[2])) : 15u;
    KitchenGenerator generator(BOXMILL_PROGRAM_DIR);
    const auto stock = ReadStockFile(std::filesystem::path(BOXMILL_PROGRAM_DIR) / kStockFileName);
    if (!generator.ready() || !stock) {
        std::fprintf(stderr, "sheets_bench: the program folder %s cannot be used\n", BOXMILL_PROGRAM_DIR);
        return 1;
    }
    CutSettings settings;
    // A wider search, to see how much a larger budget would still find.
    if (argc > 3)
        settings.budget.nodes = std::atol(argv[3]);
    if (argc > 4)
        settings.budget.sheetCandidates = std::atoi(argv[4]);
    if (argc > 5)
        settings.budget.beamWidth = std::atoi(argv[5]);
    std::mt19937 random(seed);
    Tally search, shelf, sized;
    int unreachable = 0, jobsWorse = 0, groupsWorse = 0, parts = 0, boards = 0, rippedBoards = 0, rippedBound = 0,
        tooWide = 0;
    double planning = 0.0, slowest = 0.0;
    std::vector<SheetPart> pool;
    for (int k = 0; k < kitchens; ++k) {
        const Kitchen kitchen = generator.make(random);
        int ours = 0, theirs = 0;
        for (const auto& group : GroupCutList(kitchen.cutList, kitchen.units)) {
            const StockEntry* entry = stock->find(group.wood, group.thickness);
            if (entry == nullptr)
                continue;
            if (entry->kind == StockKind::Board) {
                const auto whole = PlanLumber(group.parts, group.thickness, entry->length, 0.0, settings.kerf);
                const auto ripped =
                    PlanLumber(group.parts, group.thickness, entry->length, 0.0, settings.kerf, kBoardWidth);
                boards += static_cast<int>(whole.boards.size());
                rippedBoards += static_cast<int>(ripped.boards.size());
                rippedBound += ripped.lowerBound;
                for (const auto& part : ripped.unplaced)
                    tooWide += part.quantity;
                continue;
            }
            const SheetSize sheet {entry->length, entry->width, entry->grain};
            const auto start = Clock::now();
            const auto plan = PlanSheets(group.parts, sheet, settings);
            const double took = Seconds(start);
            planning += took;
            slowest = std::max(slowest, took);
            const int used = static_cast<int>(plan.sheets.size());
            const int shelves = ShelfSheets(group.parts, sheet, settings);
            if (const char* show = std::getenv("SHEETS_BENCH_SHOW");
                show != nullptr && used > plan.sizeBound + std::atoi(show)) {
                std::printf("%s %s on %gx%g: %d sheets, bound %d (sizes %d), shelf %d:", group.wood.c_str(),
                            group.stockText.c_str(), sheet.length, sheet.width, used, plan.lowerBound, plan.sizeBound,
                            shelves);
                for (const auto& part : group.parts)
                    std::printf(" %dx%gx%g%s", part.quantity, part.length, part.width, part.grain ? "" : "~");
                std::printf("\n");
            }
            search.add(used, plan.lowerBound);
            sized.add(used, plan.sizeBound);
            unreachable += plan.sizeBound > plan.lowerBound ? 1 : 0;
            shelf.add(shelves, plan.lowerBound);
            groupsWorse += used > shelves ? 1 : 0;
            ours += used;
            theirs += shelves;
            for (const auto& part : group.parts) {
                parts += part.quantity;
                if (sheet.length == 96.0 && sheet.width == 48.0)
                    pool.push_back(part);
            }
        }
        jobsWorse += ours > theirs ? 1 : 0;
    }
    std::printf("%d kitchens (seed %u), %d sheet groups, %d sheet parts, planned in %.2f s (slowest group "
                "%.3f s)\n\n",
                kitchens, seed, search.groups, parts, planning, slowest);
    std::printf("sheets over the lower bound, by sheet group:\n");
    search.print("search");
    shelf.print("shelf packing");
    std::printf("sheets over the bound from the parts' sizes:\n");
    sized.print("search");
    std::printf("groups whose parts' sizes prove the area bound out of reach: %d of %d, so at most %.1f %% can be "
                "at the area bound\n",
                unreachable, search.groups, 100.0 * (search.groups - unreachable) / std::max(1, search.groups));
    std::printf("kitchens where the search used more sheets than the shelf packing: %d of %d (groups: %d)\n", jobsWorse,
                kitchens, groupsWorse);
    std::printf("lumber: %d boards of one part each; ripped side by side from %g inch boards %d, lower bound %d "
                "(%d parts wider than the board)\n\n",
                boards, kBoardWidth, rippedBoards, rippedBound, tooWide);

    std::printf("time for distinct parts on one core:\n%8s %10s %8s %8s\n", "parts", "seconds", "sheets", "bound");
    for (const std::size_t count : {50u, 100u, 200u, 500u, 1000u}) {
        std::mt19937 draw(seed + static_cast<unsigned>(count));
        const auto job = DistinctParts(pool, count, draw);
        const auto start = Clock::now();
        const auto plan = PlanSheets(job, {96.0, 48.0, true}, settings);
        const double took = Seconds(start);
        std::printf("%8zu %10.3f %8zu %8d\n", count, took, plan.sheets.size(), plan.lowerBound);
    }
    return 0;
}
