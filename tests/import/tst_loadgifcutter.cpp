#include "import/GifFrameCutter.h"

#include <QtTest>

namespace {

// Every pixel different, so a misplaced pixel cannot go unnoticed.
QImage uniqueFrame(const QSize &size)
{
    QImage image(size, QImage::Format_ARGB32);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            image.setPixel(x, y, qRgb(x & 0xFF, y & 0xFF, ((x >> 8) << 4) | (y >> 8)));
    return image;
}

const QRgb black = qRgba(0, 0, 0, 255);

} // namespace

class TestLoadGifCutter : public QObject
{
    Q_OBJECT
private slots:
    void noGeometryYet();
    void clampsSelectionToScaledPicture_data();
    void clampsSelectionToScaledPicture();
    void cutsScaledFrameOntoBlackCanvas_data();
    void cutsScaledFrameOntoBlackCanvas();
    void transparentPixelsBecomeBlack();
    void frameTooLargeToScaleGivesNoCanvas();
    void untouchedDialogGeometry_data();
    void untouchedDialogGeometry();
};

void TestLoadGifCutter::noGeometryYet()
{
    const GifFrameCutter cutter;
    QVERIFY(!cutter.imageSize().isValid());
    QVERIFY(cutter.cropRect().isNull());
    QVERIFY(cutter.sourceRect().isNull());
    QVERIFY(cutter.targetRect().isNull());
}

void TestLoadGifCutter::clampsSelectionToScaledPicture_data()
{
    QTest::addColumn<QPoint>("selection");
    QTest::addColumn<QSize>("scaled");
    QTest::addColumn<QRect>("crop");
    QTest::addColumn<QPoint>("target");

    QTest::newRow("left of the picture") << QPoint(-100, 20) << QSize(500, 400) << QRect(0, 20, 350, 380)
                                         << QPoint(50, 35);
    QTest::newRow("inside") << QPoint(25, 30) << QSize(500, 500) << QRect(25, 30, 450, 450) << QPoint(0, 0);
    QTest::newRow("picture smaller than the square") << QPoint(-75, -125) << QSize(300, 200)
                                                     << QRect(0, 0, 300, 200) << QPoint(75, 125);
    QTest::newRow("past right and bottom") << QPoint(300, 200) << QSize(500, 400) << QRect(300, 200, 200, 200)
                                           << QPoint(125, 125);
    QTest::newRow("odd leftover width") << QPoint(0, 0) << QSize(451, 300) << QRect(0, 0, 450, 300)
                                        << QPoint(0, 75);
    QTest::newRow("wholly right") << QPoint(600, 0) << QSize(500, 400) << QRect(600, 0, 0, 400) << QPoint(225, 25);
    QTest::newRow("wholly left") << QPoint(-600, 0) << QSize(500, 400) << QRect(0, 0, 0, 400) << QPoint(225, 25);
    QTest::newRow("wholly above") << QPoint(0, -460) << QSize(500, 400) << QRect(0, 0, 450, 0) << QPoint(0, 225);
    QTest::newRow("empty picture") << QPoint(-225, -225) << QSize(0, 0) << QRect(0, 0, 0, 0) << QPoint(225, 225);
}

void TestLoadGifCutter::clampsSelectionToScaledPicture()
{
    QFETCH(QPoint, selection);
    QFETCH(QSize, scaled);
    QFETCH(QRect, crop);
    QFETCH(QPoint, target);

    const GifFrameCutter cutter(QRect(selection, QSize(450, 450)), scaled);
    QCOMPARE(cutter.imageSize(), scaled);
    QCOMPARE(cutter.cropRect(), crop);
    QCOMPARE(cutter.sourceRect(), QRect(QPoint(0, 0), crop.size()));
    QCOMPARE(cutter.targetRect(), QRect(target, crop.size()));
}

