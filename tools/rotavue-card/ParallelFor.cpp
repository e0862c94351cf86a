#include "ParallelFor.h"

#include <QThread>

#include <atomic>
#include <thread>
#include <vector>

int ParallelFor::threadCount()
{
    return qMax(1, QThread::idealThreadCount());
}

void ParallelFor::run(int count, const std::function<void(int)> &job)
{
    std::atomic<int> next{0};
    auto worker = [&] {
        for (int i = next++; i < count; i = next++)
            job(i);
    };
    std::vector<std::thread> threads;
    for (int t = 1; t < qMin(threadCount(), count); ++t)
        threads.emplace_back(worker);
    worker();
    for (std::thread &thread : threads)
        thread.join();
}
