#pragma once

#include <QImage>
#include <QString>
#include <QStringList>

#include <atomic>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

class ImageObject;
class QThread;

// Decodes and converts the files of a picture import on threads of its own, a
// few files ahead of the hand-over, and gives the results in file order. The
// owner's running flag is looked at before each file and between its steps;
// once it is clear, work in hand is dropped and nothing new is started.
//
// With no threads the files are done one after the other by take() itself,
// on the caller's thread.
class PictureWorkers
{
public:
    static constexpr int defaultThreads = 2;

    struct Result {
        QString path;
        // Set when the file cannot be imported; nothing else is then.
        QString skipReason;
        // The centred square scaled into 300 x 300.
        QImage preview;
        // The converted picture, already moved to the thread given at
        // construction; null when skipped or stopped.
        std::unique_ptr<ImageObject> picture;
        // The picture's preview as read back from its record.
        QImage targetImg;
        // The owner stopped the import before this file was done.
        bool stopped = false;
    };

    // Caller's thread. Starts the threads at once. running must outlive this
    // object; pictureThread is where the finished pictures will live.
    PictureWorkers(const QStringList &paths, int threads, const std::atomic<bool> &running,
                   QThread *pictureThread);
    // Caller's thread: lets the threads finish the step in hand, joins them
    // and deletes every picture not taken.
    ~PictureWorkers();

    PictureWorkers(const PictureWorkers &) = delete;
    PictureWorkers &operator=(const PictureWorkers &) = delete;

    int threadCount() const { return int(threads.size()); }
    QString path(int index) const { return paths.value(index); }

    // Caller's thread, for growing indexes (0, 1, 2... in an import): waits
    // until that file is done (or dropped on a stop) and hands its result
    // over. Files passed over are dropped with the rest.
    Result take(int index);

    // One file, start to end, as every thread does it.
    static Result process(const QString &path, const std::atomic<bool> &running, QThread *pictureThread);

private:
    void work();

    const QStringList paths;
    const std::atomic<bool> &running;
    QThread *const pictureThread;
    const int lookAhead; // files started beyond the one to be taken next

    std::mutex lock; // guards everything below
    std::condition_variable changed;
    std::vector<std::unique_ptr<Result>> results; // one per file, set when done
    int nextToStart = 0;
    int nextToTake = 0;
    bool closing = false;

    std::vector<std::thread> threads; // last: started once the rest is set
};
