#include "FileBytes.h"
#include "LegacyCardFixture.h"
#include "LogCapture.h"
#include "TestWorkDir.h"
#include "app/DisplayParameters.h"
#include "card/CardRecords.h"
#include "card/LegacyCardReader.h"
#include "display/ImageObject.h"
#include "display/MediaObject.h"

#include <QDir>
#include <QFile>
#include <QTest>

#include <atomic>
#include <sys/stat.h>

namespace {

// A small display keeps the 100 picture slots of a fixture small.
constexpr int leds = 8;
constexpr int lines = 12;

struct Read {
    QString problem;
    QList<ImageObject *> pictures;
    QList<MediaObject *> sequences;
};

} // namespace

class TestLegacyCardReader : public QObject
{
    Q_OBJECT

private:
    TestWorkDir work;
    CardRecords records;
    std::atomic<bool> keepReading{true};

    QString path(const char *name) const { return work.filePath(QLatin1String(name)); }

    Read read(const QString &file, int ledCount = leds, int lineCount = lines)
    {
        LegacyCardReader reader(keepReading);
        Read result;
        result.problem = reader.read(file, ledCount, lineCount, records);
        result.pictures = records.pictureList();
        result.sequences = records.sequenceList();
        return result;
    }

    static void verifyPicture(ImageObject *picture, int index, double seconds, const QByteArray &block)
    {
        QCOMPARE(picture->index(), index);
        QCOMPARE(picture->displayTime(), seconds);
        QCOMPARE(picture->type(), int(ImageObject::CardPicture));
        QVERIFY(picture->sourcePath().isEmpty());
        QCOMPARE(picture->ledData(), block);
        QCOMPARE(picture->previewImage().size(), QSize(450, 450));
        QVERIFY(picture->thumbnail().width() == 60 || picture->thumbnail().height() == 60);
    }

private slots:
    void init()
    {
        keepReading = true;
        records.clear();
    }
    void cleanup() { DisplayParameters::resetToDefaults(); }

    void threePicturesWithTheirTimes()
    {
        LegacyCardFixture card(leds, lines);
        card.setPictureCount(3);
        card.setTimeByte(0, 25);
        card.setTimeByte(1, 10);
        card.setTimeByte(2, 5);
        card.setTimeByte(3, 40); // not counted: no picture
        QVERIFY(card.save(path("three.bin")));
        const Read r = read(path("three.bin"));
        QVERIFY2(r.problem.isEmpty(), qPrintable(r.problem));
        QCOMPARE(r.pictures.size(), 3);
        verifyPicture(r.pictures.at(0), 1, 5.0, card.pictureBlock(0));
        verifyPicture(r.pictures.at(1), 2, 2.0, card.pictureBlock(1));
        verifyPicture(r.pictures.at(2), 3, 1.0, card.pictureBlock(2));
        QVERIFY(r.sequences.isEmpty());
    }

    void onlyFiftyPicturesWhateverTheCount()
    {
        LegacyCardFixture card(leds, lines);
        card.setPictureCount(60);
        for (int s = 0; s < 100; ++s)
            card.setTimeByte(s, s + 1);
        card.setSequence(0, 2, 7);
        QVERIFY(card.save(path("sixty.bin")));
        const Read r = read(path("sixty.bin"));
        QVERIFY(r.problem.isEmpty());
        QCOMPARE(r.pictures.size(), 50);
        verifyPicture(r.pictures.at(49), 50, 10.0, card.pictureBlock(49));
        // Slots 50 to 99 were read and dropped: the frames after them are in place.
        QCOMPARE(r.sequences.size(), 1);
        QCOMPARE(r.sequences.at(0)->frame(0)->ledData(), card.frameBlock(0, 0));
        QCOMPARE(r.sequences.at(0)->frame(1)->ledData(), card.frameBlock(0, 1));
    }

