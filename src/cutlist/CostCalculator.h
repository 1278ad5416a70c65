// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "WoodCost.h"

#include "core/Messages.h"

#include <string>

namespace boxmill {

class CabinetModel;

// What the main window's cost calculator shows: the wood cost listing of
// the last cut list and the job total. The hours and the labour rate are
// the texts the record holds; an accepted edit of them is an edit of the
// cabinet, after which the session recomputes the total.
class CostCalculator {
public:
    // After every cut list build: the listing, then the job total with two
    // decimals. Hours or a rate that cannot be used leave no job total
    // (the message says why); the listing is shown all the same.
    [[nodiscard]] Messages update(const CabinetModel& model);

    // A click on the job total: the same sum with the current hours, rate
    // and parts total, with two decimals like every other sum.
    [[nodiscard]] Messages jobTotalClicked(const CabinetModel& model);

    const WoodCost& cost() const { return m_cost; }
    const std::string& jobTotalText() const { return m_jobTotalText; }

private:
    WoodCost m_cost;
    std::string m_jobTotalText;
};

} // namespace boxmill
