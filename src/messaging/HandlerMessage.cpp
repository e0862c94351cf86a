#include "messaging/HandlerMessage.h"

#include "messaging/HandlerThread.h"
#include "messaging/Message.h"

#include <QDebug>
#include <QMutexLocker>

HandlerMessage::HandlerMessage(HandlerThread *loop, QObject *parent)
    : QObject(parent), loop(loop)
{
}

void HandlerMessage::handlerMessage(Message *)
{
}

void HandlerMessage::sendHandlerMessage(Message *msg)
{
    if (!loop) {
        qDebug("#Handler# sendHandlerMessage() loop is NULL!");
        delete msg; // a refused message is freed here, so callers never leak it
        return;
    }
    QMutexLocker locker(&lock);
    loop->enqueue(msg);
}

void HandlerMessage::sendHandlerMessageDelayed(Message *msg, int delayMs)
{
    if (msg)
        msg->when = Message::nowMs() + delayMs;
    sendHandlerMessage(msg);
}

void HandlerMessage::sendEmptyHandlerMessage(int what, int delayMs)
{
    sendHandlerMessageDelayed(new Message(this, what), delayMs);
}

void HandlerMessage::removeHandlerMessages(int what)
{
    if (!loop)
        return;
    QMutexLocker locker(&lock);
    loop->removeMessages(what);
}
