#pragma once

#include <QMutex>
#include <QObject>

class HandlerThread;
class Message;

// Receives messages on the looper thread. Subclasses override handlerMessage();
// the handler object itself stays on the thread that created it.
class HandlerMessage : public QObject
{
    Q_OBJECT
public:
    explicit HandlerMessage(HandlerThread *loop, QObject *parent = nullptr);

    // Runs on the looper thread. The message belongs to the looper and is
    // deleted when this returns: do not keep, requeue or pass it on.
    virtual void handlerMessage(Message *msg);

    // Ownership of msg passes to the looper (or it is deleted when refused).
    void sendHandlerMessage(Message *msg);
    void sendHandlerMessageDelayed(Message *msg, int delayMs);
    void sendEmptyHandlerMessage(int what, int delayMs = 0);
    void removeHandlerMessages(int what);

    HandlerThread *looper() const { return loop; }

private:
    HandlerThread *loop;
    QMutex lock; // taken before the looper's queue lock, never after
};
