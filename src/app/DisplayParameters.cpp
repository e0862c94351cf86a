#include "app/DisplayParameters.h"

#include <atomic>

namespace {
std::atomic<int> g_ledCount{DisplayParameters::defaultLedCount};
std::atomic<int> g_lineCount{DisplayParameters::defaultLineCount};
}

int DisplayParameters::ledCount() { return g_ledCount.load(std::memory_order_relaxed); }
int DisplayParameters::lineCount() { return g_lineCount.load(std::memory_order_relaxed); }
void DisplayParameters::setLedCount(int count) { g_ledCount.store(count, std::memory_order_relaxed); }
void DisplayParameters::setLineCount(int count) { g_lineCount.store(count, std::memory_order_relaxed); }

void DisplayParameters::resetToDefaults()
{
    setLedCount(defaultLedCount);
    setLineCount(defaultLineCount);
}
