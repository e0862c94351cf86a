#include "messaging/HandlerThread.h"

#include "messaging/HandlerMessage.h"
#include "messaging/Message.h"

#include <QDebug>
#include <QMutexLocker>

HandlerThread::HandlerThread(QObject *parent) : QThread(parent)
{
}

HandlerThread::~HandlerThread()
{
    if (isRunning()) {
        exit();
        wait();
    }
    clearMessages();
}

HandlerThread *HandlerThread::instance()
{
    static HandlerThread *shared = nullptr; // never stopped: it dies with the process
    if (!shared) {
        shared = new HandlerThread;
        shared->start(QThread::InheritPriority);
    }
    return shared;
}

void HandlerThread::enqueue(Message *msg)
{
    if (!msg) {
        qDebug("#LOOP# enqueue() msg is null!");
        return;
    }
    QMutexLocker locker(&queueLock);
    // Scan from the back: the common case (no earlier due time) costs one comparison.
    int pos = queue.size();
    while (pos > 0 && queue.at(pos - 1)->when > msg->when)
        --pos;
    queue.insert(pos, msg);
    wakeUp.wakeAll();
}

Message *HandlerThread::next(int &waitMs)
{
    QMutexLocker locker(&queueLock);
    return nextLocked(waitMs);
}

Message *HandlerThread::nextLocked(int &waitMs)
{
    if (queue.isEmpty()) {
        waitMs = -1;
        return nullptr;
    }
    const qint64 left = queue.first()->when - Message::nowMs();
    if (left > 0) {
        waitMs = int(qMin<qint64>(left, INT_MAX));
        return nullptr;
    }
    waitMs = 0;
    return queue.takeFirst();
}

void HandlerThread::removeMessages(int what)
{
    QMutexLocker locker(&queueLock);
    for (int i = queue.size() - 1; i >= 0; --i) {
        if (queue.at(i)->what == what)
            delete queue.takeAt(i);
    }
}

void HandlerThread::clearMessages()
{
    QMutexLocker locker(&queueLock);
    clearLocked();
}

void HandlerThread::clearLocked()
{
    while (!queue.isEmpty())
        delete queue.takeLast();
}

void HandlerThread::exit()
{
    QMutexLocker locker(&queueLock);
    quit = true;
    wakeUp.wakeAll();
}

int HandlerThread::queuedCount() const
{
    QMutexLocker locker(&queueLock);
    return queue.size();
}

void HandlerThread::run()
{
    QMutexLocker locker(&queueLock);
    for (;;) {
        if (quit) {
            clearLocked();
            locker.unlock();
            qDebug("#LOOP# exit!");
            return;
        }
        int waitMs = -1;
        if (Message *msg = nextLocked(waitMs)) {
            locker.unlock();
            if (msg->target)
                msg->target->handlerMessage(msg);
            delete msg;
            locker.relock();
            continue;
        }
        if (waitMs < 0)
            wakeUp.wait(&queueLock);
        else
            wakeUp.wait(&queueLock, QDeadlineTimer(waitMs));
    }
}
