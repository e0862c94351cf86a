#pragma once

#include <QImage>
#include <QPointF>
#include <QRgb>

#include <vector>

// Draws the preview's dots: filled discs of diameter 4 centred on exact
// (unrounded) positions, straight into the pixels of a 32-bit picture.
// Much faster than a painter call per dot; later dots cover earlier ones.
class PreviewDots
{
public:
    static constexpr double diameter = 4.0;

    // A 32-bit picture with alpha, filled opaque black.
    static QImage blackCanvas(int size);
    static void drawDot(QImage &canvas, QPointF centre, QRgb colour);

    // One pixel of a canvas of the given size and the dot that shows there
    // once all dots are drawn in order (the last one covering it).
    struct Cover {
        int x;
        int y;
        int dot;
    };
    // The pixels the dots cover, in row order; drawing dot i's colour at
    // each entry gives the same picture as drawDot for every centre in order.
    static std::vector<Cover> coverage(const std::vector<QPointF> &centres, int size);
    static void drawCoverage(QImage &canvas, const std::vector<Cover> &cover, const QRgb *dotColours);

private:
    // Calls visit(x, y) for every pixel of a size x size canvas the dot covers.
    template<typename Visit>
    static void forEachPixel(QPointF centre, int width, int height, Visit visit);
};
