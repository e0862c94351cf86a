#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

// The 450 x 450 square that the crop circle marks, in the coordinates of the
// zoomed picture. It is never clamped: it may start left of or above the
// picture, or reach past it.
class CropSelection
{
public:
    static constexpr int side = 450;

    static QRect at(const QPoint &topLeft);
    // The square centred on a picture of the given size (truncating toward
    // zero): where the circle stands before the user moves it.
    static QRect centred(const QSize &picture);
};
