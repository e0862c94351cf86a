// The GIF frames' conversion on threads of its own: whatever order the threads
// finish in, frames come back in the order given, each with exactly what the
// conversion on the caller's thread gives; the number in hand is bounded, and
// a stop drops everything without waiting for a take.
#include "display/PolarSampling.h"
#include "import/GifFrameConverter.h"

#include <QtTest>

namespace {

// Busy and plain canvases alternate, so a thread with a plain one finishes
// before the other with the busy one given before it.
QImage canvasFor(int i)
{
    QImage canvas(450, 450, QImage::Format_ARGB32);
    canvas.fill(qRgba(0, 0, 0, 255));
    if (i % 2 == 0) {
        for (int y = 0; y < 450; ++y) {
            auto *row = reinterpret_cast<QRgb *>(canvas.scanLine(y));
            for (int x = 0; x < 450; ++x)
                row[x] = qRgb((x * 7 + i) % 256, (y * 13) % 256, (x * y + i) % 256);
        }
    } else {
        canvas.fill(qRgb(10 * i, 200, 255 - 10 * i));
    }
    return canvas;
}

QImage decoded(const QByteArray &png)
{
    QImage picture;
    picture.loadFromData(png, "PNG");
    return picture.convertToFormat(QImage::Format_ARGB32);
}

// Waits for the next frame in order; -1 in its number when none comes.
GifFrameConverter::Frame nextFrame(GifFrameConverter &converter)
{
    if (!QTest::qWaitFor([&] { return converter.hasNext(); }, 10000))
        return GifFrameConverter::Frame();
    return converter.takeNext();
}

constexpr int leds = 112;
constexpr int lines = 450;

} // namespace

class TestGifFrameConverter : public QObject
{
    Q_OBJECT
private slots:
    void framesComeBackInOrderAndWhole_data();
    void framesComeBackInOrderAndWhole();
    void atMostTheLimitIsInHand();
    void nothingIsTakenBeforeItIsDone();
    void stopDropsEverything_data();
    void stopDropsEverything();
};

void TestGifFrameConverter::framesComeBackInOrderAndWhole_data()
{
    QTest::addColumn<int>("threads");
    QTest::newRow("on the caller's thread") << 0;
    QTest::newRow("one thread") << 1;
    QTest::newRow("two threads") << 2;
    QTest::newRow("three threads") << 3;
}

void TestGifFrameConverter::framesComeBackInOrderAndWhole()
{
    QFETCH(int, threads);
    constexpr int frames = 12;
    GifFrameConverter converter(leds, lines, threads, 4);
    QCOMPARE(converter.threadCount(), threads);

    QList<int> order;
    int submitted = 0;
    while (order.size() < frames) {
        while (submitted < frames && !converter.isFull()) {
            converter.submit(canvasFor(submitted), 100 + submitted);
            ++submitted;
        }
        const GifFrameConverter::Frame frame = nextFrame(converter);
        QVERIFY2(frame.number >= 0, "a frame never came back");
        const int i = frame.number - 100;
        order.append(i);
        const QImage expected = canvasFor(i);
        QCOMPARE(frame.canvas, expected);
        QCOMPARE(decoded(frame.canvasPng), expected);
        const PolarSampling::Conversion plain = PolarSampling::convert(expected, leds, lines);
        QCOMPARE(frame.ledData, plain.ledData);
        QCOMPARE(decoded(frame.previewPng), plain.preview);
    }
    QList<int> given;
    for (int i = 0; i < frames; ++i)
        given.append(i);
    QCOMPARE(order, given);
    QVERIFY(converter.isIdle());
    QVERIFY(!converter.hasNext());
}

void TestGifFrameConverter::atMostTheLimitIsInHand()
{
    GifFrameConverter converter(leds, lines, 2, 3);
    QObject here; // the signals come from the threads, queued to this one
    int ready = 0;
    connect(&converter, &GifFrameConverter::frameReady, &here, [&] { ++ready; });
    for (int i = 0; i < 3; ++i) {
        QVERIFY(!converter.isFull());
        converter.submit(canvasFor(i), i);
    }
    QVERIFY(converter.isFull());
    QVERIFY(!converter.isIdle());
    QTRY_COMPARE_WITH_TIMEOUT(ready, 3, 10000); // one signal per frame
    QVERIFY(converter.isFull()); // done but not taken still counts
    QCOMPARE(converter.takeNext().number, 0);
    QVERIFY(!converter.isFull());
    QCOMPARE(converter.takeNext().number, 1);
    QCOMPARE(converter.takeNext().number, 2);
    QVERIFY(converter.isIdle());
}

void TestGifFrameConverter::nothingIsTakenBeforeItIsDone()
{
    GifFrameConverter converter(leds, lines, 1, 4);
    QCOMPARE(converter.takeNext().number, -1); // nothing given yet
    converter.submit(canvasFor(0), 7);
    // Taken too early or not, the frame is handed over once, whole.
    const GifFrameConverter::Frame early = converter.takeNext();
    const GifFrameConverter::Frame frame = early.number == 7 ? early : nextFrame(converter);
    QCOMPARE(frame.number, 7);
    QVERIFY(!frame.canvasPng.isEmpty());
    QCOMPARE(converter.takeNext().number, -1);
    QVERIFY(converter.isIdle());
}

void TestGifFrameConverter::stopDropsEverything_data()
{
    QTest::addColumn<int>("threads");
    QTest::newRow("on the caller's thread") << 0;
    QTest::newRow("two threads") << 2;
}

void TestGifFrameConverter::stopDropsEverything()
{
    QFETCH(int, threads);
    GifFrameConverter converter(leds, lines, threads, 6);
    for (int i = 0; i < 6; ++i)
        converter.submit(canvasFor(i), i);
    QVERIFY(nextFrame(converter).number == 0); // some done, some in hand, some queued
    converter.stop();
    QVERIFY(!converter.hasNext());
    QCOMPARE(converter.takeNext().number, -1);
    converter.submit(canvasFor(9), 9); // refused once stopped
    QTest::qWait(threads == 0 ? 0 : 100);
    QVERIFY(!converter.hasNext());
    QCOMPARE(converter.takeNext().number, -1);
}

QTEST_MAIN(TestGifFrameConverter)
#include "tst_gifframeconverter.moc"
