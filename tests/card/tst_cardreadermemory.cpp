// Files that claim more than they hold: the readers must never allocate for
// what a header claims, only one block at a time.
#include "AllocationCounter.h"
#include "FileBytes.h"
#include "LegacyCardFixture.h"
#include "TestWorkDir.h"
#include "card/CardBlockLayout.h"
#include "card/CardReader.h"
#include "card/CardRecords.h"
#include "card/LegacyCardReader.h"
#include "display/PolarSampling.h"

#include <QTest>

#include <atomic>

namespace {

// The largest display: one raw block is 900000 bytes.
constexpr int leds = 500;
constexpr int lines = 600;
constexpr qint64 megabyte = 1024 * 1024;

} // namespace

class TestCardReaderMemory : public QObject
{
    Q_OBJECT

private:
    TestWorkDir work;
    std::atomic<bool> keepReading{true};

private slots:
    void legacyCountsBeyondTheFile()
    {
        LegacyCardFixture card(leds, lines);
        card.setPictures(255, 255);
        for (int j = 0; j < 5; ++j)
            card.setSequence(j, 255, 255);
        const QString path = work.filePath(QStringLiteral("claims.bin"));
        // The header claims 100 slots and 1275 frames (over 1.2 GB); the file holds two and a half blocks.
        QVERIFY(card.save(path, 120 + card.blockSize() * 5 / 2));

        CardRecords records;
        const std::int64_t before = AllocationCounter::current();
        AllocationCounter::resetPeak();
        const QString problem = LegacyCardReader(keepReading).read(path, leds, lines, records);
        const std::int64_t peak = AllocationCounter::peak() - before;
        QVERIFY(problem.isEmpty());
        QCOMPARE(records.pictureList().size(), 2);
        // A block, the preview being drawn and its PNG: far below what the header claims.
        QVERIFY2(peak < 8 * megabyte, qPrintable(QString::number(peak)));
    }

    void cardEntriesBeyondTheFile()
    {
        // The table names blocks up to 65535 of the largest size; the file holds one.
        QByteArray table = QByteArray::fromHex("2211223344556677" "ffff" "000000000000");
        table.append(QByteArray::fromHex("000100010a01" "0002ffff0105"));
        table.append(3016 - table.size(), '\0');
        table.append(8, '\0').append(QByteArray::fromHex("7766554433221100"));
        table.append(4096 - table.size(), '\0');
        const QString path = work.filePath(QStringLiteral("toc.bin"));
        QVERIFY(writeFileBytes(path, table + QByteArray(PolarSampling::ledDataLength(leds, lines), '\x40')));

        const std::int64_t before = AllocationCounter::current();
        AllocationCounter::resetPeak();
        const CardReader::Probe probe = CardReader::probe(path, leds, lines);
        CardRecords records;
        const QString problem = CardReader(keepReading).read(path, CardBlockLayout::bitPlanes(leds, lines), records);
        const std::int64_t peak = AllocationCounter::peak() - before;
        QVERIFY(probe.ok());
        QVERIFY(!probe.layout.has_value());
        QVERIFY(problem.contains(QLatin1String("does not fit")));
        QVERIFY(records.isEmpty());
        QVERIFY2(peak < 4 * megabyte, qPrintable(QString::number(peak)));
    }
};

QTEST_MAIN(TestCardReaderMemory)
#include "tst_cardreadermemory.moc"
