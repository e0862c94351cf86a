#include "import/GifFrameCutter.h"

#include "edit/CropSelection.h"

#include <QPainter>

GifFrameCutter::GifFrameCutter(const QRect &selection, const QSize &scaledSize) : scaled(scaledSize)
{
    const int side = CropSelection::side;
    int x = selection.x();
    int y = selection.y();
    int w = side;
    int h = side;
    if (x < 0) {
        w = qMax(0, x + side); // a square wholly left of the picture keeps nothing
        x = 0;
    }
    if (y < 0) {
        h = qMax(0, y + side);
        y = 0;
    }
    w = clampedLength(x, w, scaled.width());
    h = clampedLength(y, h, scaled.height());

    crop = QRect(x, y, w, h);
    source = QRect(0, 0, w, h);
    target = QRect((canvasSide - w) / 2, (canvasSide - h) / 2, w, h);
}

int GifFrameCutter::clampedLength(int start, int length, int limit)
{
    if (qint64(limit) < qint64(start) + length)
        return qMax(0, limit - start);
    return length;
}

GifFrameCutter GifFrameCutter::forUntouchedDialog(const QSize &frameSize)
{
    const QSize size(qMax(0, frameSize.width()), qMax(0, frameSize.height()));
    return GifFrameCutter(CropSelection::centred(size), size);
}

QImage GifFrameCutter::cut(const QImage &frame) const
{
    QImage canvas(canvasSide, canvasSide, QImage::Format_ARGB32);
    canvas.fill(qRgba(0, 0, 0, 255));
    if (frame.isNull() || scaled.isEmpty() || crop.isEmpty())
        return canvas;

    const QImage scaledFrame = frame.scaled(scaled, Qt::KeepAspectRatioByExpanding, Qt::FastTransformation);
    if (scaledFrame.isNull())
        return QImage(); // out of memory: must not pass for a black frame
    QPainter painter(&canvas);
    painter.drawImage(target, scaledFrame, crop); // the part in place: no copy of it
    painter.end();
    return canvas;
}
