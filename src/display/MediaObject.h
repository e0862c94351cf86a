#pragma once

#include <QList>
#include <QObject>
#include <QString>

class ImageObject;

// One row of the video list: an ordered series of frames from a video or a
// GIF file (or a card file). Owns its frames.
class MediaObject : public QObject
{
    Q_OBJECT
public:
    MediaObject(int index, const QString &name);
    ~MediaObject() override;

    const QList<ImageObject *> &frames() const { return frameList; }
    int frameCount() const { return int(frameList.size()); }
    ImageObject *frame(int i) const { return frameList.value(i); }
    void appendFrame(ImageObject *frame) { frameList.append(frame); }
    // Takes ownership of every frame given.
    void setFrames(const QList<ImageObject *> &frames) { frameList = frames; }

    QString name() const { return mediaName; }
    int index() const { return mediaIndex; }
    void setIndex(int index) { mediaIndex = index; }
    bool isGif() const { return gif; }
    void setGif(bool isGif) { gif = isGif; }
    int loopCount() const { return loops; }
    void setLoopCount(int count) { loops = count; }

private:
    QList<ImageObject *> frameList;
    QString mediaName;
    int mediaIndex;
    bool gif = false;
    int loops = 1;
};
