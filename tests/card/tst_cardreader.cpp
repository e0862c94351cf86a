#include "PlaylistFixture.h"

#include "FileBytes.h"
#include "TestWorkDir.h"
#include "app/DisplayParameters.h"
#include "card/CardBlockLayout.h"
#include "card/CardReader.h"
#include "card/CardRecords.h"
#include "card/CardTableOfContents.h"
#include "card/CardWriter.h"
#include "display/ImageObject.h"
#include "display/LedDataPreview.h"
#include "display/MediaObject.h"
#include "display/PolarSampling.h"
#include "display/TestColorUtil.h"
#include "display/TestValue.h"

#include <QFile>
#include <QPainter>
#include <QTest>

#include <atomic>
#include <memory>

namespace {

// Pictures of full and empty channels only: their colours survive calibration
// and unpacking, so previews drawn back from the card equal the originals.
QImage pureColours(int seed)
{
    static const QRgb colours[] = {qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 255), qRgb(255, 255, 255),
                                   qRgb(255, 255, 0), qRgb(0, 255, 255), qRgb(255, 0, 255), qRgb(0, 0, 0)};
    QImage picture(600, 400, QImage::Format_RGB32);
    picture.fill(colours[seed % 8]);
    QPainter painter(&picture);
    painter.fillRect(150 + seed * 20, 50, 120, 200, colours[(seed + 3) % 8]);
    painter.setBrush(QColor(colours[(seed + 5) % 8]));
    painter.drawEllipse(QPoint(300, 200), 60 + seed * 10, 40);
    return picture;
}

ImageObject *converted(int index, double seconds, int type, int seed)
{
    auto *record = new ImageObject(index, QString(), seconds, type);
    PolarSampling::imageToLedData(pureColours(seed), record);
    return record;
}

// A card's table with these entries (first, last, time, repeat) and blocks of the given size.
QByteArray cardWith(const QList<QList<int>> &entries, int blocks, int blockSize, char fill = 0)
{
    QByteArray table = QByteArray::fromHex("2211223344556677");
    table.append(char(blocks >> 8)).append(char(blocks & 0xFF)).append(6, '\0');
    for (const QList<int> &e : entries) {
        table.append(char(e[0] >> 8)).append(char(e[0])).append(char(e[1] >> 8)).append(char(e[1]));
        table.append(char(e[2])).append(char(e[3]));
    }
    table.append(3016 - table.size(), '\0');
    table.append(8, '\0').append(QByteArray::fromHex("7766554433221100"));
    table.append(4096 - table.size(), '\0');
    return table + QByteArray(qint64(blocks) * blockSize, fill);
}

} // namespace

class TestCardReader : public QObject
{
    Q_OBJECT

private:
    TestWorkDir work;
    std::atomic<bool> keepReading{true};

    QString path(const char *name) const { return work.filePath(QLatin1String(name)); }

    QString read(const QString &file, CardRecords &records)
    {
        const CardReader::Probe probe = CardReader::probe(file, DisplayParameters::ledCount(),
                                                          DisplayParameters::lineCount());
        if (!probe.ok())
            return probe.problem;
        if (!probe.fits)
            return QStringLiteral("does not fit");
        return CardReader(keepReading).read(file, *probe.layout, records);
    }

private slots:
    void init() { keepReading = true; }
    void cleanup()
    {
        DisplayParameters::resetToDefaults();
        TestColorUtil::instance()->resetToDefaults();
    }

    void roundTripIsByteIdentical_data()
    {
        QTest::addColumn<int>("leds");
        QTest::addColumn<int>("lines");
        QTest::newRow("defaults") << 112 << 450;
        QTest::newRow("36 LEDs, 360 lines") << 36 << 360;
        QTest::newRow("6 LEDs: lines end in a partial byte") << 6 << 90;
        QTest::newRow("500 LEDs: blocks beyond the minimum") << 500 << 100;
    }

