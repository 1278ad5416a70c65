// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/CabinetModel.h"

#include <string_view>

namespace boxmill::test {

// Gives part kind k a wood setting the way a loaded cabinet holds it, and
// the area a cut list build would have left.
inline void SetKind(CabinetModel& model, int k, std::string_view wood, std::string_view stock, std::string_view price,
                    double area)
{
    model.record.setPartWood(k, wood);
    model.record.setPartStockText(k, stock);
    model.record.setPartPriceText(k, price);
    model.rebuildPartArrays();
    model.partArea[static_cast<std::size_t>(k)] = area;
}

} // namespace boxmill::test
