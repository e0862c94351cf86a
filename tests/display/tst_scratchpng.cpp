// Scratch pictures written by the fast encoder load back through Qt's own
// reader with exactly the pixels given, alpha kept where the picture has it.
#include "display/ScratchPng.h"

#include <QBuffer>
#include <QRandomGenerator>
#include <QtTest>

namespace {

QImage noise(const QSize &size, QImage::Format format, bool withAlpha)
{
    QImage picture(size, QImage::Format_ARGB32);
    QRandomGenerator random(quint32(size.width() * 131 + size.height()));
    for (int y = 0; y < size.height(); ++y) {
        auto *row = reinterpret_cast<QRgb *>(picture.scanLine(y));
        for (int x = 0; x < size.width(); ++x) {
            const quint32 v = random.generate();
            row[x] = withAlpha ? v : (v | 0xFF000000u);
        }
    }
    return picture.convertToFormat(format);
}

} // namespace

class TestScratchPng : public QObject
{
    Q_OBJECT
private slots:
    void loadsBackTheSamePixels_data();
    void loadsBackTheSamePixels();
    void nothingToEncode();
    void shortWriteFails();
};

void TestScratchPng::loadsBackTheSamePixels_data()
{
    QTest::addColumn<QImage>("picture");
    QTest::newRow("opaque 450 x 450") << noise(QSize(450, 450), QImage::Format_RGB32, false);
    QTest::newRow("see-through 61 x 37") << noise(QSize(61, 37), QImage::Format_ARGB32, true);
    QTest::newRow("opaque, with an alpha channel") << noise(QSize(450, 450), QImage::Format_ARGB32, false);
    QTest::newRow("premultiplied") << noise(QSize(33, 20), QImage::Format_ARGB32_Premultiplied, true);
    QTest::newRow("24-bit") << noise(QSize(17, 9), QImage::Format_RGB888, false);
    QTest::newRow("grey") << noise(QSize(40, 3), QImage::Format_Grayscale8, false);
    QTest::newRow("one pixel") << noise(QSize(1, 1), QImage::Format_RGB32, false);
    QImage black(450, 450, QImage::Format_ARGB32);
    black.fill(qRgba(0, 0, 0, 255));
    QTest::newRow("black canvas") << black;
}

void TestScratchPng::loadsBackTheSamePixels()
{
    QFETCH(QImage, picture);

    const QByteArray png = ScratchPng::encode(picture);
    QVERIFY(!png.isEmpty());
    QImage back;
    QVERIFY(back.loadFromData(png, "PNG"));
    QCOMPARE(back.size(), picture.size());
    QCOMPARE(back.hasAlphaChannel(), picture.hasAlphaChannel());
    // Compared as Qt's own reader and writer would give them back.
    const QImage expected = picture.convertToFormat(QImage::Format_ARGB32);
    const QImage got = back.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            if (got.pixel(x, y) != expected.pixel(x, y))
                QFAIL(qPrintable(QStringLiteral("pixel %1,%2: %3 instead of %4")
                                     .arg(x).arg(y).arg(got.pixel(x, y), 8, 16).arg(expected.pixel(x, y), 8, 16)));
        }
    }
}

void TestScratchPng::nothingToEncode()
{
    QVERIFY(ScratchPng::encode(QImage()).isEmpty());
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QVERIFY(!ScratchPng::write(QImage(), buffer));
    QCOMPARE(buffer.size(), 0);
}

void TestScratchPng::shortWriteFails()
{
    QByteArray bytes;
    QBuffer readOnly(&bytes);
    readOnly.open(QIODevice::ReadOnly);
    QVERIFY(!ScratchPng::write(noise(QSize(8, 8), QImage::Format_RGB32, false), readOnly));
}

QTEST_MAIN(TestScratchPng)
#include "tst_scratchpng.moc"
