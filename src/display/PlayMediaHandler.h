#pragma once

#include "messaging/HandlerMessage.h"

// The main window's handler on the shared looper: carries the playback ticks
// and the press-and-hold steps back to the window, and runs its background jobs.
class PlayMediaHandler : public HandlerMessage
{
    Q_OBJECT
public:
    explicit PlayMediaHandler(HandlerThread *loop, QObject *parent = nullptr);

    void handlerMessage(Message *msg) override;

signals:
    // A new message for the window's handlerMessage slot, which then owns it.
    void handlerMessageReady(Message *msg);
    void previewUsbOver();
    void restoreFactoryOver();

private:
    void echo(const Message *msg);
};
