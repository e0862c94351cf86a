// Looper throughput and timer accuracy:
//  - ImmediateDelivery: one sender posts a batch of due-now messages; rate
//    is messages delivered per second of wall time (goal: 200 000/s or more).
//  - DelayedLateness: 10 000 messages with random delays up to 2 s queued at
//    once; lateness = delivery minus due time (goal: median under 1 ms).
#include "TimingHandler.h"

#include "messaging/HandlerThread.h"
#include "messaging/Message.h"

#include <QLoggingCategory>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <vector>

namespace {

using Clock = TimingHandler::Clock;

void BM_ImmediateDelivery(benchmark::State &state)
{
    const int batch = int(state.range(0));
    HandlerThread loop;
    loop.start();
    TimingHandler handler(&loop);
    for (auto _ : state) {
        handler.expect(batch);
        for (int i = 0; i < batch; ++i)
            handler.sendHandlerMessage(handler.obtainMessage(1));
        handler.waitForBatch();
    }
    state.SetItemsProcessed(state.iterations() * batch);
}

// Nearest-rank percentile of sorted values.
double percentile(const std::vector<double> &sorted, double p)
{
    const auto rank = std::size_t(std::ceil(p * double(sorted.size())));
    return sorted[std::max<std::size_t>(rank, 1) - 1];
}

std::vector<double> queueDelayedBatch(TimingHandler &handler, int count, int maxDelayMs,
                                      std::mt19937 &rng)
{
    std::uniform_int_distribution<int> delayOf(0, maxDelayMs);
    std::vector<TimingHandler::Stamp> stamps(static_cast<std::size_t>(count));
    handler.expect(count);
    for (auto &stamp : stamps) {
        const int delay = delayOf(rng);
        Message *msg = handler.obtainMessage(1, &stamp);
        stamp.due = Clock::now() + std::chrono::milliseconds(delay);
        handler.sendHandlerMessageDelayed(msg, delay);
    }
    handler.waitForBatch();

    std::vector<double> lateUs;
    lateUs.reserve(stamps.size());
    for (const auto &stamp : stamps)
        lateUs.push_back(std::chrono::duration<double, std::micro>(stamp.delivered - stamp.due).count());
    return lateUs;
}

void BM_DelayedLateness(benchmark::State &state)
{
    const int count = int(state.range(0));
    const int maxDelayMs = int(state.range(1));
    HandlerThread loop;
    loop.start();
    TimingHandler handler(&loop);
    std::mt19937 rng(20240611); // fixed, so every run queues the same delays
    std::vector<double> lateUs;
    for (auto _ : state) {
        const std::vector<double> batch = queueDelayedBatch(handler, count, maxDelayMs, rng);
        lateUs.insert(lateUs.end(), batch.begin(), batch.end());
    }
    std::sort(lateUs.begin(), lateUs.end());
    state.counters["late_median_us"] = percentile(lateUs, 0.50);
    state.counters["late_p99_us"] = percentile(lateUs, 0.99);
    state.counters["late_min_us"] = lateUs.front();
    state.counters["late_max_us"] = lateUs.back();
    state.SetItemsProcessed(std::int64_t(lateUs.size()));
}

} // namespace

BENCHMARK(BM_ImmediateDelivery)->Arg(10000)->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DelayedLateness)->Args({10000, 2000})->Iterations(1)->UseRealTime()->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    // Each looper logs "#LOOP# exit!" when a benchmark ends; keep the table readable.
    QLoggingCategory::setFilterRules(QStringLiteral("default.debug=false"));
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