    void sequencesWithoutFramesAreDropped()
    {
        LegacyCardFixture card(leds, lines);
        card.setSequence(0, 4, 2);
        for (int j = 1; j < 5; ++j)
            card.setSequence(j, 0, 1);
        QVERIFY(card.save(path("four.bin")));
        LogCapture log;
        const Read r = read(path("four.bin"));
        QVERIFY(r.problem.isEmpty());
        QVERIFY(r.pictures.isEmpty());
        QCOMPARE(r.sequences.size(), 1);
        MediaObject *sequence = r.sequences.at(0);
        QCOMPARE(sequence->index(), 0);
        QVERIFY(sequence->name().isEmpty());
        QCOMPARE(sequence->loopCount(), 2);
        QCOMPARE(sequence->frameCount(), 4);
        for (int f = 0; f < 4; ++f) {
            ImageObject *frame = sequence->frame(f);
            QCOMPARE(frame->index(), f + 1);
            QCOMPARE(frame->displayTime(), 0.2);
            QCOMPARE(frame->type(), int(ImageObject::CardFrame));
            QCOMPARE(frame->ledData(), card.frameBlock(0, f));
            QVERIFY(!frame->previewImage().isNull());
        }
        QCOMPARE(log.count(QStringLiteral("read media image.  5")), 1);
        QCOMPARE(log.count(QStringLiteral("read media image. image count  4")), 1);
        QCOMPARE(log.count(QStringLiteral("read media image. image count  0")), 4);
    }

    void laterSlotsFollowEarlierFrames()
    {
        LegacyCardFixture card(leds, lines);
        card.setSequence(1, 3, 4);
        card.setSequence(3, 2, 9);
        QVERIFY(card.save(path("slots.bin")));
        const Read r = read(path("slots.bin"));
        QCOMPARE(r.sequences.size(), 2);
        QCOMPARE(r.sequences.at(0)->index(), 1);
        QCOMPARE(r.sequences.at(1)->index(), 3);
        QCOMPARE(r.sequences.at(1)->loopCount(), 9);
        QCOMPARE(r.sequences.at(1)->frame(1)->ledData(), card.frameBlock(3, 1));
    }

    void factoryBlocksWhateverTheDisplay()
    {
        // The factory content is read for 36 LEDs and 360 lines while the display is still set otherwise.
        DisplayParameters::setLedCount(112);
        DisplayParameters::setLineCount(450);
        LegacyCardFixture card(36, 360);
        QCOMPARE(card.blockSize(), 38880);
        card.setPictures(2, 5);
        QVERIFY(card.save(path("factory.bin")));
        const Read r = read(path("factory.bin"), 36, 360);
        QCOMPARE(r.pictures.size(), 2);
        QCOMPARE(r.pictures.at(1)->ledData(), card.pictureBlock(1));
        QCOMPARE(r.pictures.at(1)->ledData().size(), 38880);
        QCOMPARE(DisplayParameters::ledCount(), 112); // the reader changes nothing
    }

    void previewDrawsTheSamples()
    {
        // One block of a single colour: green 0x10, red 0x80, blue 0x20 for every LED.
        LegacyCardFixture card(leds, lines);
        card.setPictures(1, 5);
        QByteArray bytes = card.bytes();
        for (int i = 0; i < card.blockSize(); i += 3)
            bytes.replace(120 + i, 3, QByteArray::fromHex("108020"));
        QVERIFY(writeFileBytes(path("colour.bin"), bytes));
        const Read r = read(path("colour.bin"));
        QCOMPARE(r.pictures.size(), 1);
        const QImage preview = r.pictures.at(0)->previewImage();
        QCOMPARE(preview.pixel(225, 1), qRgb(0x80, 0x10, 0x20)); // the outermost dot of the 12 o'clock line
        QCOMPARE(preview.pixel(225, 225), qRgb(0x80, 0x10, 0x20));
        QCOMPARE(preview.pixel(5, 5), qRgb(0, 0, 0));
    }

    void shortFilesKeepWhatCameBefore_data()
    {
        QTest::addColumn<int>("cutInBlock"); // -1: the cut falls into picture slot 2; else into frame n of slot 1
        QTest::addColumn<int>("pictures");
        QTest::addColumn<QList<int>>("framesPerSequence");
        QTest::newRow("in the third picture") << -1 << 2 << QList<int>{};
        QTest::newRow("in the first frame of slot 1") << 0 << 3 << QList<int>{2};
        QTest::newRow("in the third frame of slot 1") << 2 << 3 << QList<int>{2, 2};
    }

