#include "edit/RingTexture.h"

#include <QtTest>

#include <cmath>

class TestRingTexture : public QObject
{
    Q_OBJECT
private slots:
    void isTransparentPictureOfTheRightSize();
    void redCircleOfDiameter448WithCentreMark();
};

void TestRingTexture::isTransparentPictureOfTheRightSize()
{
    const QImage texture = RingTexture::make();
    QCOMPARE(texture.size(), QSize(450, 450));
    QCOMPARE(texture.format(), QImage::Format_ARGB32);
    // The last row and column stay clear: a tiled brush repeats nothing of the circle there.
    for (const QPoint p : {QPoint(0, 0), QPoint(448, 0), QPoint(0, 448), QPoint(448, 448), QPoint(224, 100),
                           QPoint(100, 224), QPoint(230, 230), QPoint(449, 224), QPoint(224, 449)})
        QCOMPARE(qAlpha(texture.pixel(p)), 0);
}

void TestRingTexture::redCircleOfDiameter448WithCentreMark()
{
    const QImage texture = RingTexture::make();
    const QRgb red = qRgb(255, 0, 0);
    QCOMPARE(texture.pixel(224, 224), red);

    int ringPixels = 0;
    int quadrants[4] = {0, 0, 0, 0};
    for (int y = 0; y < texture.height(); ++y) {
        for (int x = 0; x < texture.width(); ++x) {
            const QRgb c = texture.pixel(x, y);
            if (qAlpha(c) == 0 || (x == 224 && y == 224))
                continue;
            QCOMPARE(c, red);
            const double r = std::hypot(x - 224.0, y - 224.0);
            QVERIFY2(std::abs(r - 224.0) <= 1.5, qPrintable(QStringLiteral("stray pixel at %1,%2").arg(x).arg(y)));
            ++ringPixels;
            ++quadrants[(x < 224 ? 0 : 1) + (y < 224 ? 0 : 2)];
        }
    }
    // A closed circle of circumference ~1407 pixels, in every quadrant.
    QVERIFY(ringPixels > 1000);
    for (int count : quadrants)
        QVERIFY(count > 250);
    // It touches the left and top edges of the texture.
    QCOMPARE(texture.pixel(0, 224), red);
    QCOMPARE(texture.pixel(224, 0), red);
}

QTEST_GUILESS_MAIN(TestRingTexture)
#include "tst_ringtexture.moc"
