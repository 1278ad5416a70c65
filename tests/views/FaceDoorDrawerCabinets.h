// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "designer/DesignerTestCabinet.h"

#include "core/CabinetFile.h"
#include "views/ConstructionView.h"

#include <string>
#include <vector>

namespace boxmill::test {

// tests/data/Busy.cab: three sections of banked drawers, a partition with
// double-panel doors above it, door pairs, an offset vertical mid rail.
inline CabinetModel BusyCabinet()
{
    const std::filesystem::path data = BOXMILL_DATA_DIR;
    const auto lines = [&](const char* name) { return ReadTextLines(data / name).value(); };
    CabinetModel model;
    ScriptedPrompter quiet;
    model.adoptRecord(ReadCabinetFile(std::filesystem::path(BOXMILL_TEST_DATA_DIR) / "Busy.cab").value(),
                      Vocabulary(lines("Dims.dat"), lines("IncParts.dat"), lines("CabParts.dat")), quiet);
    return model;
}

// The parts of a view's table in order, each followed by a comma.
inline std::string PartsOf(const std::vector<ViewRow>& rows)
{
    std::string parts;
    for (const ViewRow& row : rows)
        parts += row.part + ",";
    return parts;
}

} // namespace boxmill::test
