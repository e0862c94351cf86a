// What a download asks about before writing.
#include "PlaylistFixture.h"

#include "TestWorkDir.h"
#include "card/DownloadChecks.h"

#include <QTest>

class TestDownloadChecks : public QObject
{
    Q_OBJECT
private slots:
    void rowsBeyondLongestTime_data();
    void rowsBeyondLongestTime();
    void emptyPlaylist();
    void cardLimits_data();
    void cardLimits();

private:
    TestWorkDir work;
};

void TestDownloadChecks::rowsBeyondLongestTime_data()
{
    QTest::addColumn<QList<double>>("times");
    QTest::addColumn<QList<int>>("rows");
    QTest::newRow("all fit") << QList<double>{5, 0.2, 25.5} << QList<int>();
    QTest::newRow("25.6 and 100 do not") << QList<double>{5, 25.6, 25.5, 100} << QList<int>{2, 4};
    QTest::newRow("a stepped 25.6 with rounding error") << QList<double>{25.599999999} << QList<int>{1};
}

void TestDownloadChecks::rowsBeyondLongestTime()
{
    QFETCH(QList<double>, times);
    QFETCH(QList<int>, rows);
    PlaylistFixture playlist;
    for (double t : times)
        playlist.addPicture(t, 16);
    QCOMPARE(DownloadChecks::rowsBeyondLongestTime(playlist.pictures), rows);
}

void TestDownloadChecks::emptyPlaylist()
{
    PlaylistFixture playlist;
    QVERIFY(DownloadChecks::isEmpty(playlist.pictures, playlist.sequences));
    playlist.addSequence(0, 1, 16);
    QVERIFY(!DownloadChecks::isEmpty(playlist.pictures, playlist.sequences));
}

void TestDownloadChecks::cardLimits_data()
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

void TestDownloadChecks::cardLimits()
{
    QFETCH(qint64, items);
    QFETCH(qint64, blocks);
    QFETCH(QStringList, said);
    QCOMPARE(DownloadChecks::cardLimits(items, blocks), said);
}

QTEST_GUILESS_MAIN(TestDownloadChecks)
#include "tst_downloadchecks.moc"
