#pragma once

#include <QImage>
#include <QPointF>
#include <QRgb>

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
};
