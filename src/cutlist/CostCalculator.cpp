// SPDX-License-Identifier: GPL-3.0-or-later
#include "CostCalculator.h"

#include "JobTotal.h"

#include "core/CabinetModel.h"

namespace boxmill {

void CostCalculator::update(const CabinetModel& model, Prompter& prompter)
{
    m_cost = UpdateWoodCost(model);
    if (const auto job = JobTotal(model.record.hours(), model.record.cost(), m_cost.partsTotal, prompter))
        m_jobTotalText = FormatMoney(*job);
}

void CostCalculator::jobTotalClicked(const CabinetModel& model, Prompter& prompter)
{
    if (const auto job = JobTotal(model.record.hours(), model.record.cost(), m_cost.partsTotal, prompter))
        m_jobTotalText = FormatMoney(*job);
}

} // namespace boxmill
