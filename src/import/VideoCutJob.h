#pragma once

#include "import/GifFrameCutter.h"

#include <QImage>
#include <QList>
#include <QObject>
#include <QQueue>
#include <QString>

#include <array>
#include <condition_variable>
#include <mutex>

class CutImageThread;
class GetImageDataThread;
class ImageObject;

// One cut of a video stretch into frames: a CutImageThread decodes the clip
// and picks a frame per 100 ms step, three GetImageDataThreads crop each onto
// the black canvas and convert it to LED line data. The frames come out
// sorted by step. Owned and driven by one thread (the dialog's, or the tool's);
// the workers use the queue and result functions below.
class VideoCutJob : public QObject
{
    Q_OBJECT
public:
    static constexpr int converterCount = 3;
    // Decoded frames waiting for a converter, at most: bounds the memory.
    static constexpr int queueLimit = 6;

    // A frame picked for a step, not yet converted.
    struct Pick {
        int index = 0;      // step number + 1
        qint64 timeUs = 0;  // the frame's own time
        QImage picture;
    };

    VideoCutJob(const QString &videoPath, qint64 startMs, qint64 endMs, const GifFrameCutter &geometry,
                QObject *parent = nullptr);
    // Stops the workers and deletes the frames nobody took.
    ~VideoCutJob() override;

    QString videoPath() const { return path; }
    qint64 startMs() const { return stretchStart; }
    qint64 endMs() const { return stretchEnd; }
    const GifFrameCutter &geometry() const { return cutter; }

    // Owner's thread. Starts the cutter and the three converters.
    void start();
    // Owner's thread. Clears every worker's running flag, wakes them and waits
    // for their runs to end; the frames made so far are deleted.
    void stop();
    // Owner's thread, for owners without an event loop: blocks until the cut is over.
    void waitForFinished();
    bool isRunning() const;
    // The decoder's complaint, if it had one; read after the end.
    QString error() const;
    // The converted frames sorted by index; the caller owns them.
    QList<ImageObject *> takeFrames();

    // Cutter thread: queues a pick, waiting while the queue is full; false once stopped.
    bool addTempImageObj(Pick pick);
    // Cutter thread: no more picks will come.
    void setCutFinished(const QString &error);
    // Converter threads: the next pick, waiting while the queue is empty and
    // the cut goes on; false when there is none left or the job stops.
    bool getTempImageObj(Pick *pick);
    // Converter threads: a converted frame, created on that thread; the job
    // takes it over (its thread affinity becomes the owner's).
    void addImage(ImageObject *frame);

signals:
    // The time of the last frame picked, in ms (queued from the cutter).
    void currentCutPos(qint64 pos);
    // All workers are done: ok when at least one frame was made.
    void finished(bool ok);

private slots:
    void cutMediaOver(bool ret);

private:
    QString path;
    qint64 stretchStart;
    qint64 stretchEnd;
    GifFrameCutter cutter;

    CutImageThread *cutThread = nullptr;
    std::array<GetImageDataThread *, converterCount> convertThreads{};
    int convertersDone = 0;
    QThread *owner = nullptr; // set before the workers start

    // Standard primitives rather than QMutex/QWaitCondition: ThreadSanitizer
    // cannot see QWaitCondition release and retake the mutex inside Qt.
    mutable std::mutex queueLock; // guards everything below
    std::condition_variable queueChanged;
    QQueue<Pick> tempImageObject;
    QList<ImageObject *> listImageObject;
    bool cutFinished = false;
    bool stopping = false;
    QString cutError;
};
