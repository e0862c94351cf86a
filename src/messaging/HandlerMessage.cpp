#include "messaging/HandlerMessage.h"

#include "messaging/HandlerThread.h"
#include "messaging/Message.h"
#include "messaging/MessagingLog.h"

#include <QMutexLocker>

HandlerMessage::HandlerMessage(HandlerThread *loop, QObject *parent)
    : QObject(parent), loop(loop)
{
}

HandlerMessage::~HandlerMessage()
{
    detachFromLooper();
}

void HandlerMessage::detachFromLooper()
{
    // A message left queued, or still in hand, for a dead handler would be
    // delivered to freed memory. Not under our lock: the delivery we wait for
    // may be sending.
    if (HandlerThread *looper = loop.data())
        looper->detach(this);
}

Message *HandlerMessage::obtainMessage(int what, void *obj, const QString &text)
{
    auto *msg = new Message(this, what);
    msg->obj = obj;
    msg->text = text;
    return msg;
}

void HandlerMessage::adopt(Message *msg, void (*dispose)(void *))
{
    msg->dispose = dispose;
}

void HandlerMessage::handlerMessage(Message *)
{
}

void HandlerMessage::sendHandlerMessage(Message *msg)
{
    HandlerThread *looper = loop.data();
    if (!looper) {
        qCDebug(lcMessaging, "#Handler# sendHandlerMessage() loop is NULL!");
        delete msg; // a refused message is freed here, so callers never leak it
        return;
    }
    QMutexLocker locker(&lock);
    looper->enqueue(msg);
}

void HandlerMessage::sendHandlerMessageDelayed(Message *msg, int delayMs)
{
    if (msg)
        msg->when = Message::nowMs() + delayMs;
    sendHandlerMessage(msg);
}

void HandlerMessage::sendEmptyHandlerMessage(int what, int delayMs)
{
    sendHandlerMessageDelayed(obtainMessage(what), delayMs);
}

void HandlerMessage::removeHandlerMessages(int what)
{
    HandlerThread *looper = loop.data();
    if (!looper)
        return;
    QMutexLocker locker(&lock);
    looper->removeMessages(what);
}

HandlerThread *HandlerMessage::looper() const
{
    return loop.data();
}
