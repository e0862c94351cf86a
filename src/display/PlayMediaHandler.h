#pragma once

#include "card/CardWriter.h"
#include "messaging/HandlerMessage.h"
#include "messaging/ReplyChannel.h"

#include <atomic>
#include <memory>

class CardReadJob;

// The main window's handler on the shared looper: carries the playback ticks
// and the press-and-hold steps back to the window, and runs its background jobs.
class PlayMediaHandler : public HandlerMessage
{
    Q_OBJECT
public:
    // UI thread.
    explicit PlayMediaHandler(HandlerThread *loop, QObject *parent = nullptr);
    // UI thread. Stops a download before its next block, waits for the job in
    // hand and frees the replies the window has not received yet.
    ~PlayMediaHandler() override;

    // Looper thread.
    void handlerMessage(Message *msg) override;

    // UI thread: clear before sending a download, set to stop it before its next block.
    void setDownloadCancelled(bool cancelled) { downloadCancel.store(cancelled); }
    // The writer used for downloads; tests replace its free-space query.
    CardWriter &cardWriter() { return writer; }
    // Any thread: replies on their way to the window.
    int pendingReplies() const { return replies.pendingCount(); }
    // UI thread, in the slots of previewUsbOver(), restoreFactoryOver() and
    // openCardOver(): the finished read with its records, now the caller's.
    std::unique_ptr<CardReadJob> takeFinishedRead();

signals:
    // UI thread. A new message for the window's handlerMessage slot, which then owns it.
    void handlerMessageReady(Message *msg);
    // UI thread. A read of what 14, 15 or 20 has ended; takeFinishedRead() has it.
    void previewUsbOver();
    void restoreFactoryOver();
    void openCardOver();

private:
    void echo(const Message *msg);
    void download(Message *msg);
    void readCard(Message *msg);
    // UI thread: hands a reply on to the window.
    void deliver(Message *msg);

    CardWriter writer;
    ReplyChannel replies;
    std::atomic<bool> downloadCancel{false};
    std::unique_ptr<CardReadJob> finishedRead; // UI thread
};
