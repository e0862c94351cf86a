#include "display/PreviewRenderer.h"

#include <QTest>

class TestPreviewRenderer : public QObject
{
    Q_OBJECT

private slots:
    // Only the first sample is coloured; everything after it is black.
    void firstDotSitsAtTwelveOClock()
    {
        QByteArray samples(4 * 112 * 3, '\0');
        samples[0] = char(0x10);
        samples[1] = char(0x80);
        samples[2] = char(0x20);
        const QImage preview = PreviewRenderer::render(450, samples, 112, 4);
        QCOMPARE(preview.size(), QSize(450, 450));
        const QRgb expected = qRgb(0x80, 0x10, 0x20);
        // The disc around (225, 0) reaches 1.5 pixels left and right of the centre in row 0;
        // the dots further in cover its middle.
        QCOMPARE(preview.pixel(223, 0), expected);
        QCOMPARE(preview.pixel(226, 0), expected);
        QCOMPARE(preview.pixel(222, 0), qRgb(0, 0, 0));
        QCOMPARE(preview.pixel(227, 0), qRgb(0, 0, 0));
    }

    void linesRunCounterClockwiseToTheCentre()
    {
        const int leds = 112;
        QByteArray samples(4 * leds * 3, '\0');
        auto paint = [&](int line, int led, char g, char r, char b) {
            const int at = (line * leds + (leds - 1 - led)) * 3;
            samples[at] = g;
            samples[at + 1] = r;
            samples[at + 2] = b;
        };
        paint(1, leds - 1, 0, char(200), 0);   // second line, outermost: 9 o'clock
        paint(3, 0, 0, 0, char(200));          // last line, innermost: the centre
        const QImage preview = PreviewRenderer::render(450, samples, leds, 4);
        QCOMPARE(preview.pixel(0, 223), qRgb(200, 0, 0)); // the rim of the disc around (0, 225)
        QCOMPARE(preview.pixel(0, 226), qRgb(200, 0, 0));
        QCOMPARE(preview.pixel(225, 225), qRgb(0, 0, 200));
        QCOMPARE(preview.pixel(449, 225), qRgb(0, 0, 0));
    }

    void shortBufferDrawsWhatItHolds()
    {
        const QImage preview = PreviewRenderer::render(450, QByteArray(5, char(0xFF)), 112, 450);
        QCOMPARE(preview.pixel(225, 0), qRgb(255, 255, 255));
        QCOMPARE(preview.pixel(225, 225), qRgb(0, 0, 0));
    }
};

QTEST_GUILESS_MAIN(TestPreviewRenderer)
#include "tst_previewrenderer.moc"
