#include "display/PolarSampling.h"

#include "app/DisplayParameters.h"
#include "display/ImageObject.h"
#include "display/PreviewDots.h"
#include "display/TestColorUtil.h"

#include <QLineF>
#include <QMutex>
#include <QMutexLocker>
#include <QtEndian>

#include <cmath>

namespace PolarSampling {

int lineBytes(int ledCount)
{
    return int((18LL * qMax(0, ledCount)) / 8);
}

int ledDataLength(int ledCount, int lineCount)
{
    const qint64 lines = qint64(lineBytes(ledCount)) * qMax(0, lineCount);
    return int(qMax<qint64>(lines, minimumLength));
}

QPointF ledPosition(int ledCount, int lineCount, int line, int led, double centreXY, double radius)
{
    const double step = 360.0 / lineCount;
    QLineF ray(QPointF(centreXY, centreXY), QPointF(centreXY, centreXY - radius));
    ray.setAngle(90.0 + line * step); // counter-clockwise on screen for growing angles
    // A single LED has no spacing: it sits at the centre.
    const double f = ledCount > 1 ? qBound(0.0, double(led) / (ledCount - 1), 1.0) : 0.0;
    return ray.pointAt(f);
}

namespace {

std::shared_ptr<const Geometry> buildGeometry(int n, int lines)
{
    auto geo = std::make_shared<Geometry>();
    geo->ledCount = n;
    geo->lineCount = lines;
    geo->points.reserve(size_t(n) * size_t(lines));
    geo->pixels.reserve(size_t(n) * size_t(lines));
    for (int k = 0; k < lines; ++k) {
        for (int i = n - 1; i >= 0; --i) {
            const QPointF p = ledPosition(n, lines, k, i, centre, radius);
            const int x = int(std::lround(p.x())); // halves away from zero
            const int y = int(std::lround(p.y()));
            geo->points.push_back(p);
            geo->pixels.push_back(y * workingSize + x);
        }
    }
    geo->cover = PreviewDots::coverage(geo->points, workingSize);
    return geo;
}

// Bit `shift` of eight consecutive bytes, the first byte in the most
// significant bit: the byte's bits are spread by one multiplication.
inline unsigned gatherBits(const quint8 *bytes, int shift)
{
    const quint64 word = (qFromLittleEndian<quint64>(bytes) >> shift) & 0x0101010101010101ULL;
    return unsigned((word * 0x8040201008040201ULL) >> 56);
}

// Packs one line's byte run into six bit planes as one bit stream, most
// significant bit first, eight run bytes at a time; the counter runs on
// across planes and a final incomplete byte is dropped.
void packLine(const quint8 *run, int runLength, char *out)
{
    unsigned acc = 0; // pending bits, fewer than 8, in the low end
    int bits = 0;
    for (int plane = 0; plane < bitPlanes; ++plane) {
        const int shift = 7 - plane;
        int j = 0;
        for (; j + 8 <= runLength; j += 8) {
            acc = (acc << 8) | gatherBits(run + j, shift);
            *out++ = char(acc >> bits);
            acc &= (1u << bits) - 1;
        }
        for (; j < runLength; ++j) {
            acc = (acc << 1) | ((run[j] >> shift) & 1u);
            if (++bits == 8) {
                *out++ = char(acc);
                acc = 0;
                bits = 0;
            }
        }
    }
}

// Each pixel as QImage::pixel() reads it. convertToFormat() may unpremultiply
// with other rounding, which would change the sampled colours.
QImage toArgb32(const QImage &picture)
{
    QImage out(picture.size(), QImage::Format_ARGB32);
    for (int y = 0; y < picture.height(); ++y) {
        auto *row = reinterpret_cast<QRgb *>(out.scanLine(y));
        for (int x = 0; x < picture.width(); ++x)
            row[x] = picture.pixel(x, y);
    }
    return out;
}

bool isWorkingSquare(const QImage &picture)
{
    return picture.width() == workingSize && picture.height() == workingSize
           && (picture.format() == QImage::Format_RGB32 || picture.format() == QImage::Format_ARGB32);
}

} // namespace

std::shared_ptr<const Geometry> geometry(int ledCount, int lineCount)
{
    ledCount = qMax(0, ledCount);
    lineCount = qMax(0, lineCount);
    static QMutex lock;
    static std::shared_ptr<const Geometry> cached;
    QMutexLocker locker(&lock);
    if (!cached || cached->ledCount != ledCount || cached->lineCount != lineCount)
        cached = buildGeometry(ledCount, lineCount);
    return cached;
}

QImage workingSquare(const QImage &source)
{
    const int side = qMin(source.width(), source.height());
    if (source.isNull() || side <= 0) {
        QImage black(workingSize, workingSize, QImage::Format_RGB32);
        black.fill(0xFF000000u);
        return black;
    }
    const int x0 = (source.width() - side) / 2;
    const int y0 = (source.height() - side) / 2;
    QImage square;
    if (source.depth() == 32 && side != workingSize) {
        // A view into the source's pixels: no copy of the (possibly large)
        // square. Not at 450, where scaling would return the view itself.
        square = QImage(source.constBits() + qsizetype(y0) * source.bytesPerLine() + x0 * 4, side, side,
                        source.bytesPerLine(), source.format());
    } else {
        square = source.copy(x0, y0, side, side);
    }
    const QImage scaled = square.scaled(workingSize, workingSize, Qt::KeepAspectRatio, Qt::FastTransformation);
    if (scaled.format() == QImage::Format_RGB32 || scaled.format() == QImage::Format_ARGB32)
        return scaled;
    return toArgb32(scaled);
}

QByteArray sampleWorkingSquare(const QImage &picture, const Geometry &geo, QImage *preview)
{
    const QImage working = isWorkingSquare(picture) ? picture : workingSquare(picture);
    const int n = geo.ledCount;
    const int lines = geo.lineCount;
    const int lineLength = lineBytes(n);
    const TestColorUtil::Lookup lut = TestColorUtil::instance()->snapshot();
    const auto *pixels = reinterpret_cast<const QRgb *>(working.constBits());
    const qsizetype stride = working.bytesPerLine() / 4;

    QByteArray out(ledDataLength(n, lines), '\0'); // the tail stays zero: the padding
    std::vector<quint8> run(size_t(3) * size_t(n));
    std::vector<QRgb> colours(preview ? geo.pixels.size() : 0);
    size_t s = 0;
    for (int k = 0; k < lines; ++k) {
        for (int i = 0; i < n; ++i, ++s) {
            const int offset = geo.pixels[s];
            const QRgb c = pixels[(offset / workingSize) * stride + offset % workingSize];
            if (preview)
                colours[s] = c;
            run[size_t(3 * i)] = lut.b[qBlue(c)];
            run[size_t(3 * i + 1)] = lut.g[qGreen(c)];
            run[size_t(3 * i + 2)] = lut.r[qRed(c)];
        }
        packLine(run.data(), 3 * n, out.data() + qsizetype(k) * lineLength);
    }
    if (preview) {
        if (preview->width() != workingSize || preview->height() != workingSize || preview->depth() != 32)
            *preview = PreviewDots::blackCanvas(workingSize);
        PreviewDots::drawCoverage(*preview, geo.cover, colours.data());
    }
    return out;
}

Conversion convert(const QImage &source, int ledCount, int lineCount)
{
    Conversion out;
    out.preview = PreviewDots::blackCanvas(workingSize);
    out.ledData = sampleWorkingSquare(workingSquare(source), *geometry(ledCount, lineCount), &out.preview);
    return out;
}

void imageToLedData(const QImage &source, ImageObject *target)
{
    if (!target)
        return;
    target->setLedData(QByteArray());
    const Conversion converted = convert(source, DisplayParameters::ledCount(), DisplayParameters::lineCount());
    target->setPreviewImage(converted.preview);
    target->setLedData(converted.ledData);
    target->saveLedData();
}

QByteArray ledDataOf(const QImage &source, int ledCount, int lineCount)
{
    return sampleWorkingSquare(workingSquare(source), *geometry(ledCount, lineCount), nullptr);
}

} // namespace PolarSampling
