#include "app/DisplayParameters.h"

#include "app/DisplayParametersNotifier.h"

#include <atomic>

namespace {
std::atomic<int> g_ledCount{DisplayParameters::defaultLedCount};
std::atomic<int> g_lineCount{DisplayParameters::defaultLineCount};
}

int DisplayParameters::ledCount() { return g_ledCount.load(std::memory_order_relaxed); }
int DisplayParameters::lineCount() { return g_lineCount.load(std::memory_order_relaxed); }

void DisplayParameters::setLedCount(int count)
{
    if (g_ledCount.exchange(count, std::memory_order_relaxed) != count)
        DisplayParametersNotifier::notify();
}

void DisplayParameters::setLineCount(int count)
{
    if (g_lineCount.exchange(count, std::memory_order_relaxed) != count)
        DisplayParametersNotifier::notify();
}

void DisplayParameters::resetToDefaults()
{
    setLedCount(defaultLedCount);
    setLineCount(defaultLineCount);
}
