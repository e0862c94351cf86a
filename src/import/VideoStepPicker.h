#pragma once

#include <QList>
#include <QtGlobal>

// Chooses, for every 100 ms step of a stretch, the first decoded frame whose
// time is at or after the step's time. Frames arrive in time order; times are
// in microseconds so that no rounding moves a frame across a step.
class VideoStepPicker
{
public:
    static constexpr qint64 stepMs = 100;

    VideoStepPicker(qint64 startMs, qint64 endMs);

    // Steps of the stretch: start, start + 100, ... up to and including end;
    // none when end lies before start.
    int stepCount() const { return count; }
    qint64 stepTimeMs(int step) const { return startMs + step * stepMs; }

    // The steps (0-based) that this frame answers; empty when it comes before
    // the next step or after the last. A frame older than the last one is ignored.
    QList<int> take(qint64 frameTimeUs);
    // Whether take() would answer a step with a frame of this time.
    bool wants(qint64 frameTimeUs) const { return next < count && stepTimeMs(next) * 1000 <= frameTimeUs; }
    // Every step has its frame: nothing later is needed.
    bool isComplete() const { return next >= count; }
    // The time up to which frames are still needed.
    qint64 lastStepMs() const { return stepTimeMs(count - 1); }

private:
    qint64 startMs;
    int count;
    int next = 0;
    qint64 lastFrameUs = -1;
};
