#include "display/PolarSampling.h"

#include "app/DisplayParameters.h"
#include "display/ImageObject.h"
#include "display/PreviewDots.h"
#include "display/TestColorUtil.h"

#include <QLineF>
#include <QMutex>
#include <QMutexLocker>

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
    return geo;
}

// Packs one line's byte run into six bit planes as one bit stream, most
// significant bit first; a final incomplete byte is dropped.
void packLine(const quint8 *run, int runLength, QByteArray &out)
{
    unsigned acc = 0;
    int bits = 0;
    for (int plane = 0; plane < bitPlanes; ++plane) {
        const int shift = 7 - plane;
        for (int j = 0; j < runLength; ++j) {
            acc = (acc << 1) | ((run[j] >> shift) & 1u);
            if (++bits == 8) {
                out.append(char(acc));
                acc = 0;
                bits = 0;
            }
        }
    }
}

} // namespace

std::shared_ptr<const Geometry> geometry(int ledCount, int lineCount)
{
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
    if (source.depth() == 32) {
        // A view into the source's pixels: no copy of the (possibly large) square.
        square = QImage(source.constBits() + qsizetype(y0) * source.bytesPerLine() + x0 * 4, side, side,
                        source.bytesPerLine(), source.format());
    } else {
        square = source.copy(x0, y0, side, side);
    }
    QImage scaled = square.scaled(workingSize, workingSize, Qt::KeepAspectRatio, Qt::FastTransformation);
    if (scaled.format() != QImage::Format_RGB32 && scaled.format() != QImage::Format_ARGB32)
        scaled = scaled.convertToFormat(QImage::Format_ARGB32);
    return scaled;
}

QByteArray sampleWorkingSquare(const QImage &working, const Geometry &geo, QImage *preview)
{
    const int n = geo.ledCount;
    const int lines = geo.lineCount;
    const TestColorUtil::Lookup lut = TestColorUtil::instance()->snapshot();
    const auto *pixels = reinterpret_cast<const QRgb *>(working.constBits());
    const int stride = int(working.bytesPerLine() / 4);

    QByteArray out;
    out.reserve(ledDataLength(n, lines));
    std::vector<quint8> run(size_t(3) * size_t(qMax(0, n)));
    size_t s = 0;
    for (int k = 0; k < lines; ++k) {
        for (int i = 0; i < n; ++i, ++s) {
            const int offset = geo.pixels[s];
            const QRgb c = pixels[(offset / workingSize) * stride + offset % workingSize];
            if (preview)
                PreviewDots::drawDot(*preview, geo.points[s], c);
            run[size_t(3 * i)] = lut.b[qBlue(c)];
            run[size_t(3 * i + 1)] = lut.g[qGreen(c)];
            run[size_t(3 * i + 2)] = lut.r[qRed(c)];
        }
        packLine(run.data(), 3 * n, out);
    }
    if (out.size() < minimumLength)
        out.append(minimumLength - out.size(), '\0');
    return out;
}

void imageToLedData(const QImage &source, ImageObject *target)
{
    const int n = DisplayParameters::ledCount();
    const int lines = DisplayParameters::lineCount();
    const QImage working = workingSquare(source);
    target->setLedData(QByteArray());
    QImage preview = PreviewDots::blackCanvas(workingSize);
    const QByteArray data = sampleWorkingSquare(working, *geometry(n, lines), &preview);
    target->setPreviewImage(preview);
    target->setLedData(data);
    target->saveLedData();
}

QByteArray ledDataOf(const QImage &source, int ledCount, int lineCount)
{
    return sampleWorkingSquare(workingSquare(source), *geometry(ledCount, lineCount), nullptr);
}

} // namespace PolarSampling
