#include "messaging/Message.h"

#include <chrono>

Message::Message(HandlerMessage *target, int what)
    : target(target), when(nowMs()), what(what)
{
}

qint64 Message::nowMs()
{
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}
