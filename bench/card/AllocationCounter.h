#pragma once

#include <cstdint>

// Heap bytes in use by the whole process, counted by replacing malloc and
// friends in this binary (operator new and QByteArray both end there).
class AllocationCounter
{
public:
    static std::int64_t current();
    // Highest value of current() since the last resetPeak().
    static std::int64_t peak();
    static void resetPeak();
};
