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

QTEST_GUILESS_MAIN(TestDownloadChecks)
#include "tst_downloadchecks.moc"
