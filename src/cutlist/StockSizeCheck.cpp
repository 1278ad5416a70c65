// SPDX-License-Identifier: GPL-3.0-or-later
#include "StockSizeCheck.h"

#include "core/CabinetModel.h"
#include "core/Prompter.h"
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

bool CheckStockSizes(const CabinetModel& model, Prompter& prompter)
{
    if (!AllEqual(model, PartRow::PartitionRail,
                  {PartRow::LeftStile, PartRow::RightStile, PartRow::TopRail, PartRow::BottomRail, PartRow::Mullion,
                   PartRow::MidRail, PartRow::DoorMullion}))
        prompter.message(MessageKind::Error, kFaceFrameStockMessage);

    if (!AllEqual(model, PartRow::DoorMidRail,
                  {PartRow::DoorLeftStile, PartRow::DoorRightStile, PartRow::DoorTopRail, PartRow::DoorBottomRail})) {
        prompter.message(MessageKind::Error, kRaisedPanelStockMessage);
        return false;
    }
    return true;
}

} // namespace boxmill
