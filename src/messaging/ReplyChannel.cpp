#include "messaging/ReplyChannel.h"

#include "messaging/Message.h"

#include <QMetaMethod>

ReplyChannel::ReplyChannel(QObject *parent) : QObject(parent)
{
    qRegisterMetaType<Message *>("Message*");
    connect(this, &ReplyChannel::posted, this, &ReplyChannel::deliver, Qt::QueuedConnection);
}

ReplyChannel::~ReplyChannel()
{
    QSet<Message *> left;
    {
        const std::lock_guard<std::mutex> locker(lock);
        left.swap(inFlight);
    }
    qDeleteAll(left);
}

void ReplyChannel::post(Message *msg)
{
    if (!msg)
        return;
    {
        const std::lock_guard<std::mutex> locker(lock);
        inFlight.insert(msg);
    }
    emit posted(msg);
}

int ReplyChannel::pendingCount() const
{
    const std::lock_guard<std::mutex> locker(lock);
    return int(inFlight.size());
}

void ReplyChannel::deliver(Message *msg)
{
    {
        const std::lock_guard<std::mutex> locker(lock);
        if (!inFlight.remove(msg))
            return; // not ours, or already freed
    }
    if (!isSignalConnected(QMetaMethod::fromSignal(&ReplyChannel::received))) {
        delete msg; // nobody to own it
        return;
    }
    emit received(msg);
}
