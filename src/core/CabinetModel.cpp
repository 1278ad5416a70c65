// SPDX-License-Identifier: GPL-3.0-or-later
#include "CabinetModel.h"

#include "MessageText.h"
#include "Messages.h"
#include "NumberText.h"
#include "Vocabulary.h"

#include <algorithm>

namespace boxmill {

void CabinetModel::adoptRecord(const CabinetRecord& loaded, const Vocabulary& vocabulary, Prompter& prompter)
{
    Tell(prompter, adoptRecord(loaded, vocabulary));
}

Messages CabinetModel::adoptRecord(const CabinetRecord& loaded, const Vocabulary& vocabulary)
{
    record = loaded;
    record.resetSpareParamSlots();
    sectionCount = record.sectionCount();
    options = LoadOptionsFromRecord(record);
    adoptPanelStyle(LoadPanelStyle(record));
    const auto badParams = rebuildParamValues();
    const auto badParts = rebuildPartArrays();
    rebuildDrawingUnits();
    clearPartAreas();
    if (!badParams.empty() || !badParts.empty())
        return {{MessageKind::Warning, DescribeNonNumbers(*this, vocabulary, badParams, badParts)}};
    return {};
}

std::vector<int> CabinetModel::rebuildParamValues()
{
    std::vector<int> bad;
    paramValue.fill(0.0);
    for (int i = 0; i < kParamCount; ++i) {
        const auto value = ParseDecimal(record.paramText(i));
        if (!value)
            bad.push_back(i);
        paramValue[static_cast<std::size_t>(i)] = value.value_or(0.0);
    }
    return bad;
}

std::vector<int> CabinetModel::rebuildPartArrays()
{
    std::vector<int> bad;
    for (int row = 0; row < kPartRows; ++row) {
        const auto r = static_cast<std::size_t>(row);
        partWoodName[r] = record.partWood(row);
        const auto stock = ParseDecimal(record.partStockText(row));
        const auto price = ParseMoney(record.partPriceText(row));
        if (!stock || !price)
            bad.push_back(row);
        partStock[r] = stock.value_or(0.0);
        partPrice[r] = price.value_or(0);
    }
    return bad;
}

void CabinetModel::rebuildDrawingUnits()
{
    for (int i = 0; i < kParamCount; ++i)
        paramUnits[static_cast<std::size_t>(i)] = ToDrawingUnits(paramValue[static_cast<std::size_t>(i)], drawScale);
    for (int row = 0; row < kPartRows; ++row)
        partStockUnits[static_cast<std::size_t>(row)] =
            ToDrawingUnits(partStock[static_cast<std::size_t>(row)], drawScale);
}

int CabinetModel::drawers(int s) const
{
    return std::min(sectionItem(s, SectionItem::DrawerCount), kMaxDrawers);
}

int CabinetModel::banksInUse(int s) const
{
    const int banks = sectionItem(s, SectionItem::DrawerBanks);
    return banks <= drawers(s) ? banks : 0;
}

CabinetRecord CabinetModel::recordForSave() const
{
    CabinetRecord saved = record;
    StoreOptionsToRecord(options, saved);
    StorePanelStyle(panelStyle, saved);
    return saved;
}

void CabinetModel::adoptPanelStyle(const PanelStyle& style)
{
    panelStyle = style;
    CopyPanelStyleToSections(panelStyle, record);
}

void CabinetModel::setBlindCorner(bool checked)
{
    record.setFlag(RecordOffset::BlindCorner, checked);
    if (checked)
        options.set(CabinetOption::BlindMate, false);
}

void CabinetModel::setBlindMate(bool checked)
{
    options.set(CabinetOption::BlindMate, checked);
    if (checked)
        record.setFlag(RecordOffset::BlindCorner, false);
}

std::string DescribeNonNumbers(const CabinetModel& model, const Vocabulary& vocabulary, const std::vector<int>& params,
                               const std::vector<int>& partRows)
{
    std::vector<std::string> entries;
    entries.reserve(params.size() + partRows.size());
    // Names and values both come from files: each is cut and cleaned.
    for (int i : params)
        entries.push_back(FileTextForMessage(vocabulary.parameterName(i)) + ": " +
                          QuoteFileText(model.record.paramText(i)));
    for (int row : partRows) {
        const auto& names = vocabulary.partNames();
        const std::string name = (row < static_cast<int>(names.size()) && !names[static_cast<std::size_t>(row)].empty())
                                     ? names[static_cast<std::size_t>(row)]
                                     : "part row " + std::to_string(row + 1);
        entries.push_back(FileTextForMessage(name) + ": stock " + QuoteFileText(model.record.partStockText(row)) +
                          ", price " + QuoteFileText(model.record.partPriceText(row)));
    }
    return ListedMessage("Some values of this cabinet are not numbers and are read as 0:", entries);
}

} // namespace boxmill
