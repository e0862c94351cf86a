#include "TimingHandler.h"

#include "messaging/Message.h"

TimingHandler::TimingHandler(HandlerThread *loop) : HandlerMessage(loop)
{
}

void TimingHandler::expect(int count)
{
    expected = count;
    received = 0;
}

void TimingHandler::waitForBatch()
{
    batchDone.acquire();
}

void TimingHandler::handlerMessage(Message *msg)
{
    if (msg->obj)
        static_cast<Stamp *>(msg->obj)->delivered = Clock::now();
    if (++received == expected)
        batchDone.release();
}
