#include "import/VideoCutJob.h"

#include "display/ImageObject.h"
#include "import/CutImageThread.h"
#include "import/GetImageDataThread.h"
#include "import/VideoLog.h"


#include <algorithm>

VideoCutJob::VideoCutJob(const QString &videoPath, qint64 startMs, qint64 endMs, const GifFrameCutter &geometry,
                         QObject *parent)
    : QObject(parent), path(videoPath), stretchStart(startMs), stretchEnd(endMs), cutter(geometry)
{
}

VideoCutJob::~VideoCutJob()
{
    stop();
}

void VideoCutJob::start()
{
    if (cutThread)
        return;
    owner = thread();
    cutThread = new CutImageThread(this);
    connect(cutThread, &CutImageThread::signalCurrentCutPos, this, &VideoCutJob::currentCutPos);
    cutThread->start();
    for (GetImageDataThread *&converter : convertThreads) {
        converter = new GetImageDataThread(this);
        connect(converter, &GetImageDataThread::signalCutMediaOver, this, &VideoCutJob::cutMediaOver);
        converter->start();
    }
}

void VideoCutJob::stop()
{
    {
        const std::lock_guard<std::mutex> guard(queueLock);
        stopping = true;
    }
    if (cutThread)
        cutThread->stopRunning();
    for (GetImageDataThread *converter : convertThreads) {
        if (converter)
            converter->stopRunning();
    }
    queueChanged.notify_all();
    // Each destructor waits for its run to end.
    for (GetImageDataThread *&converter : convertThreads) {
        delete converter;
        converter = nullptr;
    }
    delete cutThread;
    cutThread = nullptr;
    std::unique_lock<std::mutex> locker(queueLock);
    tempImageObject.clear();
    qDeleteAll(listImageObject);
    listImageObject.clear();
}

void VideoCutJob::waitForFinished()
{
    if (cutThread)
        cutThread->wait();
    for (GetImageDataThread *converter : convertThreads) {
        if (converter)
            converter->wait();
    }
}

bool VideoCutJob::isRunning() const
{
    if (cutThread && cutThread->isRunning())
        return true;
    return std::any_of(convertThreads.begin(), convertThreads.end(),
                       [](GetImageDataThread *c) { return c && c->isRunning(); });
}

QString VideoCutJob::error() const
{
    std::unique_lock<std::mutex> locker(queueLock);
    return cutError;
}

QList<ImageObject *> VideoCutJob::takeFrames()
{
    std::unique_lock<std::mutex> locker(queueLock);
    QList<ImageObject *> taken;
    taken.swap(listImageObject);
    std::stable_sort(taken.begin(), taken.end(),
                     [](const ImageObject *a, const ImageObject *b) { return a->index() < b->index(); });
    return taken;
}

bool VideoCutJob::addTempImageObj(Pick pick)
{
    std::unique_lock<std::mutex> locker(queueLock);
    while (!stopping && tempImageObject.size() >= queueLimit)
        queueChanged.wait(locker);
    if (stopping)
        return false;
    tempImageObject.enqueue(std::move(pick));
    queueChanged.notify_all();
    return true;
}

void VideoCutJob::setCutFinished(const QString &error)
{
    std::unique_lock<std::mutex> locker(queueLock);
    cutFinished = true;
    cutError = error;
    queueChanged.notify_all();
}

bool VideoCutJob::getTempImageObj(Pick *pick)
{
    std::unique_lock<std::mutex> locker(queueLock);
    while (!stopping && tempImageObject.isEmpty() && !cutFinished)
        queueChanged.wait(locker);
    if (stopping || tempImageObject.isEmpty())
        return false;
    *pick = tempImageObject.dequeue();
    queueChanged.notify_all();
    return true;
}

void VideoCutJob::addImage(ImageObject *frame)
{
    // Pushed to the owner's thread while still on its own; a stop deletes it
    // there after the workers have ended.
    frame->moveToThread(owner);
    std::unique_lock<std::mutex> locker(queueLock);
    listImageObject.append(frame);
}

void VideoCutJob::cutMediaOver(bool ret)
{
    if (++convertersDone < converterCount)
        return;
    std::unique_lock<std::mutex> locker(queueLock);
    const bool ok = ret && !stopping && !listImageObject.isEmpty();
    qCDebug(lcVideo).nospace() << "#VideoCutJob# over, frames = " << listImageObject.size() << ", error = " << cutError;
    locker.unlock();
    emit finished(ok);
}
