// Polar sampling to the byte: crop, scaling, sample positions and rounding,
// calibrated B, G, R bytes in six bit planes, padding, and the preview dots;
// the optimised conversion is held against a plain one written from the rules.
#include "app/DisplayParameters.h"
#include "display/ImageObject.h"
#include "display/PolarSampling.h"
#include "display/PreviewDots.h"
#include "display/TestColorUtil.h"
#include "display/TestValue.h"

#include "TestWorkDir.h"

#include <QFile>
#include <QRandomGenerator>
#include <QtTest>

#include <cmath>
#include <memory>
#include <set>
#include <utility>
#include <vector>

namespace {

constexpr int defaultLength = 114688;

struct Conversion {
    QByteArray data;
    QImage preview;
};

// The conversion exactly as the rules say, one pixel, one dot, one bit at a time.
Conversion plainConversion(const QImage &source, int n, int lines)
{
    Conversion out;
    out.preview = QImage(450, 450, QImage::Format_ARGB32);
    out.preview.fill(0xFF000000u);
    QImage square;
    if (!source.isNull()) {
        const int a = qMin(source.width(), source.height());
        square = source.copy((source.width() - a) / 2, (source.height() - a) / 2, a, a)
                     .scaled(450, 450, Qt::KeepAspectRatio, Qt::FastTransformation);
    }
    const TestColorUtil *calibration = TestColorUtil::instance();
    for (int k = 0; k < lines; ++k) {
        const double radians = (90.0 + k * (360.0 / lines)) * (M_PI / 180);
        const double rimX = 225 + std::cos(radians) * 224;
        const double rimY = 225 - std::sin(radians) * 224; // screen y grows downwards
        std::vector<int> run;
        for (int i = n - 1; i >= 0; --i) {
            const double f = n > 1 ? double(i) / (n - 1) : 0.0;
            const QPointF p(225 + (rimX - 225) * f, 225 + (rimY - 225) * f);
            const QRgb c = square.isNull() ? qRgb(0, 0, 0)
                                           : square.pixel(int(std::round(p.x())), int(std::round(p.y())));
            PreviewDots::drawDot(out.preview, p, c);
            run.push_back(calibration->getTestBValue(qBlue(c)));
            run.push_back(calibration->getTestGValue(qGreen(c)));
            run.push_back(calibration->getTestRValue(qRed(c)));
        }
        std::vector<int> bits;
        for (int plane = 0; plane < 6; ++plane) {
            for (int byte : run)
                bits.push_back((byte >> (7 - plane)) & 1);
        }
        for (size_t j = 0; j + 8 <= bits.size(); j += 8) {
            int byte = 0;
            for (size_t b = 0; b < 8; ++b)
                byte = byte * 2 + bits[j + b];
            out.data.append(char(byte));
        }
    }
    if (out.data.size() < defaultLength)
        out.data.append(defaultLength - out.data.size(), '\0');
    return out;
}

Conversion fastConversion(const QImage &source, int n, int lines)
{
    Conversion out;
    out.preview = PreviewDots::blackCanvas(450);
    out.data = PolarSampling::sampleWorkingSquare(PolarSampling::workingSquare(source),
                                                  *PolarSampling::geometry(n, lines), &out.preview);
    return out;
}

// Channel 0 blue, 1 green, 2 red of one LED, read back from the bit planes
// (bits 1 and 0 are not stored; bits past the line's last byte were dropped).
int storedByte(const QByteArray &data, int n, int line, int led, int channel)
{
    const int lineLength = PolarSampling::lineBytes(n);
    const int runIndex = 3 * (n - 1 - led) + channel;
    int value = 0;
    for (int plane = 0; plane < 6; ++plane) {
        const int bit = plane * 3 * n + runIndex;
        if (bit / 8 >= lineLength)
            break;
        const int byte = uchar(data.at(line * lineLength + bit / 8));
        value |= ((byte >> (7 - bit % 8)) & 1) << (7 - plane);
    }
    return value;
}

std::set<std::pair<int, int>> litLeds(const QByteArray &data, int n, int lines)
{
    std::set<std::pair<int, int>> lit;
    for (int k = 0; k < lines; ++k) {
        for (int i = 0; i < n; ++i) {
            if (storedByte(data, n, k, i, 0) || storedByte(data, n, k, i, 1) || storedByte(data, n, k, i, 2))
                lit.insert({k, i});
        }
    }
    return lit;
}

QImage filled(int w, int h, QRgb colour)
{
    QImage picture(w, h, QImage::Format_RGB32);
    picture.fill(colour);
    return picture;
}

enum class Kind { Rgb32, ArgbPremultiplied, Rgb888, Indexed, Grayscale };

QImage noisePicture(int w, int h, Kind kind, quint32 seed)
{
    QRandomGenerator random(seed);
    if (kind == Kind::Indexed || kind == Kind::Grayscale) {
        QImage picture(w, h, kind == Kind::Indexed ? QImage::Format_Indexed8 : QImage::Format_Grayscale8);
        if (kind == Kind::Indexed) {
            QList<QRgb> table;
            for (int c = 0; c < 256; ++c)
                table << (random.generate() | 0xFF000000u);
            picture.setColorTable(table);
        }
        for (int y = 0; y < h; ++y) {
            for (int x = 0; x < w; ++x)
                picture.scanLine(y)[x] = uchar(random.bounded(256));
        }
        return picture;
    }
    QImage picture(w, h, QImage::Format_ARGB32);
    for (int y = 0; y < h; ++y) {
        auto *row = reinterpret_cast<QRgb *>(picture.scanLine(y));
        for (int x = 0; x < w; ++x)
            row[x] = random.generate();
    }
    switch (kind) {
    case Kind::ArgbPremultiplied:
        return picture.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    case Kind::Rgb888:
        return picture.convertToFormat(QImage::Format_RGB888);
    default:
        return picture.convertToFormat(QImage::Format_RGB32);
    }
}

QByteArray repeated(const QByteArray &pattern, int times)
{
    return pattern.repeated(times);
}

} // namespace