    void roundTripIsByteIdentical()
    {
        QFETCH(int, leds);
        QFETCH(int, lines);
        DisplayParameters::setLedCount(leds);
        DisplayParameters::setLineCount(lines);
        PlaylistFixture original;
        const double times[] = {5, 2.5, 25.5};
        for (int i = 0; i < 3; ++i)
            original.pictures.append(converted(i + 1, times[i], ImageObject::PictureFile, i));
        for (int s = 0; s < 2; ++s) {
            auto *sequence = new MediaObject(s, QString());
            sequence->setLoopCount(s == 0 ? 3 : 200);
            for (int f = 0; f < 4 - s; ++f)
                sequence->appendFrame(converted(f + 1, 10, ImageObject::GifFrame, 4 + f + s));
            original.sequences.append(sequence);
        }
        const QString first = path("first.bin");
        QVERIFY(CardWriter().write(original.pictures, original.sequences, first).complete());

        CardRecords records;
        const QString problem = read(first, records);
        QVERIFY2(problem.isEmpty(), qPrintable(problem));
        QCOMPARE(records.pictureList().size(), 3);
        QCOMPARE(records.sequenceList().size(), 2);
        for (int i = 0; i < 3; ++i) {
            ImageObject *picture = records.pictureList().at(i);
            QCOMPARE(picture->index(), i + 1);
            QCOMPARE(picture->type(), int(ImageObject::CardPicture));
            QCOMPARE(picture->displayTime(), times[i]);
            QCOMPARE(picture->previewImage(), original.pictures.at(i)->previewImage());
            QVERIFY(!picture->thumbnail().isNull());
        }
        const MediaObject *second = records.sequenceList().at(1);
        QCOMPARE(second->loopCount(), 200);
        QCOMPARE(second->frameCount(), 3);
        QCOMPARE(second->frame(2)->type(), int(ImageObject::CardFrame));
        QCOMPARE(second->frame(2)->previewImage(), original.sequences.at(1)->frame(2)->previewImage());

        const QString again = path("again.bin");
        QVERIFY(CardWriter().write(records.pictureList(), records.sequenceList(), again).complete());
        QCOMPARE(fileBytes(again), fileBytes(first));
    }

    void unpackingGivesTheCalibratedBytes_data()
    {
        QTest::addColumn<int>("leds");
        QTest::newRow("112 LEDs") << 112;
        QTest::newRow("6 LEDs: the last four bits of a line are lost") << 6;
        QTest::newRow("1 LED") << 1;
    }

    void unpackingGivesTheCalibratedBytes()
    {
        QFETCH(int, leds);
        const int lines = 60;
        QImage picture(450, 450, QImage::Format_RGB32);
        for (int y = 0; y < 450; ++y)
            for (int x = 0; x < 450; ++x)
                picture.setPixel(x, y, qRgb((x * 7) & 0xFF, (y * 3) & 0xFF, ((x + y) * 5) & 0xFF));
        const QByteArray data = PolarSampling::ledDataOf(picture, leds, lines);
        const QByteArray bytes = LedDataPreview::unpackBitPlanes(data, leds, lines);
        QCOMPARE(bytes.size(), 3 * leds * lines);

        const auto geo = PolarSampling::geometry(leds, lines);
        const TestColorUtil::Lookup lut = TestColorUtil::instance()->snapshot();
        const int lineBits = PolarSampling::lineBytes(leds) * 8;
        for (int k = 0; k < lines; ++k) {
            for (int i = 0; i < leds; ++i) {
                const int pixel = geo->pixels[size_t(k * leds + i)];
                const QRgb c = picture.pixel(pixel % 450, pixel / 450);
                const quint8 expected[3] = {lut.b[qBlue(c)], lut.g[qGreen(c)], lut.r[qRed(c)]};
                for (int ch = 0; ch < 3; ++ch) {
                    const int run = 3 * i + ch;
                    quint8 kept = 0;
                    for (int plane = 0; plane < 6; ++plane) {
                        if (plane * 3 * leds + run < lineBits)
                            kept |= expected[ch] & (0x80 >> plane);
                    }
                    QCOMPARE(quint8(bytes.at(3 * (k * leds + i) + ch)), kept);
                }
            }
        }
    }

