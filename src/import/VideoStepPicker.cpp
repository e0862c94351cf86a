#include "import/VideoStepPicker.h"

VideoStepPicker::VideoStepPicker(qint64 startMs, qint64 endMs)
    : startMs(startMs), count(endMs < startMs || startMs < 0 ? 0 : int((endMs - startMs) / stepMs) + 1)
{
}

QList<int> VideoStepPicker::take(qint64 frameTimeUs)
{
    QList<int> steps;
    if (frameTimeUs < lastFrameUs)
        return steps;
    lastFrameUs = frameTimeUs;
    while (next < count && stepTimeMs(next) * 1000 <= frameTimeUs)
        steps.append(next++);
    return steps;
}
