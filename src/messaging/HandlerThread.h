#pragma once

#include <QList>
#include <QThread>

#include <condition_variable>
#include <mutex>

class HandlerMessage;
class Message;

// The looper: one thread, one queue ordered by due time, delivering each due
// message to its target handler. No lock is held while a handler runs, so a
// handler may send and remove messages from inside handlerMessage().
class HandlerThread : public QThread
{
    Q_OBJECT
public:
    explicit HandlerThread(QObject *parent = nullptr);
    // Stops the loop (after the message in hand) and deletes what is still queued.
    ~HandlerThread() override;

    // UI thread only. The process-wide looper, created and started on first use.
    static HandlerThread *instance();

    // Any thread. Takes ownership of msg. A null msg is logged and ignored; a
    // message sent after exit() is logged and deleted, never queued.
    void enqueue(Message *msg);
    // Any thread (the loop uses it). Takes the head message if it is due
    // (waitMs = 0), and the caller owns it; otherwise null with waitMs =
    // milliseconds until the head is due, or -1 for an empty queue.
    Message *next(int &waitMs);
    // Any thread. Deletes every queued message with this code, whatever its target.
    void removeMessages(int what);
    // Any thread, for a handler being destroyed: deletes its queued messages
    // and, off the looper thread, waits until a message in hand for it has
    // been handled.
    void detach(const HandlerMessage *target);
    // Any thread. Deletes every queued message.
    void clearMessages();
    // Any thread. Ends the loop before its next fetch; still-queued messages
    // are deleted undelivered and later sends are refused.
    void exit();

    // Any thread.
    int queuedCount() const;

protected:
    void run() override;

private:
    Message *nextLocked(int &waitMs);
    static void deliver(Message *msg);

    // Standard primitives rather than QMutex/QWaitCondition: ThreadSanitizer
    // cannot see QWaitCondition release and retake the mutex inside Qt.
    mutable std::mutex queueLock; // guards queue and quitFlag
    std::condition_variable wakeUp;
    std::condition_variable handedBack; // a delivery has returned
    bool quitFlag = false;
    const HandlerMessage *inHand = nullptr; // target of the delivery under way
    QList<Message *> queue; // ascending when; equal when keeps send order
};
