#include "PlaylistFixture.h"

#include "LogCapture.h"
#include "TestWorkDir.h"
#include "card/CardTableOfContents.h"
#include "display/MediaObject.h"

#include <QTest>

namespace {

const QByteArray header = QByteArray::fromHex("2211223344556677");
const QByteArray trailer = QByteArray::fromHex("00000000000000007766554433221100");

QByteArray entry(const QByteArray &table, int number)
{
    return table.mid(CardTableOfContents::entriesOffset + (number - 1) * CardTableOfContents::entrySize,
                     CardTableOfContents::entrySize);
}

int blockCountField(const QByteArray &table)
{
    return (quint8(table[8]) << 8) | quint8(table[9]);
}

bool allZero(const QByteArray &bytes)
{
    return bytes.count('\0') == bytes.size();
}

} // namespace

class TestCardTableOfContents : public QObject
{
    Q_OBJECT
private slots:
    void timeByte_data();
    void timeByte();
    void repeatByte_data();
    void repeatByte();
    void emptyPlaylist();
    void workedExample();
    void sequenceWithoutFrames();
    void moreThan500Entries();
    void logsTheTimeOfEveryPicture();

private:
    TestWorkDir work;
};

void TestCardTableOfContents::timeByte_data()
{
    QTest::addColumn<double>("seconds");
    QTest::addColumn<int>("expected");

    QTest::newRow("2.5 s") << 2.5 << 25;
    QTest::newRow("5 s") << 5.0 << 50;
    QTest::newRow("truncated, not rounded") << 2.59 << 25;
    QTest::newRow("below a tenth") << 0.05 << 0;
    QTest::newRow("25.5 s is the most") << 25.5 << 255;
    QTest::newRow("30 s stays at 255") << 30.0 << 255;
    QTest::newRow("100 s stays at 255") << 100.0 << 255;
    QTest::newRow("negative") << -1.0 << 0;

    // What the row editors produce by stepping 0.2 s at a time.
    double up = 5;
    for (int i = 0; i < 25; ++i)
        up += 0.2;
    QTest::newRow("5 s stepped up to 10 s") << up << 100;
    double down = 0.5;
    down -= 0.2;
    down -= 0.2;
    QTest::newRow("0.5 s stepped down to 0.1 s") << down << 1;
}

void TestCardTableOfContents::timeByte()
{
    QFETCH(double, seconds);
    QFETCH(int, expected);
    QCOMPARE(int(CardTableOfContents::timeByte(seconds)), expected);
}

void TestCardTableOfContents::emptyPlaylist()
{
    const QByteArray table = CardTableOfContents::build({}, {});
    QCOMPARE(table.size(), 4096);
    QCOMPARE(table.left(8), header);
    QCOMPARE(blockCountField(table), 0);
    QVERIFY(allZero(table.mid(10, 6 + 3000)));
    QCOMPARE(table.mid(3016, 16), trailer);
    QVERIFY(allZero(table.mid(3032)));
}

void TestCardTableOfContents::workedExample()
{
    PlaylistFixture playlist;
    playlist.addPicture(5, 16);
    playlist.addPicture(2.5, 16);
    playlist.addSequence(30, 3, 16);

    const QByteArray table = CardTableOfContents::build(playlist.pictures, playlist.sequences);
    QCOMPARE(table.size(), 4096);
    QCOMPARE(table.mid(8, 2), QByteArray::fromHex("0020"));
    QCOMPARE(entry(table, 1), QByteArray::fromHex("000100013201"));
    QCOMPARE(entry(table, 2), QByteArray::fromHex("000200021901"));
    QCOMPARE(entry(table, 3), QByteArray::fromHex("000300200103"));
    QVERIFY(allZero(table.mid(CardTableOfContents::entriesOffset + 3 * 6, 497 * 6)));
    QCOMPARE(table.mid(3016, 16), trailer);
}

void TestCardTableOfContents::sequenceWithoutFrames()
{
    PlaylistFixture playlist;
    playlist.addPicture(5, 16);
    playlist.addPicture(5, 16);
    playlist.addSequence(0, 1, 16);
    playlist.addSequence(4, 2, 16);

    const QByteArray table = CardTableOfContents::build(playlist.pictures, playlist.sequences);
    QCOMPARE(blockCountField(table), 6);
    QCOMPARE(entry(table, 3), QByteArray::fromHex("000300020101")); // last = first - 1
    QCOMPARE(entry(table, 4), QByteArray::fromHex("000300060102")); // starts where the empty one would
}

void TestCardTableOfContents::repeatByte_data()
{
    QTest::addColumn<int>("loops");
    QTest::addColumn<int>("expected");
    QTest::newRow("1") << 1 << 1;
    QTest::newRow("255 is the most") << 255 << 255;
    QTest::newRow("256 stays at 255, not 0") << 256 << 255;
    QTest::newRow("300 stays at 255, not 44") << 300 << 255;
}

void TestCardTableOfContents::repeatByte()
{
    QFETCH(int, loops);
    QFETCH(int, expected);
    PlaylistFixture playlist;
    playlist.addSequence(2, loops, 16);
    QCOMPARE(int(quint8(entry(CardTableOfContents::build({}, playlist.sequences), 1).at(5))), expected);
}

void TestCardTableOfContents::moreThan500Entries()
{
    PlaylistFixture playlist;
    for (int i = 0; i < 498; ++i)
        playlist.addPicture(1, 1);
    for (int s = 0; s < 3; ++s)
        playlist.addSequence(2, 1, 1);

    const QByteArray table = CardTableOfContents::build(playlist.pictures, playlist.sequences);
    QCOMPARE(table.size(), 4096);
    QCOMPARE(blockCountField(table), 498 + 6);         // every block counts
    QCOMPARE(entry(table, 498), QByteArray::fromHex("01f201f20a01"));
    QCOMPARE(entry(table, 499), QByteArray::fromHex("01f301f40101"));
    QCOMPARE(entry(table, 500), QByteArray::fromHex("01f501f60101"));
    QCOMPARE(table.mid(3016, 16), trailer);              // the third sequence has no entry
}

void TestCardTableOfContents::logsTheTimeOfEveryPicture()
{
    PlaylistFixture playlist;
    playlist.addPicture(5, 16);
    playlist.addPicture(2.5, 16);
    playlist.addSequence(3, 1, 16);

    LogCapture log;
    CardTableOfContents::build(playlist.pictures, playlist.sequences);
    QStringList times;
    for (const QString &line : log.lines()) {
        if (line.startsWith(QLatin1String("#MainWindow# downToUsb2 time = ")))
            times.append(line.mid(31).trimmed());
    }
    QCOMPARE(times, (QStringList{QStringLiteral("50"), QStringLiteral("25")}));
}

QTEST_GUILESS_MAIN(TestCardTableOfContents)
#include "tst_cardtableofcontents.moc"
