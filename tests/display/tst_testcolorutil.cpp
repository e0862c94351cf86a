// The calibration table: key rule, default table, lookups, edits from text,
// and a single instance however many threads ask for it first.
#include "display/TestColorUtil.h"
#include "display/TestValue.h"

#include "LogCapture.h"

#include <QIntValidator>
#include <QSet>
#include <QtTest>

#include <atomic>
#include <thread>
#include <vector>

class TestTestColorUtil : public QObject
{
    Q_OBJECT

private slots:
    // Must run first: nothing in this process may have created the table yet.
    void firstUseFromManyThreadsMakesOneTable();
    void cleanup() { TestColorUtil::instance()->resetToDefaults(); }
    void keyOfLevel_data();
    void keyOfLevel();
    void defaultTable();
    void lookup_data();
    void lookup();
    void levelWithoutStepYieldsZeroAndLogs_data();
    void levelWithoutStepYieldsZeroAndLogs();
    void editFromText_data();
    void editFromText();
    void validatorAcceptsOnlyBytes_data();
    void validatorAcceptsOnlyBytes();
};

void TestTestColorUtil::firstUseFromManyThreadsMakesOneTable()
{
    constexpr int threadCount = 8;
    std::atomic<int> waiting{threadCount};
    std::vector<TestColorUtil *> seen(threadCount, nullptr);
    std::vector<std::thread> threads;
    for (int t = 0; t < threadCount; ++t) {
        threads.emplace_back([&, t] {
            // All threads ask at the same moment.
            waiting.fetch_sub(1);
            while (waiting.load() > 0)
                std::this_thread::yield();
            seen[size_t(t)] = TestColorUtil::instance();
        });
    }
    for (std::thread &thread : threads)
        thread.join();
    const QSet<TestColorUtil *> distinct(seen.begin(), seen.end());
    QCOMPARE(distinct.size(), 1);
    QCOMPARE(*distinct.begin(), TestColorUtil::instance());
    // Belongs to the user-interface thread, where the form edits it.
    QCOMPARE(TestColorUtil::instance()->thread(), QCoreApplication::instance()->thread());
}

void TestTestColorUtil::keyOfLevel_data()
{
    QTest::addColumn<int>("level");
    QTest::addColumn<int>("key");
    QTest::newRow("0") << 0 << 1;
    QTest::newRow("1") << 1 << 1;
    QTest::newRow("8") << 8 << 1;
    QTest::newRow("9") << 9 << 2;
    QTest::newRow("16") << 16 << 2;
    QTest::newRow("17") << 17 << 3;
    QTest::newRow("128") << 128 << 16;
    QTest::newRow("241") << 241 << 31;
    QTest::newRow("248") << 248 << 31;
    QTest::newRow("249") << 249 << 32;
    QTest::newRow("255") << 255 << 32;
    QTest::newRow("256") << 256 << 32;
    QTest::newRow("257") << 257 << 33;
    QTest::newRow("-8") << -8 << -1;
    QTest::newRow("-1") << -1 << 1;
}

void TestTestColorUtil::keyOfLevel()
{
    QFETCH(int, level);
    QFETCH(int, key);
    QCOMPARE(TestColorUtil::keyOf(level), key);
}

void TestTestColorUtil::defaultTable()
{
    const int expected[32][3] = {
        {0, 0, 0},       {0, 1, 1},       {1, 2, 2},       {3, 3, 3},       {5, 4, 4},
        {8, 5, 5},       {11, 6, 6},      {15, 7, 7},      {20, 10, 10},    {25, 12, 12},
        {30, 14, 14},    {36, 16, 16},    {42, 18, 18},    {48, 20, 20},    {55, 23, 23},
        {63, 26, 26},    {71, 30, 30},    {79, 34, 34},    {88, 38, 38},    {97, 42, 42},
        {106, 47, 47},   {116, 52, 52},   {126, 58, 58},   {137, 64, 64},   {150, 71, 71},
        {165, 78, 78},   {180, 86, 86},   {195, 94, 94},   {210, 104, 104}, {225, 112, 112},
        {240, 120, 120}, {255, 128, 128},
    };
    const TestColorUtil *table = TestColorUtil::instance();
    QVERIFY(!table->value(0));
    QVERIFY(!table->value(33));
    for (int key = 1; key <= 32; ++key) {
        const TestValue *v = table->value(key);
        QVERIFY2(v, qPrintable(QString::number(key)));
        QCOMPARE(v->red(), expected[key - 1][0]);
        QCOMPARE(v->green(), expected[key - 1][1]);
        QCOMPARE(v->blue(), expected[key - 1][2]);
    }
}