class TestPolarSampling : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();
    void lengthAndPadding_data();
    void lengthAndPadding();
    void whiteBitPlanes_data();
    void whiteBitPlanes();
    void blackIsAllZero();
    void samplePositions_data();
    void samplePositions();
    void cropOfNonSquareSource_data();
    void cropOfNonSquareSource();
    void matchesPlainConversion_data();
    void matchesPlainConversion();
    void previewDotIsADiscOfDiameter4_data();
    void previewDotIsADiscOfDiameter4();
    void previewShowsUncalibratedColours();
    void emptySourceConvertsLikeBlack();
    void unusableCountsGiveOnlyPadding_data();
    void unusableCountsGiveOnlyPadding();
    void conversionReadsCurrentParameters_data();
    void conversionReadsCurrentParameters();
    void calibrationEditAffectsLaterConversionsOnly();
};

void TestPolarSampling::cleanup()
{
    TestColorUtil::instance()->resetToDefaults();
    DisplayParameters::resetToDefaults();
}

void TestPolarSampling::lengthAndPadding_data()
{
    QTest::addColumn<int>("leds");
    QTest::addColumn<int>("lines");
    QTest::addColumn<int>("lineLength");
    QTest::addColumn<int>("total");
    QTest::newRow("defaults") << 112 << 450 << 252 << defaultLength;
    QTest::newRow("500 LEDs: no padding") << 500 << 450 << 1125 << 506250;
    QTest::newRow("500 LEDs, 600 lines") << 500 << 600 << 1125 << 675000;
    QTest::newRow("6 LEDs: 108 bits, 13 bytes") << 6 << 450 << 13 << defaultLength;
    QTest::newRow("1 LED") << 1 << 360 << 2 << defaultLength;
    QTest::newRow("factory 36 x 360") << 36 << 360 << 81 << defaultLength;
}

void TestPolarSampling::lengthAndPadding()
{
    QFETCH(int, leds);
    QFETCH(int, lines);
    QFETCH(int, lineLength);
    QFETCH(int, total);
    QCOMPARE(PolarSampling::lineBytes(leds), lineLength);
    QCOMPARE(PolarSampling::ledDataLength(leds, lines), total);
    const QByteArray data = PolarSampling::ledDataOf(filled(300, 200, qRgb(255, 255, 255)), leds, lines);
    QCOMPARE(int(data.size()), total);
    const QByteArray padding = data.mid(qsizetype(lineLength) * lines);
    QCOMPARE(padding, QByteArray(total - lineLength * lines, '\0'));
    // The last line is complete: a white line always starts with set bits.
    QCOMPARE(uchar(data.at(qsizetype(lineLength) * (lines - 1))), uchar(leds == 1 ? 0xE4 : 0xFF));
}

