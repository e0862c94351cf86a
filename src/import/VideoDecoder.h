#pragma once

#include <QCoreApplication>
#include <QImage>
#include <QSize>
#include <QString>

#include <atomic>
#include <functional>

struct libvlc_instance_t;

// Reads video clips through libVLC: their length and size, and their frames
// in order, each with its own time. Frames come from libVLC's memory stream
// output, which hands over every decoded frame with its timestamp and does
// not wait for the clock, so a clip decodes as fast as the machine allows.
// Every function may be called from any thread.
class VideoDecoder
{
    Q_DECLARE_TR_FUNCTIONS(VideoDecoder)
public:
    struct Info {
        qint64 lengthMs = -1; // as libVLC reports it: 0 or -1 when unknown
        QSize size;           // of the first video track
        double fps = 0;       // 0 when the clip does not say
    };

    // The process's libVLC, made on first use; null when libVLC cannot be set up.
    static libvlc_instance_t *instance();

    // The clip's length and video size. Empty on success; otherwise a message
    // for the user naming the file and the reason.
    static QString probe(const QString &path, Info *info);

    // One decoded frame: valid only during the call. Its time is counted from
    // the clip's first frame, in microseconds. Return false to stop.
    using FrameSink = std::function<bool(const QImage &frame, qint64 timeUs)>;
    // Wants the picture of a frame at this time (microseconds)? Frames nobody
    // wants are not copied.
    using FrameFilter = std::function<bool(qint64 timeUs)>;

    // Decodes from the clip's first frame on, in order, until the sink says
    // stop, the clip ends or running turns false (checked every 10 ms). The
    // first frame is the anchor of the times: libVLC's timestamps are exact
    // between frames, but after a seek nothing says where they start. fps
    // (0: 25) times the frames that come before the first timestamp.
    // Empty on success (also when stopped); otherwise a message for the user.
    static QString decode(const QString &path, qint64 untilMs, double fps, const FrameFilter &wanted,
                          const FrameSink &sink, const std::atomic<bool> &running);

    // A frame near atMs (libVLC's seek may land a few frames before it), for
    // showing; null with a message on failure.
    static QImage frameNear(const QString &path, qint64 atMs, QString *error);
};
