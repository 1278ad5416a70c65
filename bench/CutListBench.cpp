// SPDX-License-Identifier: GPL-3.0-or-later
// "Send To Cutlist Viewer" and the cutlist editor rebuild every board of the
// cabinet, the wood cost and the whole listing text on each command; together
// they must stay far below anything a user could notice.
#include "core/CabinetFile.h"
#include "core/CabinetModel.h"
#include "core/Vocabulary.h"
#include "cutlist/CostCalculator.h"
#include "cutlist/CutListViewer.h"
#include "cutlist/CutlistEditor.h"
#include "geometry/Layout.h"

#include <benchmark/benchmark.h>

#include <filesystem>

namespace {

using namespace boxmill;

// The busy cabinet of the cut list tests: three sections with banked
// drawers, a moved partition with shelves and double-panel doors above it,
// dadoed shelves, partitions and dividers; 38 rows and 105 listing lines.
struct BusyCabinet {
    BusyCabinet()
    {
        const auto file = std::filesystem::path(__FILE__).parent_path().parent_path() / "tests/data/Busy.cab";
        const auto record = ReadCabinetFile(file);
        if (!record) {
            error = record.error();
            return;
        }
        (void)model.adoptRecord(*record, Vocabulary());
        LayoutAfterLoad(model, layout);
    }

    CabinetModel model;
    LayoutResult layout;
    CostCalculator cost;
    std::string error;
};

void CompleteCutList(benchmark::State& state)
{
    BusyCabinet busy;
    if (!busy.error.empty())
        state.SkipWithError(busy.error.c_str());
    for (auto _ : state) {
        auto grid = ShowCutList(CutListKind::Complete, busy.model, busy.layout, busy.cost);
        benchmark::DoNotOptimize(grid);
    }
}
BENCHMARK(CompleteCutList);

// The viewer's complete list, then the editor's complete listing (without
// writing Cutlist.txt, whose cost is the disk's).
void CompleteCutListAndListing(benchmark::State& state)
{
    BusyCabinet busy;
    if (!busy.error.empty())
        state.SkipWithError(busy.error.c_str());
    for (auto _ : state) {
        auto grid = ShowCutList(CutListKind::Complete, busy.model, busy.layout, busy.cost);
        auto listing = BuildListing(ListingBuild::All, busy.model, busy.layout, busy.cost, "03/14/26");
        benchmark::DoNotOptimize(grid);
        benchmark::DoNotOptimize(listing);
    }
}
BENCHMARK(CompleteCutListAndListing);

} // namespace