    void shortFilesKeepWhatCameBefore()
    {
        QFETCH(int, cutInBlock);
        QFETCH(int, pictures);
        QFETCH(QList<int>, framesPerSequence);
        LegacyCardFixture card(leds, lines);
        card.setPictures(3, 5);
        card.setSequence(0, 2, 1);
        card.setSequence(1, 4, 1);
        card.setSequence(2, 3, 1);
        const qint64 cut = cutInBlock < 0 ? card.pictureOffset(2) + 17 : card.frameOffset(1, cutInBlock) + 5;
        QVERIFY(card.save(path("short.bin"), cut));
        const Read r = read(path("short.bin"));
        QVERIFY(r.problem.isEmpty());
        QCOMPARE(r.pictures.size(), pictures);
        QCOMPARE(r.sequences.size(), framesPerSequence.size());
        for (int j = 0; j < framesPerSequence.size(); ++j)
            QCOMPARE(r.sequences.at(j)->frameCount(), framesPerSequence.at(j));
    }

    void unreadableFilesGiveNothing_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("reason");
        QTest::newRow("missing") << "missing.bin" << QByteArray() << "it does not exist";
        QTest::newRow("empty") << "empty.bin" << QByteArray("") << "shorter than its 120-byte header";
        QTest::newRow("119 bytes") << "short.bin" << QByteArray(119, '\x01') << "shorter than its 120-byte header";
        QTest::newRow("header only, counts set") << "header.bin"
                                                 << QByteArray(7, '\0') + QByteArray(5, '\xff') + QByteArray(7, '\1')
                                                        + QByteArray(1, '\xff') + QByteArray(100, '\x05')
                                                 << "holds no complete picture or sequence";
        QTest::newRow("a folder") << "folder.bin" << QByteArray("dir") << "it is a folder";
        QTest::newRow("a FIFO") << "fifo.bin" << QByteArray("fifo") << "not a regular file";
    }

    void unreadableFilesGiveNothing()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, content);
        QFETCH(QString, reason);
        const QString file = work.filePath(name);
        if (content == "dir") {
            QVERIFY(QDir().mkpath(file));
        } else if (content == "fifo") {
            QCOMPARE(::mkfifo(QFile::encodeName(file).constData(), 0600), 0);
        } else if (!content.isNull()) {
            QVERIFY(writeFileBytes(file, content));
        }
        const Read r = read(file);
        QVERIFY(r.pictures.isEmpty());
        QVERIFY(r.sequences.isEmpty());
        QVERIFY2(r.problem.contains(file), qPrintable(r.problem));
        QVERIFY2(r.problem.contains(reason), qPrintable(r.problem));
    }

    void stoppedReadingEndsWithinOneBlock_data()
    {
        QTest::addColumn<int>("stopAfter");
        QTest::addColumn<int>("pictures");
        QTest::newRow("in the picture slots") << 3 << 3;
        QTest::newRow("in the frames") << 102 << 10;
    }

    void stoppedReadingEndsWithinOneBlock()
    {
        QFETCH(int, stopAfter);
        QFETCH(int, pictures);
        LegacyCardFixture card(leds, lines);
        card.setPictures(10, 5);
        card.setSequence(0, 5, 1);
        card.setSequence(1, 5, 1);
        QVERIFY(card.save(path("long.bin")));
        LegacyCardReader reader(keepReading);
        int blocks = 0;
        reader.setAfterBlock([&] {
            if (++blocks == stopAfter)
                keepReading = false; // the busy dialog was closed
        });
        const QString problem = reader.read(path("long.bin"), leds, lines, records);
        QVERIFY(problem.isEmpty()); // stopped, not failed
        QCOMPARE(blocks, stopAfter);
        QCOMPARE(records.pictureList().size(), pictures);
        QVERIFY(records.sequenceList().isEmpty()); // a sequence being read when stopped is dropped
    }
};

QTEST_MAIN(TestLegacyCardReader)
#include "tst_legacycardreader.moc"
