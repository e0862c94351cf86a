#pragma once

#include <QSize>

// The zoom shared by the crop dialog and the drawing canvas: every level adds
// (or removes) 10 % of the source size, so level 3 is 130 % and level -10 is 0.
class ZoomRule
{
public:
    static constexpr int percentPerLevel = 10;
    // Largest side a zoom-in step may produce (a 32-bit picture of 8192 x 8192
    // is 256 MiB), unless the source itself is larger.
    static constexpr int maxSide = 8192;

    // May be negative for levels below -10; saturates instead of overflowing.
    static QSize zoomedSize(const QSize &source, int level);
    // A zoom step to newLevel stands when no side becomes negative and,
    // when zooming in, none grows beyond the larger of maxSide and the
    // source's own longer side (so a large source can always come back to level 0).
    static bool stepAllowed(const QSize &source, int oldLevel, int newLevel);

private:
    static int zoomedSide(int side, int level);
};
