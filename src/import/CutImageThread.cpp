#include "import/CutImageThread.h"

#include "import/VideoCutJob.h"
#include "import/VideoDecoder.h"
#include "import/VideoLog.h"
#include "import/VideoStepPicker.h"

CutImageThread::CutImageThread(VideoCutJob *job) : job(job)
{
}

CutImageThread::~CutImageThread()
{
    qCDebug(lcVideo) << "~CutImageThread";
    stopRunning();
    wait();
    qCDebug(lcVideo) << "~CutImageThread over!";
}

void CutImageThread::run()
{
    VideoStepPicker picker(job->startMs(), job->endMs());
    qCDebug(lcVideo).nospace() << "start time " << job->startMs() << ", end time " << job->endMs() << ", steps = "
                               << picker.stepCount();
    QString error;
    VideoDecoder::Info info;
    if (picker.stepCount() > 0 && running.load())
        error = VideoDecoder::probe(job->videoPath(), &info);
    if (error.isEmpty() && picker.stepCount() > 0 && running.load()) {
        qCDebug(lcVideo) << "fps =" << info.fps;
        error = VideoDecoder::decode(
            job->videoPath(), picker.lastStepMs(), info.fps, [&](qint64 timeUs) { return picker.wants(timeUs); },
            [&](const QImage &frame, qint64 timeUs) {
                const QList<int> steps = picker.take(timeUs);
                for (int step : steps) {
                    // A frame longer than a step answers each step it covers.
                    if (!running.load() || !job->addTempImageObj({step + 1, timeUs, frame.copy()}))
                        return false;
                    emit signalCurrentCutPos(timeUs / 1000);
                }
                return running.load() && !picker.isComplete();
            },
            running);
    }
    job->setCutFinished(running.load() ? error : QString());
}
