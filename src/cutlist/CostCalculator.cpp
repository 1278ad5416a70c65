// SPDX-License-Identifier: GPL-3.0-or-later
#include "CostCalculator.h"

#include "JobTotal.h"

#include "core/CabinetModel.h"

namespace boxmill {

void CostCalculator::update(const CabinetModel& model, Prompter& prompter)
{
    m_cost = UpdateWoodCost(model);
    jobTotalClicked(model, prompter);
}

void CostCalculator::jobTotalClicked(const CabinetModel& model, Prompter& prompter)
{
    // A figure left from other hours or another list would pass for this one.
    const auto job = JobTotal(model.record.hours(), model.record.cost(), m_cost.partsTotal, prompter);
    m_jobTotalText = job ? FormatMoney(*job) : std::string();
}

} // namespace boxmill
