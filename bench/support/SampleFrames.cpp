#include "SampleFrames.h"

#include "display/ImageObject.h"
#include "display/PolarSampling.h"

#include <QColor>
#include <QImage>
#include <QPainter>

SampleFrames::SampleFrames(int distinct)
{
    for (int i = 0; i < distinct; ++i) {
        // Ellipses of different colours and shapes: neither flat nor noise.
        QImage canvas(450, 450, QImage::Format_ARGB32);
        canvas.fill(Qt::black);
        QPainter painter(&canvas);
        painter.setBrush(QColor::fromHsv(i * 360 / distinct, 255, 255));
        painter.drawEllipse(QPoint(225, 225), 60 + 9 * i, 200 - 7 * i);
        painter.end();
        ImageObject sample(1, QString(), 10, ImageObject::GifFrame);
        PolarSampling::imageToLedData(canvas, &sample);
        sample.setThumbnail(canvas.scaled(60, 60));
        led.append(sample.ledData());
        thumbs.append(sample.scratchPicture(ImageObject::Scratch::Thumbnail));
        previews.append(sample.scratchPicture(ImageObject::Scratch::Preview));
    }
}

ImageObject *SampleFrames::frame(int index, int k) const
{
    auto *frame = new ImageObject(index, QString(), 10, ImageObject::GifFrame);
    if (led.isEmpty())
        return frame;
    k %= count();
    frame->setLedData(led.at(k));
    frame->saveLedData();
    frame->setScratchPicture(ImageObject::Scratch::Thumbnail, thumbs.at(k));
    frame->setScratchPicture(ImageObject::Scratch::Preview, previews.at(k));
    return frame;
}
