#pragma once

#include <QThread>

#include <atomic>

class VideoCutJob;

// Decodes the job's clip once, in order, and queues for every 100 ms step the
// first frame at or after the step's time, with that frame's own time.
class CutImageThread : public QThread
{
    Q_OBJECT
public:
    explicit CutImageThread(VideoCutJob *job);
    ~CutImageThread() override;

    // Any thread: the run ends within about 10 ms plus libVLC's stop.
    void stopRunning() { running.store(false); }

signals:
    void signalCurrentCutPos(qint64 pos);

protected:
    void run() override;

private:
    VideoCutJob *job;
    std::atomic<bool> running{true};
};
