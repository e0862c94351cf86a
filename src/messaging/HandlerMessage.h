#pragma once

#include <QMutex>
#include <QObject>
#include <QPointer>

class HandlerThread;
class Message;

// Receives messages on the looper thread. Subclasses override handlerMessage();
// the handler object itself stays on the thread that created it. A subclass
// that reports to a window declares the signal handlerMessageReady(Message*)
// (the name handlerMessage is taken by the virtual below).
class HandlerMessage : public QObject
{
    Q_OBJECT
public:
    explicit HandlerMessage(HandlerThread *loop, QObject *parent = nullptr);
    ~HandlerMessage() override; // detachFromLooper()

    // Runs on the looper thread. The message belongs to the looper and is
    // deleted when this returns: do not keep, requeue or pass it on.
    virtual void handlerMessage(Message *msg);

    // Ownership of msg passes to the looper (or it is deleted when refused).
    void sendHandlerMessage(Message *msg);
    // Due at the current time plus delayMs.
    void sendHandlerMessageDelayed(Message *msg, int delayMs);
    void sendEmptyHandlerMessage(int what, int delayMs = 0);
    // Removes every queued message with this code, also those of other handlers.
    void removeHandlerMessages(int what);

    HandlerThread *looper() const;

protected:
    // Deletes this handler's queued messages and waits for one in hand. A
    // subclass whose messages may be under way when it dies calls this first
    // in its destructor, before its own members go. Never call it while the
    // handler's delivery waits for the calling thread.
    void detachFromLooper();

private:
    QPointer<HandlerThread> loop; // not owned; null once the looper is gone
    QMutex lock; // taken before the looper's queue lock, never after
};
