#pragma once

#include "card/CardWriter.h"
#include "messaging/HandlerMessage.h"
#include "messaging/SignalFence.h"

#include <atomic>

// The main window's handler on the shared looper: carries the playback ticks
// and the press-and-hold steps back to the window, and runs its background jobs.
class PlayMediaHandler : public HandlerMessage
{
    Q_OBJECT
public:
    explicit PlayMediaHandler(HandlerThread *loop, QObject *parent = nullptr);
    // Stops a download before its next block and waits for the job in hand.
    ~PlayMediaHandler() override;

    void handlerMessage(Message *msg) override;

    // UI thread: clear before sending a download, set to stop it before its next block.
    void setDownloadCancelled(bool cancelled) { downloadCancel.store(cancelled); }
    // The writer used for downloads; tests replace its free-space query.
    CardWriter &cardWriter() { return writer; }
    // Every report leaves under this fence; the window passes it in event().
    SignalFence &reportFence() { return fence; }

signals:
    // A new message for the window's handlerMessage slot, which then owns it.
    void handlerMessageReady(Message *msg);
    void previewUsbOver();
    void restoreFactoryOver();

private:
    void echo(const Message *msg);
    void download(const Message *msg);
    void report(Message *reply);

    CardWriter writer;
    SignalFence fence;
    std::atomic<bool> downloadCancel{false};
};
