#include "display/TestColorUtil.h"

#include "display/TestValue.h"
#include "display/DisplayLog.h"

#include <QCoreApplication>
#include <QMutex>

#include <atomic>

namespace {

// Created during static initialisation, before main runs.
QMutex g_creationLock;
std::atomic<TestColorUtil *> g_instance{nullptr};

struct Step {
    int r, g, b;
};

constexpr Step kDefaults[TestColorUtil::stepCount] = {
    {0, 0, 0},     {0, 1, 1},     {1, 2, 2},     {3, 3, 3},     {5, 4, 4},     {8, 5, 5},
    {11, 6, 6},    {15, 7, 7},    {20, 10, 10},  {25, 12, 12},  {30, 14, 14},  {36, 16, 16},
    {42, 18, 18},  {48, 20, 20},  {55, 23, 23},  {63, 26, 26},  {71, 30, 30},  {79, 34, 34},
    {88, 38, 38},  {97, 42, 42},  {106, 47, 47}, {116, 52, 52}, {126, 58, 58}, {137, 64, 64},
    {150, 71, 71}, {165, 78, 78}, {180, 86, 86}, {195, 94, 94}, {210, 104, 104},
    {225, 112, 112}, {240, 120, 120}, {255, 128, 128},
};

quint8 toByte(int value)
{
    return quint8(qBound(0, value, 255));
}

} // namespace

TestColorUtil::TestColorUtil()
{
    for (int key = 1; key <= stepCount; ++key) {
        const Step &s = kDefaults[key - 1];
        values.insert(key, new TestValue(s.r, s.g, s.b, this));
    }
}

TestColorUtil *TestColorUtil::instance()
{
    TestColorUtil *util = g_instance.load(std::memory_order_acquire);
    if (!util) {
        QMutexLocker locker(&g_creationLock);
        util = g_instance.load(std::memory_order_relaxed);
        if (!util) {
            util = new TestColorUtil;
            // The form edits it from the user-interface thread, whichever
            // thread happened to convert the first picture.
            if (const QCoreApplication *app = QCoreApplication::instance())
                util->moveToThread(app->thread());
            g_instance.store(util, std::memory_order_release);
        }
    }
    return util;
}

int TestColorUtil::keyOf(int level)
{
    const int key = level > 0 ? (level + 7) / 8 : level / 8; // ceiling for positives
    return key == 0 ? 1 : key;
}

int TestColorUtil::getTestRValue(int level) const
{
    const int key = keyOf(level);
    if (const TestValue *v = values.value(key))
        return v->red();
    qCDebug(lcDisplay).noquote().nospace() << "##### getTestRValue() not find TestValue obj d = " << key;
    return 0;
}

int TestColorUtil::getTestGValue(int level) const
{
    const int key = keyOf(level);
    if (const TestValue *v = values.value(key))
        return v->green();
    qCDebug(lcDisplay).noquote().nospace() << "##### getTestGValue() not find TestValue obj d = " << key;
    return 0;
}

int TestColorUtil::getTestBValue(int level) const
{
    const int key = keyOf(level);
    if (const TestValue *v = values.value(key))
        return v->blue();
    qCDebug(lcDisplay).noquote().nospace() << "##### getTestBValue() not find TestValue obj d = " << key;
    return 0;
}

void TestColorUtil::resetToDefaults()
{
    for (int key = 1; key <= stepCount; ++key) {
        const Step &s = kDefaults[key - 1];
        TestValue *v = values.value(key);
        v->setRed(s.r);
        v->setGreen(s.g);
        v->setBlue(s.b);
    }
}

TestColorUtil::Lookup TestColorUtil::snapshot() const
{
    Lookup lut;
    for (int level = 0; level < 256; ++level) {
        lut.r[level] = toByte(getTestRValue(level));
        lut.g[level] = toByte(getTestGValue(level));
        lut.b[level] = toByte(getTestBValue(level));
    }
    return lut;
}
