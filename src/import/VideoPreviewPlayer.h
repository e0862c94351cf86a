#pragma once

#include <QImage>
#include <QSize>
#include <QString>

#include <functional>
#include <vector>

struct libvlc_media_player_t;

// The muted libVLC player of the video import. Its decoded frames come through
// video callbacks in a fixed RV32 format and go to a frame sink, so the player
// needs no native window: it shows the same under X11, Wayland and with no
// display at all. Controls may be called from any thread; the sink is called
// on libVLC's thread.
class VideoPreviewPlayer
{
public:
    using FrameSink = std::function<void(const QImage &frame)>;

    // Libvlc's states, as the player reports them.
    enum State { NothingSpecial = 0, Opening, Buffering, Playing, Paused, Stopped, Ended, Error };

    // frameSize: the size frames are scaled to (the clip's own, or smaller).
    VideoPreviewPlayer(const QString &path, const QSize &frameSize, FrameSink sink);
    // Stops the player: no frame reaches the sink after it returns.
    ~VideoPreviewPlayer();
    VideoPreviewPlayer(const VideoPreviewPlayer &) = delete;
    VideoPreviewPlayer &operator=(const VideoPreviewPlayer &) = delete;

    // The player could be created.
    bool isValid() const { return player != nullptr; }
    bool play();
    void pause(); // toggles
    void setPause(bool paused);
    // Pauses and waits (at most timeoutMs) until the player no longer says it plays.
    void pauseAndWait(int timeoutMs);
    void stop();
    bool isPlaying() const;
    int state() const;
    qint64 length() const;
    qint64 time() const;
    void setTime(qint64 ms);
    void setPosition(float position);
    void setVolume(int volume);

private:
    static void *lock(void *opaque, void **planes);
    static void unlock(void *opaque, void *picture, void *const *planes);
    static void display(void *opaque, void *picture);

    libvlc_media_player_t *player = nullptr;
    QSize size;
    FrameSink sink;
    std::vector<uchar> buffer;
};
