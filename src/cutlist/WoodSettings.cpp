// SPDX-License-Identifier: GPL-3.0-or-later
#include "WoodSettings.h"

#include "core/AreaPrice.h"
#include "core/CabinetModel.h"
#include "core/NumberText.h"
#include "core/Prompter.h"
#include "core/WoodList.h"

namespace boxmill {

WoodSettingCells FillWoodSelectionColumn(const CabinetModel& model)
{
    WoodSettingCells cells;
    for (std::size_t row = 0; row < cells.size(); ++row)
        cells[row] = WoodSettingText(model.partWoodName[row], model.partStock[row], model.units);
    return cells;
}

namespace {

std::string CellText(const WoodEditBoxes& boxes, UnitMode mode)
{
    if (mode == UnitMode::Metric)
        return boxes.woodType + "*" + boxes.inchThick;
    return boxes.woodType + "*" + boxes.inchThick + "-" + boxes.fracThick;
}

std::optional<std::string> Refuse(Prompter& prompter, std::string_view reason = {})
{
    if (!reason.empty())
        prompter.message(MessageKind::Error, reason);
    prompter.message(MessageKind::Error, kSelectWoodMessage);
    return std::nullopt;
}

} // namespace

std::optional<std::string> ChangeWoodSettings(CabinetModel& model, int gridRow, const WoodEditBoxes& boxes,
                                              Prompter& prompter)
{
    if (gridRow < 1 || gridRow > kPartRows || !AllBoxesFilled(boxes, model.units))
        return Refuse(prompter);
    const auto thickness = ThicknessOfBoxes(boxes, model.units);
    if (!thickness)
        return Refuse(prompter, thickness.error());
    // The record keeps what fits its field, per square foot; that is the
    // text read back on every load, so that is what must be a number.
    const auto price = StoredPriceText(boxes.costSft, model.units, FieldCapacity::PartPriceText);
    if (!price)
        return Refuse(prompter, NotACostMessage(boxes.costSft));

    const int row = gridRow - 1;
    model.record.setPartWood(row, boxes.woodType);
    model.record.setPartStockText(row, FormatDecimal(*thickness));
    model.record.setPartPriceText(row, *price);
    model.rebuildPartArrays();
    return CellText(boxes, model.units);
}

} // namespace boxmill
