// SPDX-License-Identifier: GPL-3.0-or-later
#include "CuttingPlanWorker.h"

#include <QCoreApplication>
#include <QEvent>

#include <atomic>

namespace boxmill {

struct CuttingPlanWorker::Run {
    CuttingPlanInputs inputs;
    std::atomic<bool> cancel {false};
};

CuttingPlanWorker::CuttingPlanWorker(QObject* parent)
    : QObject(parent)
{
}

CuttingPlanWorker::~CuttingPlanWorker()
{
    // The thread posts to this object: it must end before the object does.
    cancel();
    if (m_thread.joinable())
        m_thread.join();
}

void CuttingPlanWorker::plan(CuttingPlanInputs inputs)
{
    if (m_running) {
        m_running->cancel = true;
        m_next = std::move(inputs);
        return;
    }
    start(std::move(inputs));
}

void CuttingPlanWorker::cancel()
{
    if (m_running)
        m_running->cancel = true;
    m_next.reset();
}

bool CuttingPlanWorker::busy() const
{
    return m_next || (m_running && !m_running->cancel);
}

void CuttingPlanWorker::wait()
{
    while (m_running) {
        if (m_thread.joinable())
            m_thread.join();
        // The thread's last word is a queued call: take it now.
        QCoreApplication::sendPostedEvents(this, QEvent::MetaCall);
    }
}

void CuttingPlanWorker::start(CuttingPlanInputs inputs)
{
    // The last thread has handed its plan back and is ending, if not gone.
    if (m_thread.joinable())
        m_thread.join();
    auto run = std::make_shared<Run>();
    run->inputs = std::move(inputs);
    m_running = run;
    // Only `run` and queued calls cross to the thread; no widget does.
    m_thread = std::thread([this, run] {
        CuttingPlanSettings settings;
        settings.cut = run->inputs.cut;
        settings.withCabinet = run->inputs.withCabinet;
        settings.cancel = &run->cancel;
        settings.progress = [this, run](std::size_t planned, std::size_t groups) {
            QMetaObject::invokeMethod(
                this,
                [this, run, planned, groups] {
                    if (run == m_running && !run->cancel)
                        emit progressed(static_cast<int>(planned), static_cast<int>(groups));
                },
                Qt::QueuedConnection);
        };
        auto plan = std::make_shared<const CuttingPlan>(
            PlanCuttingDiagrams(run->inputs.cabinets, run->inputs.stock, run->inputs.units, settings));
        QMetaObject::invokeMethod(
            this, [this, run, plan] { handBack(run, *plan); }, Qt::QueuedConnection);
    });
}

void CuttingPlanWorker::handBack(const std::shared_ptr<Run>& run, const CuttingPlan& plan)
{
    m_running.reset();
    if (m_next) {
        CuttingPlanInputs next = std::move(*m_next);
        m_next.reset();
        start(std::move(next));
        return;
    }
    // A plan cancelled after it was done is still not wanted.
    if (!run->cancel && !plan.cancelled)
        emit planned(run->inputs, plan);
}

} // namespace boxmill
