// SPDX-License-Identifier: GPL-3.0-or-later
#include "StockSizeCheck.h"

#include "core/CabinetModel.h"
#include "geometry/Calculators.h"

#include <initializer_list>

namespace boxmill {

namespace {

// Exact comparison: the stocks are read from the same texts, so equal
// settings give equal numbers.
bool AllEqual(const CabinetModel& model, int reference, std::initializer_list<int> rows)
{
    const double stock = model.partStock.at(static_cast<std::size_t>(reference));
    for (const int row : rows) {
        if (model.partStock.at(static_cast<std::size_t>(row)) != stock)
            return false;
    }
    return true;
}

} // namespace

WithMessages<bool> CheckStockSizes(const CabinetModel& model)
{
    WithMessages<bool> checked {true, {}};
    if (!AllEqual(model, PartRow::PartitionRail,
                  {PartRow::LeftStile, PartRow::RightStile, PartRow::TopRail, PartRow::BottomRail, PartRow::Mullion,
                   PartRow::MidRail, PartRow::DoorMullion}))
        checked.messages.push_back({MessageKind::Error, std::string(kFaceFrameStockMessage)});

    if (!AllEqual(model, PartRow::DoorMidRail,
                  {PartRow::DoorLeftStile, PartRow::DoorRightStile, PartRow::DoorTopRail, PartRow::DoorBottomRail})) {
        checked.messages.push_back({MessageKind::Error, std::string(kRaisedPanelStockMessage)});
        checked.value = false;
    }
    return checked;
}

} // namespace boxmill
