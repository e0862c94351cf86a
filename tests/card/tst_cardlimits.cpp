// What the display cannot play of a card is said before it is written.
#include "card/CardLimits.h"

#include <QtTest>

class TestCardLimits : public QObject
{
    Q_OBJECT

private slots:
    void warnings_data();
    void warnings();
};

void TestCardLimits::warnings_data()
{
    QTest::addColumn<qint64>("items");
    QTest::addColumn<qint64>("blocks");
    QTest::addColumn<QStringList>("said");

    const QString tooMany = "The playlist has 501 items, but the display plays only the first 500: items 501 to 501 "
                            "will not play.";
    const QString tooLarge = "The card holds 65536 pictures and frames, more than the 65535 the display can count: "
                             "it will not play correctly. Remove some pictures or frames.";
    QTest::newRow("empty") << qint64(0) << qint64(0) << QStringList();
    QTest::newRow("500 items, 65535 blocks") << qint64(500) << qint64(65535) << QStringList();
    QTest::newRow("501 items") << qint64(501) << qint64(501) << QStringList{tooMany};
    QTest::newRow("65536 blocks") << qint64(3) << qint64(65536) << QStringList{tooLarge};
    QTest::newRow("both") << qint64(501) << qint64(65536) << QStringList{tooMany, tooLarge};
}

void TestCardLimits::warnings()
{
    QFETCH(qint64, items);
    QFETCH(qint64, blocks);
    QFETCH(QStringList, said);
    QCOMPARE(CardLimits::warnings(items, blocks), said);
}

QTEST_MAIN(TestCardLimits)
#include "tst_cardlimits.moc"
