#pragma once

#include <QImage>

// The marker of the round display area: a red circle of diameter 448 with a
// one-pixel centre mark on a transparent 449 x 449 picture. Shown on the crop
// dialog's circle, the drawing canvas and the main window's preview background.
class RingTexture
{
public:
    static constexpr int size = 449;
    static constexpr int circleDiameter = 448;

    static QImage make();
};
