#pragma once

// LED count and line count of the display. Process-wide, not persisted.
// Written on the user-interface thread, read by conversion threads, hence atomic.
class DisplayParameters
{
public:
    static constexpr int defaultLedCount = 112;
    static constexpr int defaultLineCount = 450;

    static int ledCount();
    static int lineCount();
    static void setLedCount(int count);
    static void setLineCount(int count);
    static void resetToDefaults();
};
