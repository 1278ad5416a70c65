// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "CuttingDiagram.h"

#include <string>
#include <vector>

namespace boxmill {

// Every diagram in one SVG document, one sheet under the other, each with
// its title, labelled parts, hatched offcuts, numbered cuts and the cut
// sequence beside it. Coordinates are drawing units.
std::string CuttingDiagramsSvg(const std::vector<CuttingDiagram>& diagrams);

} // namespace boxmill