    void uncalibrationKeepsBlackAndFullChannels()
    {
        TestColorUtil::instance()->value(20)->setGreen(200); // a table the user edited
        const TestColorUtil::Lookup lut = TestColorUtil::instance()->snapshot();
        const auto levels = LedDataPreview::Uncalibration::of(lut);
        for (int level : {0, 255}) {
            QCOMPARE(int(levels.r[lut.r[level] & 0xFC]), level);
            QCOMPARE(int(levels.g[lut.g[level] & 0xFC]), level);
            QCOMPARE(int(levels.b[lut.b[level] & 0xFC]), level);
        }
        // Every level comes back as one that calibrates to the same stored byte.
        for (int level = 0; level < 256; ++level) {
            QCOMPARE(lut.r[levels.r[lut.r[level] & 0xFC]] & 0xFC, lut.r[level] & 0xFC);
            QCOMPARE(lut.g[levels.g[lut.g[level] & 0xFC]] & 0xFC, lut.g[level] & 0xFC);
            QCOMPARE(lut.b[levels.b[lut.b[level] & 0xFC]] & 0xFC, lut.b[level] & 0xFC);
        }
    }

    void entriesBecomePicturesAndSequences_data()
    {
        QTest::addColumn<QList<QList<int>>>("entries");
        QTest::addColumn<int>("blocks");
        QTest::addColumn<QList<double>>("times");
        QTest::addColumn<QList<int>>("frames"); // of each sequence
        QTest::addColumn<QList<int>>("loops");
        QTest::newRow("pictures only") << QList<QList<int>>{{1, 1, 50, 1}, {2, 2, 3, 1}} << 2
                                       << QList<double>{5.0, 0.3} << QList<int>{} << QList<int>{};
        QTest::newRow("a one-frame sequence after the pictures")
            << QList<QList<int>>{{1, 1, 20, 1}, {2, 2, 1, 1}, {3, 5, 1, 4}} << 5 << QList<double>{2.0}
            << QList<int>{1, 3} << QList<int>{1, 4};
        QTest::newRow("a sequence without frames is left out")
            << QList<QList<int>>{{1, 1, 20, 1}, {2, 1, 1, 3}, {2, 3, 1, 2}} << 3 << QList<double>{2.0}
            << QList<int>{2} << QList<int>{2};
        QTest::newRow("blocks shared and out of order")
            << QList<QList<int>>{{2, 2, 10, 1}, {1, 1, 10, 1}, {1, 2, 1, 1}} << 2 << QList<double>{1.0, 1.0}
            << QList<int>{2} << QList<int>{1};
    }

    void entriesBecomePicturesAndSequences()
    {
        QFETCH(QList<QList<int>>, entries);
        QFETCH(int, blocks);
        QFETCH(QList<double>, times);
        QFETCH(QList<int>, frames);
        QFETCH(QList<int>, loops);
        QVERIFY(writeFileBytes(path("entries.bin"), cardWith(entries, blocks, PolarSampling::minimumLength)));
        CardRecords records;
        const QString problem = read(path("entries.bin"), records);
        QVERIFY2(problem.isEmpty(), qPrintable(problem));
        QCOMPARE(records.pictureList().size(), times.size());
        for (int i = 0; i < times.size(); ++i)
            QCOMPARE(records.pictureList().at(i)->displayTime(), times.at(i));
        QCOMPARE(records.sequenceList().size(), frames.size());
        for (int s = 0; s < frames.size(); ++s) {
            QCOMPARE(records.sequenceList().at(s)->frameCount(), frames.at(s));
            QCOMPARE(records.sequenceList().at(s)->loopCount(), loops.at(s));
            QCOMPARE(records.sequenceList().at(s)->index(), s);
        }
    }

