#pragma once

#include <QImage>

// The marker of the round display area: a red circle of diameter 448 with a
// one-pixel centre mark on a transparent picture. Shown on the crop dialog's
// circle, the drawing canvas and the main window's preview background.
// The picture is as large as those 450 x 450 areas, so the brush never tiles a
// stray edge of the circle into their last row and column.
class RingTexture
{
public:
    static constexpr int size = 450;
    static constexpr int circleDiameter = 448;

    static QImage make();
};
