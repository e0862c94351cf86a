// The reorder rule on index numbers alone.
#include "ui/PlaylistOrder.h"

#include <QTest>

class TestPlaylistOrder : public QObject
{
    Q_OBJECT
private slots:
    void reindexed_data();
    void reindexed();
    void stableOrderKeepsEqualIndexes();
};

void TestPlaylistOrder::reindexed_data()
{
    QTest::addColumn<QList<int>>("indexes");
    QTest::addColumn<int>("moving");
    QTest::addColumn<int>("oldIndex");
    QTest::addColumn<int>("newIndex");
    QTest::addColumn<QList<int>>("expected");
    QTest::newRow("2 to 5 of 6: 3, 4, 5 become 2, 3, 4") << QList<int>{1, 2, 3, 4, 5, 6} << 1 << 2 << 5
                                                        << QList<int>{1, 5, 2, 3, 4, 6};
    QTest::newRow("5 to 2") << QList<int>{1, 2, 3, 4, 5, 6} << 4 << 5 << 2 << QList<int>{1, 3, 4, 5, 2, 6};
    QTest::newRow("9 is taken as the largest, 6") << QList<int>{1, 2, 3, 4, 5, 6} << 1 << 2 << 9
                                                 << QList<int>{1, 6, 2, 3, 4, 5};
    QTest::newRow("numbers with gaps") << QList<int>{2, 4, 7} << 0 << 2 << 7 << QList<int>{7, 3, 6};
}

void TestPlaylistOrder::reindexed()
{
    QFETCH(QList<int>, indexes);
    QFETCH(int, moving);
    QFETCH(int, oldIndex);
    QFETCH(int, newIndex);
    QFETCH(QList<int>, expected);
    QCOMPARE(PlaylistOrder::reindexed(indexes, moving, oldIndex, newIndex), expected);
}

void TestPlaylistOrder::stableOrderKeepsEqualIndexes()
{
    QCOMPARE(PlaylistOrder::stableOrder({3, 1, 2, 1}), (QList<int>{1, 3, 2, 0}));
    QCOMPARE(PlaylistOrder::stableOrder({}), QList<int>());
    QCOMPARE(PlaylistOrder::largest({}), 0);
}

QTEST_GUILESS_MAIN(TestPlaylistOrder)
#include "tst_playlistorder.moc"
