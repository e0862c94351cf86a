// The bounds of the row editors' steps and typed values.
#include "ui/StepRules.h"

#include <QTest>

#include <cmath>

class TestStepRules : public QObject
{
    Q_OBJECT
private slots:
    void timeSteps_data();
    void timeSteps();
    void loopSteps_data();
    void loopSteps();
    void typedTime_data();
    void typedTime();
    void typedLoopCount_data();
    void typedLoopCount();
};

void TestStepRules::timeSteps_data()
{
    QTest::addColumn<double>("start");
    QTest::addColumn<bool>("up");
    QTest::addColumn<QList<double>>("steps");
    QTest::newRow("99.9 up: 100.1, then 100") << 99.9 << true << QList<double>{100.1, 100, 100};
    QTest::newRow("5 up") << 5.0 << true << QList<double>{5.2, 5.4};
    QTest::newRow("0.5 down: 0.3, 0.1, then 0.2") << 0.5 << false << QList<double>{0.3, 0.1, 0.2, 0.2};
    QTest::newRow("0.2 stays") << 0.2 << false << QList<double>{0.2};
}

void TestStepRules::timeSteps()
{
    QFETCH(double, start);
    QFETCH(bool, up);
    QFETCH(QList<double>, steps);
    double t = start;
    for (double expected : steps) {
        t = up ? StepRules::timeUp(t) : StepRules::timeDown(t);
        QVERIFY2(std::abs(t - expected) < 1e-9, qPrintable(QString::number(t, 'g', 17)));
    }
}

void TestStepRules::loopSteps_data()
{
    QTest::addColumn<int>("start");
    QTest::addColumn<bool>("up");
    QTest::addColumn<QList<int>>("steps");
    QTest::newRow("254 up: 255, stays") << 254 << true << QList<int>{255, 255};
    QTest::newRow("2 down: 1, stays") << 2 << false << QList<int>{1, 1};
    QTest::newRow("above the byte comes back") << 300 << true << QList<int>{255};
    QTest::newRow("0 down is 1") << 0 << false << QList<int>{1};
}

void TestStepRules::loopSteps()
{
    QFETCH(int, start);
    QFETCH(bool, up);
    QFETCH(QList<int>, steps);
    int n = start;
    for (int expected : steps) {
        n = up ? StepRules::loopUp(n) : StepRules::loopDown(n);
        QCOMPARE(n, expected);
    }
}

void TestStepRules::typedTime_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("stored"); // 0: not stored
    QTest::newRow("whole") << "7" << 7.0;
    QTest::newRow("one decimal, as the steps write it") << "5.2" << 5.2;
    QTest::newRow("lowest") << "1" << 1.0;
    QTest::newRow("highest") << "100" << 100.0;
    QTest::newRow("above the range") << "150" << 0.0;
    QTest::newRow("below the range") << "0.5" << 0.0;
    QTest::newRow("zero") << "0" << 0.0;
    QTest::newRow("two decimals") << "5.25" << 0.0;
    QTest::newRow("empty") << "" << 0.0;
    QTest::newRow("not a number") << "abc" << 0.0;
    QTest::newRow("negative") << "-5" << 0.0;
    QTest::newRow("exponent") << "1e2" << 0.0;
}

void TestStepRules::typedTime()
{
    QFETCH(QString, text);
    QFETCH(double, stored);
    const std::optional<double> seconds = StepRules::typedTime(text);
    QCOMPARE(seconds.has_value(), stored != 0);
    if (seconds)
        QCOMPARE(*seconds, stored);
}

void TestStepRules::typedLoopCount_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("stored"); // 0: not stored
    QTest::newRow("lowest") << "1" << 1;
    QTest::newRow("highest") << "255" << 255;
    QTest::newRow("above the byte") << "300" << 0;
    QTest::newRow("zero") << "0" << 0;
    QTest::newRow("decimal") << "2.5" << 0;
    QTest::newRow("empty") << "" << 0;
}

void TestStepRules::typedLoopCount()
{
    QFETCH(QString, text);
    QFETCH(int, stored);
    const std::optional<int> loops = StepRules::typedLoopCount(text);
    QCOMPARE(loops.has_value(), stored != 0);
    if (loops)
        QCOMPARE(*loops, stored);
}

QTEST_GUILESS_MAIN(TestStepRules)
#include "tst_steprules.moc"