    void notCardsAreRefused_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("reason");
        const int block = PolarSampling::minimumLength;
        QTest::newRow("shorter than the table") << QByteArray(4095, '\0') << "shorter than the 4096-byte table";
        QTest::newRow("no markers") << QByteArray(4096 + block, '\x11') << "no card markers";
        QTest::newRow("an entry of neither kind") << cardWith({{1, 2, 7, 7}}, 2, block) << "neither a picture nor";
        QTest::newRow("block 0") << cardWith({{0, 0, 10, 1}}, 1, block) << "names block 0";
        QTest::newRow("empty card") << cardWith({}, 0, block) << "holds no pictures";
        QTest::newRow("only empty sequences") << cardWith({{1, 0, 1, 1}}, 0, block) << "holds no pictures";
    }

    void notCardsAreRefused()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, reason);
        QVERIFY(writeFileBytes(path("bad.bin"), content));
        const CardReader::Probe probe = CardReader::probe(path("bad.bin"), 112, 450);
        QVERIFY2(probe.problem.contains(reason), qPrintable(probe.problem));
        QVERIFY(probe.problem.contains(path("bad.bin")));
        CardRecords records;
        QCOMPARE(CardReader(keepReading).read(path("bad.bin"), CardBlockLayout::bitPlanes(112, 450), records),
                 probe.problem);
        QVERIFY(records.isEmpty());
    }

    void theSizeTellsTheDisplay_data()
    {
        QTest::addColumn<int>("leds");     // the display set now
        QTest::addColumn<int>("lines");
        QTest::addColumn<int>("cardLeds"); // what the card was made for
        QTest::addColumn<int>("cardLines");
        QTest::addColumn<bool>("raw");
        QTest::addColumn<bool>("fits");
        QTest::addColumn<QList<int>>("found"); // leds, lines, raw (1) or bit planes (0); empty: none
        QTest::newRow("defaults") << 112 << 450 << 112 << 450 << false << true << QList<int>{112, 450, 0};
        QTest::newRow("legacy blocks downloaded again") << 112 << 450 << 112 << 450 << true << true
                                                       << QList<int>{112, 450, 1};
        QTest::newRow("a default card on the factory display")
            << 36 << 360 << 112 << 450 << false << false << QList<int>{112, 450, 0};
        QTest::newRow("factory blocks on the default display")
            << 112 << 450 << 36 << 360 << true << false << QList<int>{36, 360, 1};
        QTest::newRow("500 LEDs: same line count") << 112 << 450 << 500 << 450 << false << false
                                                   << QList<int>{500, 450, 0};
        QTest::newRow("200 lines: same LED count") << 112 << 450 << 112 << 200 << true << false
                                                   << QList<int>{112, 200, 1};
    }

    void theSizeTellsTheDisplay()
    {
        QFETCH(int, leds);
        QFETCH(int, lines);
        QFETCH(int, cardLeds);
        QFETCH(int, cardLines);
        QFETCH(bool, raw);
        QFETCH(bool, fits);
        QFETCH(QList<int>, found);
        const CardBlockLayout made = raw ? CardBlockLayout::rawSamples(cardLeds, cardLines)
                                         : CardBlockLayout::bitPlanes(cardLeds, cardLines);
        QByteArray card = cardWith({{1, 1, 50, 1}, {2, 3, 1, 2}}, 3, int(made.blockSize()));
        for (int b = 0; b < 3; ++b) // LEDs lit, padding zero, as a real card
            card.replace(4096 + b * made.blockSize(), made.usedSize(), QByteArray(made.usedSize(), '\x84'));
        QVERIFY(writeFileBytes(path("sized.bin"), card));
        const CardReader::Probe probe = CardReader::probe(path("sized.bin"), leds, lines);
        QVERIFY2(probe.ok(), qPrintable(probe.problem));
        QCOMPARE(probe.fits, fits);
        QVERIFY(probe.layout.has_value());
        QCOMPARE(QList<int>({probe.layout->ledCount, probe.layout->lineCount,
                             probe.layout->format == CardBlockLayout::RawSamples ? 1 : 0}),
                 found);
        QCOMPARE(probe.blocks, 3);
    }

    void aSizeNoDisplayFits()
    {
        // One block of 1000 bytes: no display has blocks of that size.
        QVERIFY(writeFileBytes(path("odd.bin"), cardWith({{1, 1, 50, 1}}, 1, 1000)));
        const CardReader::Probe probe = CardReader::probe(path("odd.bin"), 112, 450);
        QVERIFY(probe.ok());
        QVERIFY(!probe.fits);
        QVERIFY(!probe.layout.has_value());
        // More blocks named than the file holds.
        QVERIFY(writeFileBytes(path("few.bin"), cardWith({{1, 1, 50, 1}, {2, 9, 1, 1}}, 2, PolarSampling::minimumLength)));
        QVERIFY(!CardReader::probe(path("few.bin"), 112, 450).layout.has_value());
    }

    void stoppedReadingKeepsNothingNew()
    {
        QVERIFY(writeFileBytes(path("stop.bin"), cardWith({{1, 1, 50, 1}, {2, 2, 50, 1}}, 2, PolarSampling::minimumLength)));
        keepReading = false;
        CardRecords records;
        QVERIFY(CardReader(keepReading).read(path("stop.bin"), CardBlockLayout::bitPlanes(112, 450), records).isEmpty());
        QVERIFY(records.isEmpty());
    }
};

QTEST_MAIN(TestCardReader)
#include "tst_cardreader.moc"
