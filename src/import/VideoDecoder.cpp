#include "import/VideoDecoder.h"

#include "app/RegularFile.h"
#include "import/VideoLog.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMutex>
#include <QThread>

#include <vlc/vlc.h>

#include <cstring>
#include <vector>

namespace {

constexpr int parseTimeoutMs = 10000;
constexpr int pollMs = 10;

QString shown(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

// Everything the memory output's callbacks reach; they run on libVLC's thread.
struct Capture {
    const VideoDecoder::FrameFilter *wanted = nullptr;
    const VideoDecoder::FrameSink *sink = nullptr;
    std::vector<uchar> buffer;
    qint64 periodUs = 40000;  // nominal, for frames that come without a timestamp
    qint64 firstPts = -1;     // the first timestamped frame's
    qint64 firstTimeUs = 0;   // and its time
    int untimed = 0;          // frames before it
    std::atomic<bool> done{false};
    std::atomic<int> frames{0};
};

void preRender(void *data, uint8_t **pixels, size_t size)
{
    auto *capture = static_cast<Capture *>(data);
    if (capture->buffer.size() < size)
        capture->buffer.resize(size);
    *pixels = capture->buffer.data();
}

void postRender(void *data, uint8_t *pixels, int width, int height, int bitsPerPixel, size_t size, int64_t pts)
{
    auto *capture = static_cast<Capture *>(data);
    if (capture->done.load() || width <= 0 || bitsPerPixel != 32)
        return;
    // The demuxer gives the first frame no timestamp: frames before the first
    // timestamped one are counted at the nominal period from the clip's start.
    qint64 timeUs = 0;
    if (pts <= 0 && capture->firstPts < 0) {
        timeUs = capture->untimed++ * capture->periodUs;
    } else {
        if (capture->firstPts < 0) {
            capture->firstPts = pts;
            capture->firstTimeUs = capture->untimed * capture->periodUs;
        }
        timeUs = capture->firstTimeUs + qMax<qint64>(0, pts - capture->firstPts);
    }
    capture->frames.fetch_add(1);
    if (capture->wanted && !(*capture->wanted)(timeUs))
        return;
    // The reported height can include the decoder's alignment rows; the size is that of the picture.
    const int bytesPerLine = width * 4;
    const int rows = qMin(height, int(size / size_t(bytesPerLine)));
    const QImage frame(pixels, width, rows, bytesPerLine, QImage::Format_RGB32);
    if (!(*capture->sink)(frame, timeUs))
        capture->done.store(true);
}

// The reason a file cannot be a clip before libVLC is asked; empty when it may be one.
QString fileProblem(const QString &path)
{
    QFile file(path);
    const QString why = RegularFile::openForReading(file);
    if (!why.isEmpty())
        return VideoDecoder::tr("The video file \"%1\" cannot be opened: %2").arg(shown(path), why);
    if (file.size() == 0)
        return VideoDecoder::tr("The video file \"%1\" is empty.").arg(shown(path));
    return QString();
}

libvlc_media_t *openMedia(const QString &path)
{
    libvlc_instance_t *vlc = VideoDecoder::instance();
    // Absolute, so that the process's current folder plays no part.
    return vlc ? libvlc_media_new_path(vlc, QFileInfo(path).absoluteFilePath().toUtf8().constData()) : nullptr;
}

} // namespace

libvlc_instance_t *VideoDecoder::instance()
{
    static libvlc_instance_t *vlc = [] {
        const char *const args[] = {"--quiet", "--no-video-title-show", "--no-stats", "--no-lua"};
        libvlc_instance_t *made = libvlc_new(int(sizeof args / sizeof *args), args);
        qCDebug(lcVideo) << "#VideoDecoder# libvlc_new" << (made ? "ok" : "failed") << libvlc_get_version();
        return made;
    }();
    return vlc;
}

QString VideoDecoder::probe(const QString &path, Info *info)
{
    *info = Info();
    const QString problem = fileProblem(path);
    if (!problem.isEmpty())
        return problem;
    if (!instance())
        return tr("Could not init libVLC");
    libvlc_media_t *media = openMedia(path);
    if (!media)
        return tr("Failed to initialize, cannot play video!");
    libvlc_media_parse_with_options(media, libvlc_media_parse_local, parseTimeoutMs);
    QDeadlineTimer deadline(parseTimeoutMs + 2000);
    while (libvlc_media_get_parsed_status(media) == 0 && !deadline.hasExpired())
        QThread::msleep(pollMs);
    const int status = libvlc_media_get_parsed_status(media);
    info->lengthMs = libvlc_media_get_duration(media);
    libvlc_media_track_t **tracks = nullptr;
    const unsigned count = libvlc_media_tracks_get(media, &tracks);
    bool videoTrack = false;
    for (unsigned i = 0; i < count; ++i) {
        const libvlc_media_track_t *track = tracks[i];
        if (track->i_type != libvlc_track_video || !track->video)
            continue;
        videoTrack = true;
        info->size = QSize(int(track->video->i_width), int(track->video->i_height));
        if (track->video->i_frame_rate_den > 0)
            info->fps = double(track->video->i_frame_rate_num) / track->video->i_frame_rate_den;
        break;
    }
    if (tracks)
        libvlc_media_tracks_release(tracks, count);
    libvlc_media_release(media);
    qCDebug(lcVideo).nospace() << "#VideoDecoder# probe " << path << ", status = " << status << ", length = "
                               << info->lengthMs << ", size = " << info->size << ", fps = " << info->fps;
    if (videoTrack && info->size.isEmpty()) {
        // Streams without a header (MPEG-TS, for one) tell their size only in their frames.
        QString error;
        info->size = frameNear(path, 0, &error).size();
    }
    if (info->size.isEmpty())
        return tr("The file \"%1\" holds no video that can be read.").arg(shown(path));
    return QString();
}

namespace {

// Runs the clip through the memory output with these media options until the
// capture is done, the clip ends or running turns false. Returns the frames seen.
int runOutput(const QString &path, const QStringList &options, Capture &capture, const std::atomic<bool> &running,
              QString *error)
{
    libvlc_media_t *media = openMedia(path);
    if (!media) {
        *error = VideoDecoder::tr("Failed to initialize, cannot play video!");
        return 0;
    }
    const QByteArray output =
        QStringLiteral(":sout=#transcode{vcodec=RV32,acodec=none,scodec=none}:smem{"
                       "video-prerender-callback=%1,video-postrender-callback=%2,video-data=%3,no-time-sync}")
            .arg(quintptr(&preRender))
            .arg(quintptr(&postRender))
            .arg(quintptr(&capture))
            .toLatin1();
    libvlc_media_add_option(media, output.constData());
    // libavformat's demuxer, which applies the containers' edit lists: libVLC's own MP4
    // demuxer shifts B-frame clips by the decoder delay and drops their first frames.
    for (const char *fixed : {":demux=avformat", ":no-audio", ":no-spu", ":no-sout-all", ":sout-keep"})
        libvlc_media_add_option(media, fixed);
    for (const QString &option : options)
        libvlc_media_add_option(media, option.toLatin1().constData());
    libvlc_media_player_t *player = libvlc_media_player_new_from_media(media);
    libvlc_media_release(media);
    if (!player) {
        *error = VideoDecoder::tr("Failed to initialize, cannot play video!");
        return 0;
    }

    libvlc_state_t state = libvlc_Error;
    if (libvlc_media_player_play(player) == 0) {
        while (running.load() && !capture.done.load()) {
            state = libvlc_media_player_get_state(player);
            if (state == libvlc_Ended || state == libvlc_Error || state == libvlc_Stopped)
                break;
            QThread::msleep(pollMs);
        }
    }
    // Returns once libVLC's threads are done: no callback runs after it.
    libvlc_media_player_stop(player);
    libvlc_media_player_release(player);
    const int frames = capture.frames.load();
    qCDebug(lcVideo).nospace() << "#VideoDecoder# " << path << " " << options << ": " << frames
                               << " frames, state = " << int(state);
    if (frames == 0 && running.load())
        *error = VideoDecoder::tr("No frame could be read from the video file \"%1\".").arg(shown(path));
    return frames;
}

QString seconds(qint64 ms)
{
    return QString::number(ms / 1000.0, 'f', 3);
}

} // namespace

QString VideoDecoder::decode(const QString &path, qint64 untilMs, double fps, const FrameFilter &wanted,
                             const FrameSink &sink, const std::atomic<bool> &running)
{
    QString error = fileProblem(path);
    if (!error.isEmpty())
        return error;
    Capture capture;
    if (fps > 0)
        capture.periodUs = qRound64(1000000.0 / fps);
    capture.wanted = wanted ? &wanted : nullptr;
    capture.sink = &sink;
    QStringList options;
    // The output's own stop is not exact: a second more, and the sink says when it has enough.
    if (untilMs >= 0)
        options << QStringLiteral(":stop-time=%1").arg(seconds(untilMs + 1000));
    runOutput(path, options, capture, running, &error);
    return error;
}

QImage VideoDecoder::frameNear(const QString &path, qint64 atMs, QString *error)
{
    *error = fileProblem(path);
    if (!error->isEmpty())
        return QImage();
    QImage picture;
    const FrameSink sink = [&](const QImage &frame, qint64) {
        picture = frame.copy();
        return false;
    };
    Capture capture;
    capture.sink = &sink;
    std::atomic<bool> running{true};
    QStringList options;
    if (atMs > 0)
        options << QStringLiteral(":start-time=%1").arg(seconds(atMs));
    options << QStringLiteral(":stop-time=%1").arg(seconds(qMax<qint64>(0, atMs) + 2000));
    runOutput(path, options, capture, running, error);
    if (!picture.isNull())
        error->clear();
    return picture;
}
