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

    // The process-wide looper, created and started on first use (UI thread only).
    static HandlerThread *instance();

    // Takes ownership; a null msg is logged and ignored.
    void enqueue(Message *msg);
    // Takes the head message if it is due (waitMs = 0); otherwise null with
    // waitMs = milliseconds until the head is due, or -1 for an empty queue.
    Message *next(int &waitMs);
    // Deletes every queued message with this code, whatever its target.
    void removeMessages(int what);
    // For a handler being destroyed: deletes its queued messages and, off the
    // looper thread, waits until a message in hand for it has been handled.
    void detach(const HandlerMessage *target);
    void clearMessages();
    // Ends the loop before its next fetch; still-queued messages are deleted undelivered.
    void exit();

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
