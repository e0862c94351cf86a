#pragma once

#include <QMutex>
#include <QObject>
#include <QPointer>
#include <QString>

#include <memory>

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

    // Any thread. The one way to make a message: a new message for this
    // handler, due now. The caller owns it until it is sent.
    Message *obtainMessage(int what, void *obj = nullptr, const QString &text = QString());
    // The same with a payload the message owns: it is freed with the message
    // (delivered, removed or refused alike) unless taken out with takePayload().
    template<typename T>
    Message *obtainMessage(int what, std::unique_ptr<T> payload, const QString &text = QString())
    {
        Message *msg = obtainMessage(what, payload.get(), text);
        adopt(msg, [](void *obj) { delete static_cast<T *>(obj); });
        payload.release();
        return msg;
    }

    // Looper thread only, called by the looper. The message belongs to the
    // looper and is deleted when this returns: do not keep, requeue or pass it on.
    virtual void handlerMessage(Message *msg);

    // Any thread. Ownership of msg passes to the looper; a message that
    // cannot be queued (no looper, or the looper has exited) is deleted here.
    void sendHandlerMessage(Message *msg);
    // Any thread. Due at the current time plus delayMs; ownership as above.
    void sendHandlerMessageDelayed(Message *msg, int delayMs);
    // Any thread. Sends a new message of this code, without payload.
    void sendEmptyHandlerMessage(int what, int delayMs = 0);
    // Any thread. Deletes every queued message with this code, also those of
    // other handlers. A message already handed on is not reached.
    void removeHandlerMessages(int what);

    HandlerThread *looper() const;

protected:
    // Deletes this handler's queued messages and waits for one in hand. A
    // subclass whose messages may be under way when it dies calls this first
    // in its destructor, before its own members go. Never call it while the
    // handler's delivery waits for the calling thread.
    void detachFromLooper();

private:
    static void adopt(Message *msg, void (*dispose)(void *));

    QPointer<HandlerThread> loop; // not owned; null once the looper is gone
    QMutex lock; // taken before the looper's queue lock, never after
};
