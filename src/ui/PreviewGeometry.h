#pragma once

#include <QRect>
#include <QSize>

// Where the round preview and its play control go in the area beside the
// lists: the largest square that fits, centred in the area when the control
// still fits to its right, else moved left just enough; the control (Play
// and Stop take turns at the same place) beside the square, centred on its
// height. Widget-free, so the rule is tested on sizes alone.
class PreviewGeometry
{
public:
    static constexpr int margin = 8;
    static constexpr int gap = 8;
    static constexpr int minimumSide = 150;
    // Twice the 450 pixels of the display area: beyond that the dots only blur.
    static constexpr int maximumSide = 900;

    static PreviewGeometry fit(const QSize &area, const QSize &control);

    // The area that fits a preview of minimumSide with its control.
    static QSize minimumArea(const QSize &control);

    QRect preview;
    QRect control;
};
