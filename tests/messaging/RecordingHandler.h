#pragma once

#include "messaging/HandlerMessage.h"

#include <QMutex>
#include <QStringList>

#include <functional>

// A handler that writes down what it receives, on the looper thread, and can
// run a test's own code for each message (to block, send or remove from inside).
class RecordingHandler : public HandlerMessage
{
public:
    using Hook = std::function<void(RecordingHandler *, Message *)>;

    explicit RecordingHandler(HandlerThread *loop);
    ~RecordingHandler() override;

    void setHook(Hook hook);
    void handlerMessage(Message *msg) override;

    // One entry per delivered message: its text, or its what-code when the text is empty.
    QStringList delivered() const;

    static QString label(const Message *msg);

private:
    mutable QMutex recordLock;
    QStringList log;
    Hook hook;
};
