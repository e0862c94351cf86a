#pragma once

#include "import/GifFrameCutter.h"

#include <QThread>

#include <atomic>

class VideoCutJob;

// Takes picked frames from the job's queue, cuts each onto the black 450 x 450
// canvas as the crop dialog placed it, and converts it to LED line data.
class GetImageDataThread : public QThread
{
    Q_OBJECT
public:
    explicit GetImageDataThread(VideoCutJob *job);
    ~GetImageDataThread() override;

    // Any thread: checked before each frame.
    void stopRunning() { running.store(false); }
    bool isDone() const { return done.load(); }

signals:
    // true when the queue ran dry after the cut finished, false when stopped.
    void signalCutMediaOver(bool ret);

protected:
    void run() override;

private:
    VideoCutJob *job;
    const GifFrameCutter cutter; // a private copy, taken at creation
    std::atomic<bool> running{true};
    std::atomic<bool> done{false};
};
