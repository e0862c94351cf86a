#pragma once

#include <QImage>
#include <QRect>
#include <QSize>

// Cuts the frames of a sequence the way the crop dialog placed the round area
// on its first frame: each frame is scaled to the zoomed size, the selection
// square (clamped to the scaled picture) is cut out and centred on a black
// 450 x 450 canvas.
class GifFrameCutter
{
public:
    static constexpr int canvasSide = 450;

    // No geometry yet: imageSize() is invalid and the rectangles are null.
    GifFrameCutter() = default;
    // selection: the 450 x 450 square in scaled-picture coordinates (may lie
    // partly or wholly outside); scaledSize: the picture as the dialog showed it.
    GifFrameCutter(const QRect &selection, const QSize &scaledSize);

    // The geometry of a crop dialog closed untouched on a frame of this size:
    // zoom level 0, circle centred.
    static GifFrameCutter forUntouchedDialog(const QSize &frameSize);

    QSize imageSize() const { return scaled; }
    QRect cropRect() const { return crop; }
    QRect sourceRect() const { return source; }
    QRect targetRect() const { return target; }

    // The 450 x 450 ARGB32 canvas of one frame; plain black when nothing of
    // the frame lies under the selection. Null when the scaled frame does
    // not fit in memory.
    QImage cut(const QImage &frame) const;

private:
    static int clampedLength(int start, int length, int limit);

    QSize scaled;
    QRect crop;
    QRect source;
    QRect target;
};
