// SPDX-License-Identifier: GPL-3.0-or-later
// Times the whole road of an edit in the desktop program: from the command
// to every open window painted again, beside the core's own time for the
// same edit. Run a Release build; it prints one line per kind of edit.
#include "LatencyWorld.h"

#include <QApplication>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <functional>
#include <string>
#include <vector>

namespace {

using boxmill::bench::LatencyWorld;
using Clock = std::chrono::steady_clock;

struct Figures {
    double median = 0;
    double p95 = 0;
};

Figures Summarise(std::vector<double> samples)
{
    std::sort(samples.begin(), samples.end());
    return {samples[samples.size() / 2], samples[samples.size() * 95 / 100]};
}

// This thread's processor time: unlike the clock on the wall, it does not
// count the time other programs of a busy machine took.
double ThreadMicroseconds()
{
    timespec now {};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) * 1e6 + double(now.tv_nsec) / 1e3;
}

struct Samples {
    std::vector<double> wall;
    std::vector<double> processor;
};

template <typename Step, typename Prepare> Samples Time(int count, Step&& step, Prepare&& prepare)
{
    Samples samples;
    for (int i = 0; i < count; ++i) {
        prepare();
        const double cpuStart = ThreadMicroseconds();
        const auto start = Clock::now();
        step(i);
        samples.wall.push_back(std::chrono::duration<double, std::micro>(Clock::now() - start).count());
        samples.processor.push_back(ThreadMicroseconds() - cpuStart);
    }
    return samples;
}

// The offscreen platform says, for every window, what it cannot do; the
// table is what this program prints.
void QuietPlatform(QtMsgType type, const QMessageLogContext&, const QString& text)
{
    if (type != QtDebugMsg && type != QtInfoMsg && !text.startsWith(QStringLiteral("This plugin does not support")))
        std::fprintf(stderr, "%s\n", qPrintable(text));
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(QuietPlatform);
    QApplication app(argc, argv);
    const int count = argc > 1 ? std::max(20, std::atoi(argv[1])) : 200;
    // A second argument names the one kind to time, for a profiler.
    const std::string only = argc > 2 ? argv[2] : "";

    LatencyWorld world;
    if (!world.ready()) {
        std::fprintf(stderr, "gui_latency: %s\n", world.failure().c_str());
        return 1;
    }
    std::printf("# %d edits each; %d windows open; times in microseconds\n", count, world.openWindows());
    std::printf("%-22s %10s %10s %10s %8s %10s %8s\n", "NAME", "median_us", "p95_us", "core_us", "ratio", "cpu_p95_us",
                "paints");
    for (const auto& kind : world.kinds()) {
        if (!only.empty() && only != kind.name)
            continue;
        // A few rounds first, so that fonts, caches and lazily made widgets
        // are in place before the clock runs.
        for (int i = 0; i < 4; ++i) {
            kind.window(i);
            world.settle();
        }
        world.takePaints();
        const Samples timed = Time(
            count,
            [&](int i) {
                kind.window(i);
                world.settle();
            },
            [&] {
                if (kind.prepare) {
                    kind.prepare(true);
                    world.settle();
                }
            });
        const Figures screen = Summarise(timed.wall);
        // Widgets painted for one edit and its preparation: what refreshing
        // less saves.
        const double paints = static_cast<double>(world.takePaints()) / count;
        const Figures core = Summarise(Time(
                                           count, [&](int i) { kind.core(i); },
                                           [&] {
                                               if (kind.prepare)
                                                   kind.prepare(false);
                                           })
                                           .wall);
        std::printf("%-22s %10.0f %10.0f %10.1f %8.0f %10.0f %8.1f\n", kind.name, screen.median, screen.p95,
                    core.median, screen.median / std::max(core.median, 0.1), Summarise(timed.processor).p95, paints);
        std::fflush(stdout);
    }
    return 0;
}
