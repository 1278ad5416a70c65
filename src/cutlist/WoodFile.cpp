// SPDX-License-Identifier: GPL-3.0-or-later
#include "WoodFile.h"

#include "WoodEditBoxes.h"

#include "core/FileIo.h"
#include "core/MessageText.h"
#include "core/NumberText.h"

namespace boxmill {

Result<std::vector<std::string>> WoodFileLines(const std::vector<std::string>& items, UnitMode mode)
{
    std::vector<std::string> lines;
    lines.reserve(items.size());
    for (const auto& item : items) {
        const auto boxes = EditBoxesFromItem(item, mode);
        auto entry = AllBoxesFilled(boxes, mode) ? ReadWoodBoxes(boxes, mode)
                                                 : Result<WoodEntry>::failure("A part of it is blank.");
        if (!entry) {
            // The reason may quote a part of the item as it is: cleaned and
            // cut as a whole, it leaves room for a sentence around the quote.
            return Result<std::vector<std::string>>::failure("The wood listing was not saved: the item " +
                                                             QuoteFileText(item) + " cannot be written to Wood.dat. " +
                                                             FileTextForMessage(entry.error(), 2 * kQuotedTextLength));
        }
        std::string line = entry->name + "*" + FormatDecimal(entry->thickness) + "*" + entry->rest;
        // Millimetres go further than a load accepts, and their conversion
        // can step over its limit: a line that would be left out on the next
        // start is not written.
        if (const auto back = ParseWoodLine(line); !back)
            return Result<std::vector<std::string>>::failure("The wood listing was not saved: the item " +
                                                             QuoteFileText(item) +
                                                             " cannot be written to Wood.dat: " + back.error() + ".");
        lines.push_back(std::move(line));
    }
    return lines;
}

Status SaveWoodListing(const std::filesystem::path& woodFile, const std::vector<std::string>& items, UnitMode mode)
{
    const auto lines = WoodFileLines(items, mode);
    if (!lines)
        return Status::failure(lines.error());
    return WriteTextLines(woodFile, *lines);
}

} // namespace boxmill
