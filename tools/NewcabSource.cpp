// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/NewcabSource.h"

#include "core/CabinetText.h"
#include "core/IncludeParts.h"

namespace boxmill {

Result<CabinetRecord> CompileNewcab(std::string_view source, const Vocabulary& vocabulary)
{
    auto image = ParseCabinetText(source, vocabulary);
    if (!image)
        return Result<CabinetRecord>::failure(image.error());
    // Newcab.dat is read as a bare record; a tail would only be carried
    // into every cabinet saved over a new one's file.
    if (!image->tail.empty())
        return Result<CabinetRecord>::failure("the default cabinet holds no bytes after its record");
    // The program accepts a file with both, but the include list refuses to
    // make one; every new design must not start with that choice pending.
    if (image->record.includeFlag(IncludeItem::Top) && image->record.includeFlag(IncludeItem::CarcassRails))
        return Result<CabinetRecord>::failure("the top and the carcass rails cannot both be included");
    return image->record;
}

} // namespace boxmill
