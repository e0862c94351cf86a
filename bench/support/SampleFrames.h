#pragma once

#include <QByteArray>
#include <QList>

class ImageObject;

// A few real conversions whose LED data, thumbnail and preview many frames
// share, so that a playlist of thousands of frames is made in moments.
// Needs the work directory set: the samples pass through scratch files.
class SampleFrames
{
public:
    explicit SampleFrames(int distinct);

    int count() const { return int(led.size()); }
    // A new GIF frame carrying sample k % count() in its own scratch files, as
    // an imported frame does; the caller owns it.
    ImageObject *frame(int index, int k) const;

private:
    QList<QByteArray> led, thumbs, previews;
};
