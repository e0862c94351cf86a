#pragma once

#include <QByteArray>
#include <QImage>
#include <QObject>

#include <condition_variable>
#include <deque>
#include <map>
#include <mutex>
#include <thread>
#include <vector>

// The costly, file-free part of a GIF frame's import, done on threads of its
// own while the caller decodes the next frames: the canvas encoded as its
// scratch picture, and its LED line data and preview. The caller makes the
// records and writes the files from the results, in the order it gave the
// canvases; so whatever is still in hand when the import stops leaves
// nothing behind but memory.
//
// With no threads, submit() does the work itself on the caller's thread.
class GifFrameConverter : public QObject
{
    Q_OBJECT
public:
    static constexpr int defaultThreads = 2;
    // Canvases given and not yet taken back, at most: 810 KB each, plus results.
    static constexpr int defaultLimit = 6;

    struct Frame {
        int number = -1;       // as given to submit()
        QImage canvas;         // as given
        QByteArray canvasPng;  // the canvas as its scratch file, RGB; empty when it could not be encoded
        QByteArray ledData;    // padded
        QByteArray previewPng; // RGB; empty when it could not be encoded
    };

    // Caller's thread. The display parameters are read by the caller, once,
    // so that every frame of an import is converted alike.
    GifFrameConverter(int ledCount, int lineCount, int threads = defaultThreads, int limit = defaultLimit,
                      QObject *parent = nullptr);
    // Caller's thread: drops what is queued, lets the frames in hand finish
    // and joins the threads.
    ~GifFrameConverter() override;

    GifFrameConverter(const GifFrameConverter &) = delete;
    GifFrameConverter &operator=(const GifFrameConverter &) = delete;

    int threadCount() const { return int(threads.size()); }

    // Caller's thread: true when limit canvases are in hand; submit() must
    // then wait for a take().
    bool isFull() const;
    // Caller's thread: nothing submitted is still to be taken.
    bool isIdle() const;
    // Caller's thread. The canvas is shared, not copied.
    void submit(const QImage &canvas, int number);
    // Caller's thread: the next result in submission order is done.
    bool hasNext() const;
    // Caller's thread: hands over the next result in submission order; a
    // Frame with number -1 when it is not done yet.
    Frame takeNext();
    // Caller's thread: drops everything queued or done; frames in hand are
    // finished and dropped too. Nothing is given after this.
    void stop();

    // Any thread: the whole conversion of one canvas.
    static Frame convert(const QImage &canvas, int number, int ledCount, int lineCount);

signals:
    // From a converter thread, so queued to the owner's: a result is ready.
    void frameReady();

private:
    struct Job {
        int sequence;
        int number;
        QImage canvas;
    };

    void work();

    const int ledCount;
    const int lineCount;
    const int limit;
    int submitted = 0; // caller's thread
    int taken = 0;     // caller's thread

    mutable std::mutex lock; // guards everything below
    std::condition_variable queued;
    std::deque<Job> jobs;          // not started, oldest first
    std::map<int, Frame> done;     // by sequence
    bool closing = false;

    std::vector<std::thread> threads; // last: started once the rest is set
};