void TestPolarSampling::whiteBitPlanes_data()
{
    QTest::addColumn<int>("leds");
    QTest::addColumn<int>("offset");   // within every line
    QTest::addColumn<QByteArray>("expected");

    // White calibrates to B 128, G 128, R 255: plane 0 has every bit set,
    // planes 1 to 5 only the R bits: 001 001 001 ... = 24 92 49 repeating.
    const QByteArray rOnly = QByteArray::fromHex("249249");
    QTest::newRow("112: plane 0") << 112 << 0 << repeated("\xFF", 42);
    QTest::newRow("112: planes 1 to 5") << 112 << 42 << repeated(rOnly, 70);
    // 18 ones, then 001 repeated; 108 bits give 13 bytes, the last 4 bits dropped.
    QTest::newRow("6: whole line") << 6 << 0 << QByteArray::fromHex("FFFFC9249249249249249249" "24");
    // Plane 0 is 1500 bits: its last 4 bits share a byte with plane 1's first (0010).
    QTest::newRow("500: plane 0 runs into plane 1") << 500 << 0 << repeated("\xFF", 187) + QByteArray("\xF2");
    // 111 then 001 five times: 18 bits, 2 bytes kept.
    QTest::newRow("1: single LED") << 1 << 0 << QByteArray::fromHex("E492");
}

void TestPolarSampling::whiteBitPlanes()
{
    QFETCH(int, leds);
    QFETCH(int, offset);
    QFETCH(QByteArray, expected);
    const int lines = 450;
    const QByteArray data = PolarSampling::ledDataOf(filled(640, 480, qRgb(255, 255, 255)), leds, lines);
    const int lineLength = PolarSampling::lineBytes(leds);
    for (int k = 0; k < lines; ++k)
        QCOMPARE(data.mid(qsizetype(k) * lineLength + offset, expected.size()).toHex(), expected.toHex());
    QCOMPARE(storedByte(data, leds, 0, leds - 1, 0), 128);
    QCOMPARE(storedByte(data, leds, 0, leds - 1, 1), 128);
    if (leds != 1) // the single LED's last R bit is in the dropped tail
        QCOMPARE(storedByte(data, leds, lines - 1, leds - 1, 2), 252);
}

void TestPolarSampling::blackIsAllZero()
{
    const QByteArray data = PolarSampling::ledDataOf(filled(800, 600, qRgb(0, 0, 0)), 112, 450);
    QCOMPARE(data, QByteArray(defaultLength, '\0'));
}

void TestPolarSampling::samplePositions_data()
{
    QTest::addColumn<int>("leds");
    QTest::addColumn<int>("lines");
    QTest::addColumn<QPoint>("pixel");   // the only white pixel of a black 450 x 450 picture
    QTest::addColumn<int>("line");       // -1: every line
    QTest::addColumn<int>("led");

    QTest::newRow("rim at 12 o'clock, first line") << 112 << 450 << QPoint(225, 1) << 0 << 111;
    QTest::newRow("centre, innermost of every line") << 112 << 450 << QPoint(225, 225) << -1 << 0;
    QTest::newRow("a quarter turn on is 9 o'clock") << 112 << 4 << QPoint(1, 225) << 1 << 111;
    QTest::newRow("half a turn is 6 o'clock") << 112 << 4 << QPoint(225, 449) << 2 << 111;
    QTest::newRow("three quarters is 3 o'clock") << 112 << 4 << QPoint(449, 225) << 3 << 111;
    QTest::newRow("45 degrees rounds to (383, 67)") << 112 << 8 << QPoint(383, 67) << 7 << 111;
    QTest::newRow("spacing 224 / (n - 1)") << 113 << 4 << QPoint(225, 3) << 0 << 111;
    QTest::newRow("single LED sits at the centre") << 1 << 360 << QPoint(225, 225) << -1 << 0;
    QTest::newRow("two LEDs: rim and centre") << 2 << 4 << QPoint(449, 225) << 3 << 1;
}

void TestPolarSampling::samplePositions()
{
    QFETCH(int, leds);
    QFETCH(int, lines);
    QFETCH(QPoint, pixel);
    QFETCH(int, line);
    QFETCH(int, led);

    QImage picture = filled(450, 450, qRgb(0, 0, 0));
    picture.setPixel(pixel, qRgb(255, 255, 255));
    const QByteArray data = PolarSampling::ledDataOf(picture, leds, lines);

    std::set<std::pair<int, int>> expected;
    for (int k = 0; k < lines; ++k) {
        if (line < 0 || k == line)
            expected.insert({k, led});
    }
    QCOMPARE(litLeds(data, leds, lines), expected);
}

