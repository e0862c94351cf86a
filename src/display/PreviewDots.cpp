#include "display/PreviewDots.h"

#include <cmath>

QImage PreviewDots::blackCanvas(int size)
{
    QImage canvas(size, size, QImage::Format_ARGB32);
    canvas.fill(0xFF000000u);
    return canvas;
}

void PreviewDots::drawDot(QImage &canvas, QPointF centre, QRgb colour)
{
    // Pixel (x, y) is covered when its centre lies within the disc.
    constexpr double r = diameter / 2;
    const QRgb opaque = colour | 0xFF000000u;
    const int x0 = qMax(0, int(std::floor(centre.x() - r)));
    const int x1 = qMin(canvas.width() - 1, int(std::ceil(centre.x() + r)));
    const int y0 = qMax(0, int(std::floor(centre.y() - r)));
    const int y1 = qMin(canvas.height() - 1, int(std::ceil(centre.y() + r)));
    for (int y = y0; y <= y1; ++y) {
        const double dy = y + 0.5 - centre.y();
        QRgb *row = reinterpret_cast<QRgb *>(canvas.scanLine(y));
        for (int x = x0; x <= x1; ++x) {
            const double dx = x + 0.5 - centre.x();
            if (dx * dx + dy * dy <= r * r)
                row[x] = opaque;
        }
    }
}
