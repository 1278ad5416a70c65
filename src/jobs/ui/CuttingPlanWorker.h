// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "jobs/CuttingPlan.h"

#include <QObject>

#include <memory>
#include <optional>
#include <thread>

namespace boxmill {

// Plans cutting diagrams on a thread of its own, one plan at a time, and
// hands each finished plan back on the thread the worker lives on. A large
// job takes seconds to plan; the window stays usable meanwhile.
class CuttingPlanWorker : public QObject {
    Q_OBJECT

public:
    explicit CuttingPlanWorker(QObject* parent = nullptr);
    ~CuttingPlanWorker() override;

    // A plan under way is stopped and dropped: only the latest inputs are
    // worth showing.
    void plan(CuttingPlanInputs inputs);
    // The plan under way is stopped and nothing is handed back.
    void cancel();
    // A plan is under way that will be handed back.
    bool busy() const;
    // Blocks until the plan under way, and any that follows it, was handed
    // back or dropped.
    void wait();

signals:
    void progressed(int planned, int groups);
    void planned(const CuttingPlanInputs& inputs, const CuttingPlan& plan);

private:
    struct Run;
    void start(CuttingPlanInputs inputs);
    void handBack(const std::shared_ptr<Run>& run, const CuttingPlan& plan);

    std::thread m_thread;
    std::shared_ptr<Run> m_running;
    // Asked for while another plan was being stopped.
    std::optional<CuttingPlanInputs> m_next;
};

} // namespace boxmill
