#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QString>

// A small GIF encoder for test fixtures: full-canvas frames with per-frame
// delays, one global colour table of at most 256 colours (alpha is dropped)
// and plain LZW (8-bit literals, a clear code before the table would widen).
class GifWriter
{
public:
    // Every frame must have the size of the first one.
    void addFrame(const QImage &frame, int delayCentiseconds = 10);
    void setLooping(bool on) { loopForever = on; }
    int frameCount() const { return int(frameList.size()); }

    // Empty when there are no frames, sizes differ or more than 256 colours are used.
    QByteArray toByteArray() const;
    bool save(const QString &path) const;

    // A frame of one colour, handy for sequences whose frames must be told apart.
    static QImage solidFrame(const QSize &size, QRgb colour);
    // gif cut a few bytes into the given frame (counted from 0): its header is
    // there, its pixels are not, so a reader counts it but cannot decode it.
    static QByteArray truncatedInFrame(const QByteArray &gif, int frame);

private:
    struct Frame {
        QImage image;
        int delay;
    };

    QList<Frame> frameList;
    bool loopForever = true;
};
