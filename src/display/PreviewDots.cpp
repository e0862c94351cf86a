#include "display/PreviewDots.h"

#include <cmath>

QImage PreviewDots::blackCanvas(int size)
{
    QImage canvas(size, size, QImage::Format_ARGB32);
    canvas.fill(0xFF000000u);
    return canvas;
}

template<typename Visit>
void PreviewDots::forEachPixel(QPointF centre, int width, int height, Visit visit)
{
    // Pixel (x, y) is covered when its centre lies within the disc.
    constexpr double r = diameter / 2;
    const int x0 = qMax(0, int(std::floor(centre.x() - r)));
    const int x1 = qMin(width - 1, int(std::ceil(centre.x() + r)));
    const int y0 = qMax(0, int(std::floor(centre.y() - r)));
    const int y1 = qMin(height - 1, int(std::ceil(centre.y() + r)));
    for (int y = y0; y <= y1; ++y) {
        const double dy = y + 0.5 - centre.y();
        for (int x = x0; x <= x1; ++x) {
            const double dx = x + 0.5 - centre.x();
            if (dx * dx + dy * dy <= r * r)
                visit(x, y);
        }
    }
}

void PreviewDots::drawDot(QImage &canvas, QPointF centre, QRgb colour)
{
    if (canvas.depth() != 32)
        return; // pixels are written as 32-bit words
    const QRgb opaque = colour | 0xFF000000u;
    forEachPixel(centre, canvas.width(), canvas.height(), [&](int x, int y) {
        reinterpret_cast<QRgb *>(canvas.scanLine(y))[x] = opaque;
    });
}

std::vector<PreviewDots::Cover> PreviewDots::coverage(const std::vector<QPointF> &centres, int size)
{
    std::vector<int> lastDot(size_t(size) * size_t(size), -1);
    for (size_t i = 0; i < centres.size(); ++i) {
        forEachPixel(centres[i], size, size, [&](int x, int y) { lastDot[size_t(y) * size_t(size) + size_t(x)] = int(i); });
    }
    std::vector<Cover> cover;
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const int dot = lastDot[size_t(y) * size_t(size) + size_t(x)];
            if (dot >= 0)
                cover.push_back({x, y, dot});
        }
    }
    return cover;
}

void PreviewDots::drawCoverage(QImage &canvas, const std::vector<Cover> &cover, const QRgb *dotColours)
{
    if (canvas.depth() != 32)
        return; // pixels are written as 32-bit words
    uchar *bits = canvas.bits();
    const qsizetype stride = canvas.bytesPerLine();
    for (const Cover &c : cover) {
        if (c.x < canvas.width() && c.y < canvas.height())
            reinterpret_cast<QRgb *>(bits + c.y * stride)[c.x] = dotColours[c.dot] | 0xFF000000u;
    }
}
