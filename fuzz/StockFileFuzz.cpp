// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds arbitrary bytes to the Stock.txt reader: every explanation must be
// fit to show, and what the program writes of the entries it kept must
// read back as the same text.
#include "FuzzSupport.h"

#include "sheets/Stock.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace boxmill;
    fuzz::CheckingPrompter prompter;
    const auto list = ParseStockText(fuzz::Bytes(data, size));
    for (const auto& problem : list.problems)
        prompter.message(MessageKind::Warning, problem);
    const auto text = StockText(list.entries, list.comments);
    if (!text)
        return 0;
    const auto again = ParseStockText(*text);
    if (!again.problems.empty() || again.entries.size() != list.entries.size() || again.comments != list.comments)
        std::abort();
    const auto twice = StockText(again.entries, again.comments);
    if (!twice || *twice != *text)
        std::abort();
    return 0;
}
