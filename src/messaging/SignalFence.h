#pragma once

#include <mutex>

// Makes a queued signal's hand-over from a worker thread visible to the
// thread sanitizer. Qt orders the emit before the receiver's slot with its own
// locks, which Debian's Qt does not show to the sanitizer; the one lock here
// does. The sender emits while holding emitting(); the receiver's event()
// passes received() before Qt reads the event. Costs one uncontended lock.
// Not for blocking connections: the receiver would wait for the blocked sender.
class SignalFence
{
public:
    std::unique_lock<std::mutex> emitting() { return std::unique_lock<std::mutex>(lock); }
    void received() { const std::lock_guard<std::mutex> pass(lock); }

private:
    std::mutex lock;
};