void TestTestColorUtil::lookup_data()
{
    QTest::addColumn<int>("level");
    QTest::addColumn<int>("red");
    QTest::addColumn<int>("green");
    QTest::addColumn<int>("blue");
    QTest::newRow("0") << 0 << 0 << 0 << 0;
    QTest::newRow("8") << 8 << 0 << 0 << 0;
    QTest::newRow("9") << 9 << 0 << 1 << 1;
    QTest::newRow("128") << 128 << 63 << 26 << 26;
    QTest::newRow("129") << 129 << 71 << 30 << 30;
    QTest::newRow("255") << 255 << 255 << 128 << 128;
}

void TestTestColorUtil::lookup()
{
    QFETCH(int, level);
    QFETCH(int, red);
    QFETCH(int, green);
    QFETCH(int, blue);
    const TestColorUtil *table = TestColorUtil::instance();
    QCOMPARE(table->getTestRValue(level), red);
    QCOMPARE(table->getTestGValue(level), green);
    QCOMPARE(table->getTestBValue(level), blue);
    // The per-conversion snapshot must agree with the lookups.
    const TestColorUtil::Lookup lut = table->snapshot();
    QCOMPARE(int(lut.r[size_t(level)]), red);
    QCOMPARE(int(lut.g[size_t(level)]), green);
    QCOMPARE(int(lut.b[size_t(level)]), blue);
}

void TestTestColorUtil::levelWithoutStepYieldsZeroAndLogs_data()
{
    QTest::addColumn<int>("level");
    QTest::addColumn<int>("key");
    QTest::newRow("257") << 257 << 33;
    QTest::newRow("-9") << -9 << -1;
}

void TestTestColorUtil::levelWithoutStepYieldsZeroAndLogs()
{
    QFETCH(int, level);
    QFETCH(int, key);
    const TestColorUtil *table = TestColorUtil::instance();
    LogCapture log;
    QCOMPARE(table->getTestRValue(level), 0);
    QCOMPARE(table->getTestGValue(level), 0);
    QCOMPARE(table->getTestBValue(level), 0);
    const QString d = QString::number(key);
    QCOMPARE(log.lines(), QStringList({"##### getTestRValue() not find TestValue obj d = " + d,
                                       "##### getTestGValue() not find TestValue obj d = " + d,
                                       "##### getTestBValue() not find TestValue obj d = " + d}));
}

void TestTestColorUtil::editFromText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("stored");
    // The step starts at 255, 128, 128 (key 32).
    QTest::newRow("number") << "200" << 200;
    QTest::newRow("zero") << "0" << 0;
    QTest::newRow("empty keeps") << "" << -1;
    QTest::newRow("letters keep") << "abc" << -1;
    QTest::newRow("above a byte keeps") << "300" << -1;
    QTest::newRow("negative keeps") << "-4" << -1;
}

void TestTestColorUtil::editFromText()
{
    QFETCH(QString, text);
    QFETCH(int, stored);
    TestValue *v = TestColorUtil::instance()->value(32);
    v->onTxtRChanged(text);
    v->onTxtGChanged(text);
    v->onTxtBChanged(text);
    QCOMPARE(v->red(), stored < 0 ? 255 : stored);
    QCOMPARE(v->green(), stored < 0 ? 128 : stored);
    QCOMPARE(v->blue(), stored < 0 ? 128 : stored);
    // Later lookups of that step see the edit.
    QCOMPARE(TestColorUtil::instance()->getTestRValue(250), stored < 0 ? 255 : stored);
}

void TestTestColorUtil::validatorAcceptsOnlyBytes_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<QValidator::State>("state");
    QTest::newRow("empty while retyping") << "" << QValidator::Intermediate;
    QTest::newRow("0") << "0" << QValidator::Acceptable;
    QTest::newRow("30") << "30" << QValidator::Acceptable;
    QTest::newRow("255") << "255" << QValidator::Acceptable;
    QTest::newRow("256") << "256" << QValidator::Invalid;
    QTest::newRow("300") << "300" << QValidator::Invalid;
    QTest::newRow("1000") << "1000" << QValidator::Invalid;
    QTest::newRow("-1") << "-1" << QValidator::Invalid;
    QTest::newRow("letters") << "1a" << QValidator::Invalid;
}

void TestTestColorUtil::validatorAcceptsOnlyBytes()
{
    QFETCH(QString, input);
    QFETCH(QValidator::State, state);
    const TestValue *entry = TestColorUtil::instance()->value(1);
    const QIntValidator *validator = entry->validator();
    QVERIFY(validator);
    QCOMPARE(validator->parent(), entry);
    int pos = int(input.size());
    QCOMPARE(validator->validate(input, pos), state);
}

QTEST_GUILESS_MAIN(TestTestColorUtil)
#include "tst_testcolorutil.moc"
