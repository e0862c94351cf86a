#include "messaging/Message.h"

#include "messaging/MessagingLog.h"

#include <chrono>

Message::Message(HandlerMessage *target, int what)
    : target(target), when(nowMs()), what(what)
{
}

Message::~Message()
{
    if (dispose)
        dispose(obj);
}

qint64 Message::nowMs()
{
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

void *Message::checkedObj(int expected) const
{
    if (what == expected)
        return obj;
    qCWarning(lcMessaging).nospace() << "#Message# payload of what " << expected << " asked of a message of what "
                                     << what;
    return nullptr;
}

void *Message::releaseObj(int expected)
{
    void *taken = checkedObj(expected);
    if (!taken || !dispose)
        return nullptr;
    dispose = nullptr;
    obj = nullptr;
    return taken;
}
