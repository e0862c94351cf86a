#pragma once

#include <QList>
#include <QMutex>
#include <QThread>
#include <QWaitCondition>

class Message;

// The looper: one thread, one queue ordered by due time, delivering each due
// message to its target handler. No lock is held while a handler runs.
class HandlerThread : public QThread
{
    Q_OBJECT
public:
    explicit HandlerThread(QObject *parent = nullptr);
    ~HandlerThread() override;

    // The process-wide looper, created and started on first use (UI thread only).
    static HandlerThread *instance();

    void enqueue(Message *msg);
    // Takes the head message if it is due (waitMs = 0); otherwise null with
    // waitMs = milliseconds until the head is due, or -1 for an empty queue.
    Message *next(int &waitMs);
    void removeMessages(int what);
    void clearMessages();
    void exit();

    int queuedCount() const;

protected:
    void run() override;

private:
    Message *nextLocked(int &waitMs);
    void clearLocked();

    bool quit = false;
    QWaitCondition wakeUp;
    mutable QMutex queueLock;
    QList<Message *> queue; // ascending when; equal when keeps send order
};
