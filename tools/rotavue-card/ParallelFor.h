#pragma once

#include <functional>

// Runs job(0) ... job(count - 1) on all cores; each index exactly once.
class ParallelFor
{
public:
    static int threadCount();
    static void run(int count, const std::function<void(int)> &job);
};
