#include "import/VideoPreviewPlayer.h"

#include "import/VideoDecoder.h"
#include "import/VideoLog.h"

#include <QDeadlineTimer>
#include <QFileInfo>
#include <QThread>

#include <vlc/vlc.h>

VideoPreviewPlayer::VideoPreviewPlayer(const QString &path, const QSize &frameSize, FrameSink sink)
    : size(frameSize.expandedTo(QSize(2, 2))), sink(std::move(sink)),
      buffer(size_t(size.width()) * size_t(size.height()) * 4)
{
    libvlc_instance_t *vlc = VideoDecoder::instance();
    if (!vlc)
        return;
    libvlc_media_t *media = libvlc_media_new_path(vlc, QFileInfo(path).absoluteFilePath().toUtf8().constData());
    if (!media)
        return;
    // Muted for good: no sound is decoded at all.
    libvlc_media_add_option(media, ":no-audio");
    libvlc_media_add_option(media, ":no-spu");
    player = libvlc_media_player_new_from_media(media);
    libvlc_media_release(media);
    if (!player)
        return;
    libvlc_video_set_callbacks(player, &VideoPreviewPlayer::lock, &VideoPreviewPlayer::unlock,
                               &VideoPreviewPlayer::display, this);
    libvlc_video_set_format(player, "RV32", unsigned(size.width()), unsigned(size.height()),
                            unsigned(size.width()) * 4);
}

VideoPreviewPlayer::~VideoPreviewPlayer()
{
    if (!player)
        return;
    libvlc_media_player_stop(player);
    libvlc_media_player_release(player);
}

void *VideoPreviewPlayer::lock(void *opaque, void **planes)
{
    planes[0] = static_cast<VideoPreviewPlayer *>(opaque)->buffer.data();
    return nullptr;
}

void VideoPreviewPlayer::unlock(void *, void *, void *const *)
{
}

void VideoPreviewPlayer::display(void *opaque, void *)
{
    auto *self = static_cast<VideoPreviewPlayer *>(opaque);
    const QImage frame(self->buffer.data(), self->size.width(), self->size.height(), self->size.width() * 4,
                       QImage::Format_RGB32);
    self->sink(frame);
}

bool VideoPreviewPlayer::play()
{
    return player && libvlc_media_player_play(player) == 0;
}

void VideoPreviewPlayer::pause()
{
    if (player)
        libvlc_media_player_pause(player);
}

void VideoPreviewPlayer::setPause(bool paused)
{
    if (player)
        libvlc_media_player_set_pause(player, paused ? 1 : 0);
}

void VideoPreviewPlayer::pauseAndWait(int timeoutMs)
{
    if (!player)
        return;
    libvlc_media_player_set_pause(player, 1);
    QDeadlineTimer deadline(timeoutMs);
    while (libvlc_media_player_is_playing(player) && !deadline.hasExpired())
        QThread::msleep(5);
}

void VideoPreviewPlayer::stop()
{
    if (player)
        libvlc_media_player_stop(player);
}

bool VideoPreviewPlayer::isPlaying() const
{
    return player && libvlc_media_player_is_playing(player);
}

int VideoPreviewPlayer::state() const
{
    return player ? int(libvlc_media_player_get_state(player)) : int(Error);
}

qint64 VideoPreviewPlayer::length() const
{
    return player ? libvlc_media_player_get_length(player) : -1;
}

qint64 VideoPreviewPlayer::time() const
{
    return player ? libvlc_media_player_get_time(player) : -1;
}

void VideoPreviewPlayer::setTime(qint64 ms)
{
    if (player)
        libvlc_media_player_set_time(player, ms);
}

void VideoPreviewPlayer::setPosition(float position)
{
    if (player)
        libvlc_media_player_set_position(player, position);
}

void VideoPreviewPlayer::setVolume(int volume)
{
    if (player)
        libvlc_audio_set_volume(player, volume);
}