void TestPolarSampling::cropOfNonSquareSource_data()
{
    QTest::addColumn<QSize>("size");
    QTest::newRow("900 x 600: columns 150 to 749") << QSize(900, 600);
    QTest::newRow("600 x 900: rows 150 to 749") << QSize(600, 900);
    QTest::newRow("901 x 600: odd margin rounds down") << QSize(901, 600);
    QTest::newRow("1000 x 500") << QSize(1000, 500);
    QTest::newRow("1920 x 1080") << QSize(1920, 1080);
}

void TestPolarSampling::cropOfNonSquareSource()
{
    QFETCH(QSize, size);
    // Red everywhere but the centred square, which is white: only white may be sampled.
    QImage picture = filled(size.width(), size.height(), qRgb(255, 0, 0));
    const int a = qMin(size.width(), size.height());
    const QRect square((size.width() - a) / 2, (size.height() - a) / 2, a, a);
    for (int y = square.top(); y <= square.bottom(); ++y) {
        for (int x = square.left(); x <= square.right(); ++x)
            picture.setPixel(x, y, qRgb(255, 255, 255));
    }
    const QByteArray white = PolarSampling::ledDataOf(filled(450, 450, qRgb(255, 255, 255)), 112, 450);
    QCOMPARE(PolarSampling::ledDataOf(picture, 112, 450), white);
}

void TestPolarSampling::matchesPlainConversion_data()
{
    QTest::addColumn<QImage>("source");
    QTest::addColumn<int>("leds");
    QTest::addColumn<int>("lines");

    const struct {
        const char *name;
        QSize size;
        Kind kind;
    } sources[] = {
        {"photo 1920x1080", {1920, 1080}, Kind::Rgb32},
        {"portrait premultiplied", {333, 517}, Kind::ArgbPremultiplied},
        {"exact square", {450, 450}, Kind::Rgb32},
        {"tiny 24-bit", {7, 3}, Kind::Rgb888},
        {"indexed", {300, 200}, Kind::Indexed},
        {"grayscale", {200, 301}, Kind::Grayscale},
    };
    const QPair<int, int> counts[] = {{112, 450}, {1, 4}, {6, 360}, {500, 450}, {7, 450}, {112, 4}, {500, 360}};
    quint32 seed = 1;
    for (const auto &s : sources) {
        const QImage source = noisePicture(s.size.width(), s.size.height(), s.kind, seed++);
        for (const auto &c : counts) {
            QTest::addRow("%s, %d LEDs, %d lines", s.name, c.first, c.second) << source << c.first << c.second;
        }
    }
}

void TestPolarSampling::matchesPlainConversion()
{
    QFETCH(QImage, source);
    QFETCH(int, leds);
    QFETCH(int, lines);
    const Conversion plain = plainConversion(source, leds, lines);
    const Conversion fast = fastConversion(source, leds, lines);
    QCOMPARE(fast.data.size(), plain.data.size());
    QVERIFY2(fast.data == plain.data, "LED line data differs from the plain conversion");
    QCOMPARE(fast.preview.convertToFormat(QImage::Format_ARGB32), plain.preview);
}

void TestPolarSampling::previewDotIsADiscOfDiameter4_data()
{
    QTest::addColumn<QPointF>("centre");
    QTest::addColumn<int>("pixels");   // pixels whose centre lies within the disc
    QTest::newRow("on a pixel corner") << QPointF(10, 10) << 12;
    QTest::newRow("on a pixel centre") << QPointF(10.5, 10.5) << 13;
    QTest::newRow("off the grid") << QPointF(20.3, 30.8) << -1;
    QTest::newRow("clipped by the top edge") << QPointF(225, 1) << 10;
}

void TestPolarSampling::previewDotIsADiscOfDiameter4()
{
    QFETCH(QPointF, centre);
    QFETCH(int, pixels);
    QImage canvas = PreviewDots::blackCanvas(450);
    PreviewDots::drawDot(canvas, centre, qRgb(10, 20, 30));
    int covered = 0;
    for (int y = 0; y < 450; ++y) {
        for (int x = 0; x < 450; ++x) {
            const double distance = std::hypot(x + 0.5 - centre.x(), y + 0.5 - centre.y());
            const QRgb c = canvas.pixel(x, y);
            if (c == qRgb(10, 20, 30)) {
                ++covered;
                QVERIFY2(distance <= 2.0, qPrintable(QString("(%1, %2) is outside").arg(x).arg(y)));
            } else {
                QCOMPARE(c, qRgb(0, 0, 0));
                QVERIFY2(distance > 2.0, qPrintable(QString("(%1, %2) is missing").arg(x).arg(y)));
            }
        }
    }
    if (pixels >= 0)
        QCOMPARE(covered, pixels);
}