void TestLoadGifCutter::cutsScaledFrameOntoBlackCanvas_data()
{
    QTest::addColumn<QSize>("frame");
    QTest::addColumn<QPoint>("selection");
    QTest::addColumn<int>("zoom"); // whole-number scale factors keep nearest-neighbour exact

    QTest::newRow("small frame, centred") << QSize(200, 100) << QPoint(-125, -175) << 1;
    QTest::newRow("left of the picture") << QSize(500, 400) << QPoint(-100, 20) << 1;
    QTest::newRow("large frame, inside") << QSize(700, 600) << QPoint(40, 60) << 1;
    QTest::newRow("zoomed to 200 %") << QSize(200, 100) << QPoint(-25, -125) << 2;
    QTest::newRow("zoomed, off the corner") << QSize(300, 300) << QPoint(400, 350) << 2;
    QTest::newRow("wholly outside") << QSize(300, 200) << QPoint(-500, 0) << 1;
}

void TestLoadGifCutter::cutsScaledFrameOntoBlackCanvas()
{
    QFETCH(QSize, frame);
    QFETCH(QPoint, selection);
    QFETCH(int, zoom);

    const QImage source = uniqueFrame(frame);
    const GifFrameCutter cutter(QRect(selection, QSize(450, 450)), frame * zoom);
    const QImage canvas = cutter.cut(source);

    QCOMPARE(canvas.size(), QSize(450, 450));
    QCOMPARE(canvas.format(), QImage::Format_ARGB32);
    const QRect target = cutter.targetRect();
    const QPoint shift = cutter.cropRect().topLeft() - target.topLeft();
    for (int y = 0; y < 450; ++y) {
        for (int x = 0; x < 450; ++x) {
            const QPoint scaledPoint = QPoint(x, y) + shift;
            const QPoint sourcePoint(scaledPoint.x() / zoom, scaledPoint.y() / zoom);
            const QRgb expected = target.contains(x, y) ? source.pixel(sourcePoint) : black;
            if (canvas.pixel(x, y) != expected)
                QFAIL(qPrintable(QStringLiteral("pixel %1,%2 is %3, expected %4")
                                     .arg(x).arg(y).arg(canvas.pixel(x, y), 0, 16).arg(expected, 0, 16)));
        }
    }
}

void TestLoadGifCutter::transparentPixelsBecomeBlack()
{
    QImage frame(450, 450, QImage::Format_ARGB32);
    frame.fill(qRgba(255, 255, 255, 0));
    const QImage canvas = GifFrameCutter::forUntouchedDialog(frame.size()).cut(frame);
    QCOMPARE(canvas.pixel(0, 0), black);
    QCOMPARE(canvas.pixel(224, 224), black);
}

void TestLoadGifCutter::frameTooLargeToScaleGivesNoCanvas()
{
    QImage frame(10, 10, QImage::Format_RGB32);
    frame.fill(Qt::red);
    const GifFrameCutter cutter(QRect(0, 0, 450, 450), QSize(100000, 100000));
    QTest::ignoreMessage(QtWarningMsg, "QImage: out of memory, returning null image");
    QVERIFY(cutter.cut(frame).isNull());
}

void TestLoadGifCutter::untouchedDialogGeometry_data()
{
    QTest::addColumn<QSize>("frame");
    QTest::addColumn<QRect>("crop");
    QTest::addColumn<QRect>("target");

    QTest::newRow("300 x 200") << QSize(300, 200) << QRect(0, 0, 300, 200) << QRect(75, 125, 300, 200);
    QTest::newRow("1000 x 800") << QSize(1000, 800) << QRect(275, 175, 450, 450) << QRect(0, 0, 450, 450);
    QTest::newRow("odd 451 x 449") << QSize(451, 449) << QRect(0, 0, 450, 449) << QRect(0, 0, 450, 449);
}

void TestLoadGifCutter::untouchedDialogGeometry()
{
    QFETCH(QSize, frame);
    QFETCH(QRect, crop);
    QFETCH(QRect, target);

    const GifFrameCutter cutter = GifFrameCutter::forUntouchedDialog(frame);
    QCOMPARE(cutter.imageSize(), frame);
    QCOMPARE(cutter.cropRect(), crop);
    QCOMPARE(cutter.targetRect(), target);
}

QTEST_GUILESS_MAIN(TestLoadGifCutter)
#include "tst_loadgifcutter.moc"
