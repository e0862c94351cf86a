#pragma once

#include "messaging/HandlerMessage.h"

#include <QMutex>

#include <atomic>

class HandlerThread;
class VideoPreviewPlayer;

// The video import's handler on the shared looper: waits for the player to
// play (what-code 5) and moves it for the preview (what-code 17). Each wait
// is a message posted again 200 ms later, so the looper is never held.
class LoadMediaHandler : public HandlerMessage
{
    Q_OBJECT
public:
    static constexpr int pollMs = 200;
    static constexpr int maxPolls = 100; // about 20 s

    // UI thread. The handler lives on the UI thread; its messages run on loop.
    explicit LoadMediaHandler(HandlerThread *loop, QObject *parent = nullptr);
    // Removes its pending messages and waits for the one in hand.
    ~LoadMediaHandler() override;

    // UI thread. The player the messages act on (null: none); returns once the
    // looper no longer uses the previous one, which the caller may then delete.
    void setPlayer(VideoPreviewPlayer *player);
    // Any thread. While set, preview seeks are refused.
    void setCutting(bool cutting) { cuttingNow.store(cutting); }

    // UI thread. Starts waiting for the player (what-code 5).
    void waitForPlayer();
    // UI thread. Replaces any pending preview seek by one to this second, 200 ms from now (what-code 17).
    void seekPreview(int second);

    // Looper thread.
    void handlerMessage(Message *msg) override;

signals:
    void vlcOpenFileError();
    void vlcPlaying();

private:
    QMutex playerLock; // guards player while a message uses it
    VideoPreviewPlayer *player = nullptr;
    std::atomic<bool> running{true};
    std::atomic<bool> cuttingNow{false};
};