void TestPolarSampling::previewShowsUncalibratedColours()
{
    const QRgb colour = qRgb(10, 200, 30);
    const Conversion c = fastConversion(filled(500, 500, colour), 112, 450);
    QCOMPARE(c.preview.size(), QSize(450, 450));
    QVERIFY(c.preview.hasAlphaChannel());
    QCOMPARE(c.preview.pixel(225, 1), colour);     // the rim dot of the first line
    QCOMPARE(c.preview.pixel(225, 225), colour);   // the centre
    QCOMPARE(c.preview.pixel(0, 0), qRgb(0, 0, 0)); // outside the round area
    QCOMPARE(c.preview.pixel(449, 449), qRgb(0, 0, 0));
}

void TestPolarSampling::emptySourceConvertsLikeBlack()
{
    const Conversion c = fastConversion(QImage(), 112, 450);
    QCOMPARE(c.data, QByteArray(defaultLength, '\0'));
    QCOMPARE(c.preview, PreviewDots::blackCanvas(450));
    QCOMPARE(PolarSampling::ledDataOf(QImage(0, 0, QImage::Format_RGB32), 500, 450),
             QByteArray(506250, '\0'));
}

void TestPolarSampling::unusableCountsGiveOnlyPadding_data()
{
    QTest::addColumn<int>("leds");
    QTest::addColumn<int>("lines");
    QTest::newRow("no LEDs") << 0 << 450;
    QTest::newRow("no lines") << 112 << 0;
    QTest::newRow("negative LEDs") << -5 << 450;
    QTest::newRow("negative lines") << 112 << -1;
}

void TestPolarSampling::unusableCountsGiveOnlyPadding()
{
    QFETCH(int, leds);
    QFETCH(int, lines);
    const Conversion c = fastConversion(filled(100, 100, qRgb(255, 255, 255)), leds, lines);
    QCOMPARE(c.data, QByteArray(defaultLength, '\0'));
}

void TestPolarSampling::conversionReadsCurrentParameters_data()
{
    QTest::addColumn<int>("leds");
    QTest::addColumn<int>("lines");
    QTest::addColumn<int>("total");
    QTest::newRow("defaults") << 112 << 450 << defaultLength;
    QTest::newRow("500 x 450") << 500 << 450 << 506250;
    QTest::newRow("factory 36 x 360") << 36 << 360 << defaultLength;
}

void TestPolarSampling::conversionReadsCurrentParameters()
{
    QFETCH(int, leds);
    QFETCH(int, lines);
    QFETCH(int, total);
    TestWorkDir work;
    QVERIFY(work.isValid());
    const QImage source = noisePicture(640, 480, Kind::Rgb32, 99);
    DisplayParameters::setLedCount(leds);
    DisplayParameters::setLineCount(lines);
    ImageObject record(0, QString(), 5.0, ImageObject::PictureFile);
    PolarSampling::imageToLedData(source, &record);
    QCOMPARE(record.ledData(), plainConversion(source, leds, lines).data);
    QCOMPARE(QFileInfo(record.bufferPath()).size(), qint64(total));
}

void TestPolarSampling::calibrationEditAffectsLaterConversionsOnly()
{
    TestWorkDir work;
    QVERIFY(work.isValid());
    const QImage white = filled(450, 450, qRgb(255, 255, 255));
    ImageObject before(1, QString(), 5.0, ImageObject::PictureFile);
    PolarSampling::imageToLedData(white, &before);
    const QByteArray beforeData = before.ledData();

    TestColorUtil::instance()->value(32)->onTxtRChanged(QStringLiteral("200"));
    ImageObject after(2, QString(), 5.0, ImageObject::PictureFile);
    PolarSampling::imageToLedData(white, &after);

    QCOMPARE(before.ledData(), beforeData);
    QCOMPARE(storedByte(beforeData, 112, 0, 111, 2), 252); // 255 without its two low bits
    QCOMPARE(storedByte(after.ledData(), 112, 0, 111, 2), 200);
    QCOMPARE(storedByte(after.ledData(), 112, 449, 0, 2), 200);
    QCOMPARE(storedByte(after.ledData(), 112, 0, 111, 1), 128);
}

QTEST_GUILESS_MAIN(TestPolarSampling)
#include "tst_polarsampling.moc"
