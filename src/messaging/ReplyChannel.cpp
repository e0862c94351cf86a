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
    QList<Message *> left;
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
        inFlight.append(msg);
    }
    emit posted();
}

int ReplyChannel::pendingCount() const
{
    const std::lock_guard<std::mutex> locker(lock);
    return int(inFlight.size());
}

void ReplyChannel::deliver()
{
    Message *msg = nullptr;
    {
        const std::lock_guard<std::mutex> locker(lock);
        if (inFlight.isEmpty())
            return;
        msg = inFlight.takeFirst();
    }
    if (!isSignalConnected(QMetaMethod::fromSignal(&ReplyChannel::received))) {
        delete msg; // nobody to own it
        return;
    }
    emit received(msg);
}
