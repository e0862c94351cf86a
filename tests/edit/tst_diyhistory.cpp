#include "edit/DiyHistory.h"
#include "edit/HistoryObject.h"

#include <QtTest>

namespace {

QImage picture(int side, QRgb colour)
{
    QImage image(side, side, QImage::Format_ARGB32);
    image.fill(colour);
    return image;
}

} // namespace

class TestDiyHistory : public QObject
{
    Q_OBJECT
private slots:
    void keepsAtMostOneHundredNewest();
    void bytesLimitDropsOldestFirst();
    void newestStaysEvenWhenAloneTooLarge();
    void growingEntryDropsOlderOnes();
    void largeCanvasStaysWithinDefaultLimit();
    void removeNewestOnEmptyIsHarmless();
};

void TestDiyHistory::keepsAtMostOneHundredNewest()
{
    DiyHistory history;
    for (int i = 0; i < 150; ++i)
        history.append(picture(4, qRgb(i, 0, 0)), i);
    QCOMPARE(history.size(), DiyHistory::maxEntries);
    QCOMPARE(history.at(0)->level(), 50);
    QCOMPARE(history.newest()->level(), 149);
    QCOMPARE(history.newest()->picture().pixel(0, 0), qRgb(149, 0, 0));
}

void TestDiyHistory::bytesLimitDropsOldestFirst()
{
    const qint64 one = picture(100, 0).sizeInBytes();
    DiyHistory history(3 * one);
    for (int i = 0; i < 5; ++i)
        history.append(picture(100, qRgb(0, i, 0)), i);
    QCOMPARE(history.size(), 3);
    QCOMPARE(history.at(0)->level(), 2);
    QVERIFY(history.bytes() <= history.byteLimit());
}

void TestDiyHistory::newestStaysEvenWhenAloneTooLarge()
{
    DiyHistory history(1000);
    history.append(picture(10, 0), 0);
    history.append(picture(100, 0), 1); // 40000 bytes, over the limit by itself
    QCOMPARE(history.size(), 1);
    QCOMPARE(history.newest()->level(), 1);
}

void TestDiyHistory::growingEntryDropsOlderOnes()
{
    const qint64 small = picture(10, 0).sizeInBytes();
    DiyHistory history(4 * small);
    history.append(picture(10, 0), 0);
    history.append(picture(10, 0), 1);
    HistoryObject *stroke = history.append(picture(10, 0), 2);
    QCOMPARE(history.size(), 3);
    history.update(stroke, picture(18, 0)); // 1296 bytes: the two older ones must go
    QCOMPARE(history.size(), 1);
    QCOMPARE(history.newest(), stroke);
}

void TestDiyHistory::largeCanvasStaysWithinDefaultLimit()
{
    // 100 snapshots of a 4000 x 4000 canvas would be 6.4 GB; one shared
    // picture keeps this test itself small.
    const QImage canvas = picture(4000, qRgb(1, 2, 3));
    DiyHistory history;
    for (int i = 0; i < 100; ++i)
        history.append(canvas, i);
    QCOMPARE(history.byteLimit(), qint64(512) * 1024 * 1024);
    QVERIFY(history.bytes() <= history.byteLimit());
    QCOMPARE(history.size(), int(history.byteLimit() / canvas.sizeInBytes()));
    QCOMPARE(history.newest()->level(), 99);
}

void TestDiyHistory::removeNewestOnEmptyIsHarmless()
{
    DiyHistory history;
    history.removeNewest();
    QCOMPARE(history.size(), 0);
    QVERIFY(!history.newest());
}

QTEST_GUILESS_MAIN(TestDiyHistory)
#include "tst_diyhistory.moc"
