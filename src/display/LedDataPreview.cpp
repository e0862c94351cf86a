#include "display/LedDataPreview.h"

#include "display/PolarSampling.h"
#include "display/PreviewDots.h"
#include "display/PreviewRenderer.h"

#include <vector>

namespace LedDataPreview {

QByteArray unpackBitPlanes(const QByteArray &data, int ledCount, int lineCount)
{
    ledCount = qMax(0, ledCount);
    lineCount = qMax(0, lineCount);
    const qsizetype runLength = qsizetype(3) * ledCount;
    const qsizetype lineLength = PolarSampling::lineBytes(ledCount);
    const qsizetype lineBits = lineLength * 8;
    QByteArray out(runLength * lineCount, '\0');
    const auto *in = reinterpret_cast<const quint8 *>(data.constData());
    auto *run = reinterpret_cast<quint8 *>(out.data());
    for (qsizetype k = 0; k < lineCount; ++k, run += runLength) {
        const qsizetype lineStart = k * lineLength;
        for (int plane = 0; plane < PolarSampling::bitPlanes; ++plane) {
            const quint8 mask = quint8(0x80u >> plane);
            for (qsizetype j = 0; j < runLength; ++j) {
                const qsizetype bit = plane * runLength + j; // the bit counter runs on across planes
                const qsizetype byte = lineStart + bit / 8;
                if (bit >= lineBits || byte >= data.size())
                    break; // dropped when packed, or not in the data
                if (in[byte] & (0x80u >> (bit % 8)))
                    run[j] |= mask;
            }
        }
    }
    return out;
}

namespace {

std::array<quint8, 256> invert(const std::array<quint8, 256> &table)
{
    std::array<quint8, 256> inverse{};
    for (int wanted = 0; wanted < 256; ++wanted) {
        const int stored = wanted & 0xFC;
        int bestDistance = 256;
        std::vector<int> levels;
        for (int level = 0; level < 256; ++level) {
            const int distance = qAbs((table[level] & 0xFC) - stored);
            if (distance < bestDistance) {
                bestDistance = distance;
                levels.clear();
            }
            if (distance == bestDistance)
                levels.push_back(level);
        }
        if (levels.front() == 0)
            inverse[wanted] = 0;
        else if (levels.back() == 255)
            inverse[wanted] = 255;
        else
            inverse[wanted] = quint8(levels[levels.size() / 2]);
    }
    return inverse;
}

} // namespace

Uncalibration Uncalibration::of(const TestColorUtil::Lookup &table)
{
    Uncalibration u;
    u.r = invert(table.r);
    u.g = invert(table.g);
    u.b = invert(table.b);
    return u;
}

QImage ofBitPlanes(const QByteArray &data, int ledCount, int lineCount)
{
    const std::shared_ptr<const PolarSampling::Geometry> geo = PolarSampling::geometry(ledCount, lineCount);
    const QByteArray bytes = unpackBitPlanes(data, geo->ledCount, geo->lineCount);
    const Uncalibration levels = Uncalibration::of(TestColorUtil::instance()->snapshot());
    const auto *bgr = reinterpret_cast<const quint8 *>(bytes.constData());
    std::vector<QRgb> colours(geo->points.size());
    for (size_t s = 0; s < colours.size(); ++s, bgr += 3)
        colours[s] = qRgb(levels.r[bgr[2]], levels.g[bgr[1]], levels.b[bgr[0]]);
    QImage canvas = PreviewDots::blackCanvas(previewSize);
    PreviewDots::drawCoverage(canvas, geo->cover, colours.data());
    return canvas;
}

QImage ofRawSamples(const QByteArray &samples, int ledCount, int lineCount)
{
    return PreviewRenderer::render(previewSize, samples, ledCount, lineCount);
}

QImage thumbnailOf(const QImage &preview)
{
    return preview.scaled(thumbnailSize, thumbnailSize, Qt::KeepAspectRatio, Qt::FastTransformation);
}

} // namespace LedDataPreview
