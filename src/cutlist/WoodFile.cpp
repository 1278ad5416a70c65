// SPDX-License-Identifier: GPL-3.0-or-later
#include "WoodFile.h"

#include "WoodEditBoxes.h"

#include "core/FileIo.h"
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
            return Result<std::vector<std::string>>::failure("The wood listing was not saved: the item \"" + item +
                                                             "\" cannot be written to Wood.dat. " + entry.error());
        }
        lines.push_back(entry->name + "*" + FormatDecimal(entry->thickness) + "*" + entry->rest);
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
