#include "RecordingHandler.h"

#include "messaging/Message.h"

#include <QMutexLocker>

RecordingHandler::RecordingHandler(HandlerThread *loop) : HandlerMessage(loop)
{
}

RecordingHandler::~RecordingHandler()
{
    detachFromLooper(); // the hook may still be running on the looper
}

void RecordingHandler::setHook(Hook h)
{
    QMutexLocker locker(&recordLock);
    hook = std::move(h);
}

void RecordingHandler::handlerMessage(Message *msg)
{
    Hook current;
    {
        QMutexLocker locker(&recordLock);
        log.append(label(msg));
        current = hook;
    }
    // Outside the lock: the hook may block or call back into this handler.
    if (current)
        current(this, msg);
}

QStringList RecordingHandler::delivered() const
{
    QMutexLocker locker(&recordLock);
    // A fresh list, not a shared copy: the looper keeps appending to log, and
    // the detach check of an implicitly shared list is not a synchronising read.
    return QStringList(log.cbegin(), log.cend());
}

QString RecordingHandler::label(const Message *msg)
{
    return msg->text.isEmpty() ? QString::number(msg->what) : msg->text;
}
