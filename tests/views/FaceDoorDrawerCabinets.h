// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// BusyCabinet() is the views' shared test cabinet.
#include "ViewDrawingTestCabinet.h"

#include "designer/DesignerTestCabinet.h"

#include "core/CabinetFile.h"
#include "views/ConstructionView.h"

#include <string>
#include <vector>

namespace boxmill::test {

// The parts of a view's table in order, each followed by a comma.
inline std::string PartsOf(const std::vector<ViewRow>& rows)
{
    std::string parts;
    for (const ViewRow& row : rows)
        parts += row.part + ",";
    return parts;
}

} // namespace boxmill::test
