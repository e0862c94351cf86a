#pragma once

#include "messaging/HandlerMessage.h"

#include <QSemaphore>

#include <chrono>

// Counts deliveries for the benchmarks, stamps the delivery time of messages
// that carry a Stamp in obj, and wakes the sender once a batch has arrived.
class TimingHandler : public HandlerMessage
{
public:
    using Clock = std::chrono::steady_clock;
    struct Stamp
    {
        Clock::time_point due;
        Clock::time_point delivered;
    };

    explicit TimingHandler(HandlerThread *loop);

    // Call before sending a batch of count messages; the looper sees it
    // through the queue lock taken by the first send.
    void expect(int count);
    void waitForBatch();

    void handlerMessage(Message *msg) override;

private:
    QSemaphore batchDone;
    int expected = 0;
    int received = 0; // touched by the looper only while a batch is under way
};
