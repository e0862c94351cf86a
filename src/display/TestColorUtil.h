#pragma once

#include <QHash>
#include <QObject>

#include <array>

class TestValue;

// The colour calibration table: 32 steps per channel, keyed 1 to 32.
// One instance per process, created on first use, never destroyed.
class TestColorUtil : public QObject
{
    Q_OBJECT
public:
    static constexpr int stepCount = 32;

    static TestColorUtil *instance();

    // Step key of a channel level: ceiling(level / 8), at least 1.
    static int keyOf(int level);

    int getTestRValue(int level) const;
    int getTestGValue(int level) const;
    int getTestBValue(int level) const;

    TestValue *value(int key) const { return values.value(key); }

    // Restores the default table (a fresh start, for tests and callers that need one).
    void resetToDefaults();

    // Level -> calibrated byte for each channel, read once per conversion.
    struct Lookup {
        std::array<quint8, 256> r, g, b;
    };
    Lookup snapshot() const;

private:
    TestColorUtil();

    QHash<int, TestValue *> values; // children of this object
};
