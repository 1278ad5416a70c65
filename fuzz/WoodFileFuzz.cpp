// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds arbitrary bytes to the Wood.dat reader, and checks that a listing
// the program agrees to save reads back as the same listing.
#include "FuzzSupport.h"

#include "core/FileIo.h"
#include "core/WoodList.h"
#include "cutlist/WoodFile.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace boxmill;
    const auto lines = SplitLines(fuzz::Bytes(data, size));
    fuzz::CheckingPrompter prompter;
    for (const auto mode : {UnitMode::Inches, UnitMode::Metric}) {
        const auto listing = BuildWoodListing(lines, mode);
        for (const auto& explanation : listing.skipped)
            prompter.message(MessageKind::Warning, explanation);
        const auto saved = WoodFileLines(listing.items, mode);
        if (!saved) {
            prompter.message(MessageKind::Error, saved.error());
            continue;
        }
        const auto again = BuildWoodListing(*saved, mode);
        if (!again.skipped.empty() || again.items != listing.items)
            std::abort();
    }
    return 0;
}
