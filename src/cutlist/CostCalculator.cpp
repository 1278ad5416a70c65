// SPDX-License-Identifier: GPL-3.0-or-later
#include "CostCalculator.h"

#include "JobTotal.h"

#include "core/CabinetModel.h"

namespace boxmill {

Messages CostCalculator::update(const CabinetModel& model)
{
    m_cost = UpdateWoodCost(model);
    return jobTotalClicked(model);
}

Messages CostCalculator::jobTotalClicked(const CabinetModel& model)
{
    // A figure left from other hours or another list would pass for this one.
    const auto job = JobTotal(model.record.hours(), model.record.cost(), m_cost.partsTotal);
    m_jobTotalText = job ? FormatMoney(*job) : std::string();
    if (!job)
        return {{MessageKind::Error, job.error()}};
    return {};
}

} // namespace boxmill
