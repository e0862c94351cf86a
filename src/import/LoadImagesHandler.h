#pragma once

#include "import/PictureWorkers.h"
#include "messaging/HandlerMessage.h"

#include <QStringList>

#include <atomic>
#include <memory>
#include <mutex>

class ImageObject;
class LoadObjectItem;

// The picture import's worker on the shared looper. For each file it reports
// to the dialog through handlerMessageReady(), connected blocking-queued:
// 2 loaded (preview), 3 converted, 4 hand-over (image set), or 4 without image
// but with the item's skip reason for a file that cannot be read. The files
// are decoded and converted ahead on PictureWorkers' threads; the reports
// still come one file after the other, in the order of the list.
//
// Life: the dialog creates it, start()s it and gives it up with release(),
// never with delete. Whichever comes last, release() or the end of the
// worker's handlerMessage(), deletes it, so the worker never runs in a freed
// handler and the dialog never waits for the worker. release() also cuts the
// reports: a report already posted is dropped, which ends the worker's wait.
class LoadImagesHandler : public HandlerMessage
{
    Q_OBJECT
public:
    // threads: how many decode and convert the files; 0 does them on the
    // looper itself, one after the other.
    LoadImagesHandler(HandlerThread *loop, const QStringList &files,
                      int threads = PictureWorkers::defaultThreads);

    // GUI thread, once: sends message 1 with the file list.
    void start();
    // Looper thread: imports the files of message 1.
    void handlerMessage(Message *msg) override;

    bool isRunning() const { return running.load(); }
    // Any thread: the worker drops the file in hand at its next check and ends.
    void stop();
    // GUI thread, once, typically from the receiver's destructor: stops the
    // worker, disconnects the receiver and drops the reports posted to it,
    // and gives the handler up. Do not use the pointer afterwards.
    void release(QObject *receiver);

    // GUI thread, inside the slot receiving a report: the worker holds this
    // lock except while it waits for that slot, so each side sees what the
    // other wrote to the message and its item. The slot takes a picture by
    // clearing the message's image; otherwise the worker deletes it.
    std::unique_lock<std::mutex> lockReport();
    // GUI thread, from the receiver's event(), before Qt reads a report's
    // argument off the worker's stack. Qt's own event-queue lock orders that
    // read, but ThreadSanitizer cannot see it; this pairs with publishReport()
    // to make the order visible.
    void acquireReport() const;

signals:
    void handlerMessageReady(Message *msg);

private:
    ~LoadImagesHandler() override; // through release() or the worker only

    void importAll(const QStringList &paths);
    bool importFile(PictureWorkers &workers, int index, int count, std::unique_lock<std::mutex> &baton);
    bool proceed(const LoadObjectItem &item, int lastReport) const;
    bool reportSkipped(Message &report, LoadObjectItem &item, const QString &reason,
                       std::unique_lock<std::mutex> &baton);
    void emitReport(Message &report, std::unique_lock<std::mutex> &baton);
    // Worker, inside each emission before the report is posted (connected first).
    void publishReport();
    void leave();

    const QStringList files; // message 1 points here, so it needs no caller's list
    const int threadCount;
    std::atomic<bool> running{true};
    std::atomic<unsigned> publishedReports{0};
    std::mutex reportLock;
    std::mutex stateLock; // guards busy and released
    bool busy = false;     // message 1 sent and its handling not finished
    bool released = false; // the dialog has given the handler up
};
