#include "messaging/HandlerThread.h"

#include "messaging/HandlerMessage.h"
#include "messaging/Message.h"

#include "messaging/MessagingLog.h"

#include <chrono>

namespace {

// Takes the matching messages out, walking from the back; the caller deletes
// them after dropping the lock, so no destructor runs with the queue locked.
template<typename Match>
QList<Message *> takeMatching(QList<Message *> &queue, Match matches)
{
    QList<Message *> taken;
    for (qsizetype i = queue.size() - 1; i >= 0; --i) {
        if (matches(queue.at(i)))
            taken.append(queue.takeAt(i));
    }
    return taken;
}

} // namespace

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
    // Never stopped or deleted: it dies with the process.
    static HandlerThread *const shared = [] {
        auto *looper = new HandlerThread;
        looper->start(QThread::InheritPriority);
        return looper;
    }();
    return shared;
}

void HandlerThread::enqueue(Message *msg)
{
    if (!msg) {
        qCDebug(lcMessaging, "#LOOP# enqueue() msg is null!");
        return;
    }
    std::unique_lock<std::mutex> locker(queueLock);
    if (quitFlag) {
        // Queued now it would never be delivered nor freed.
        locker.unlock();
        qCDebug(lcMessaging).nospace() << "#LOOP# enqueue() after exit, message of what " << msg->what
                                       << " dropped";
        delete msg;
        return;
    }
    // Scan from the back: the common case (no earlier due time) costs one comparison.
    qsizetype pos = queue.size();
    while (pos > 0 && queue.at(pos - 1)->when > msg->when)
        --pos;
    queue.insert(pos, msg);
    wakeUp.notify_all();
}

Message *HandlerThread::next(int &waitMs)
{
    std::lock_guard<std::mutex> locker(queueLock);
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
    QList<Message *> taken;
    {
        std::lock_guard<std::mutex> locker(queueLock);
        taken = takeMatching(queue, [what](const Message *m) { return m->what == what; });
    }
    qDeleteAll(taken);
}

void HandlerThread::detach(const HandlerMessage *target)
{
    QList<Message *> taken;
    {
        std::unique_lock<std::mutex> locker(queueLock);
        taken = takeMatching(queue, [target](const Message *m) { return m->target == target; });
        // On the looper thread the delivery under way is the caller's own.
        if (QThread::currentThread() != this)
            handedBack.wait(locker, [this, target] { return inHand != target; });
    }
    qDeleteAll(taken);
}

void HandlerThread::clearMessages()
{
    QList<Message *> taken;
    {
        std::lock_guard<std::mutex> locker(queueLock);
        taken = takeMatching(queue, [](const Message *) { return true; });
    }
    qDeleteAll(taken);
}

void HandlerThread::exit()
{
    std::lock_guard<std::mutex> locker(queueLock);
    quitFlag = true;
    wakeUp.notify_all();
}

int HandlerThread::queuedCount() const
{
    std::lock_guard<std::mutex> locker(queueLock);
    return int(queue.size());
}

void HandlerThread::run()
{
    std::unique_lock<std::mutex> locker(queueLock);
    for (;;) {
        // Checked before every fetch, so exit() also ends a busy queue.
        if (quitFlag) {
            locker.unlock();
            clearMessages();
            qCDebug(lcMessaging, "#LOOP# exit!");
            return;
        }
        int waitMs = -1;
        if (Message *msg = nextLocked(waitMs)) {
            inHand = msg->target;
            locker.unlock();
            deliver(msg);
            locker.lock();
            inHand = nullptr;
            handedBack.notify_all();
            continue;
        }
        if (waitMs < 0)
            wakeUp.wait(locker);
        else
            wakeUp.wait_for(locker, std::chrono::milliseconds(waitMs));
    }
}

void HandlerThread::deliver(Message *msg)
{
    if (msg->target)
        msg->target->handlerMessage(msg);
    delete msg;
}
