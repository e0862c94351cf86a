#include "import/GetImageDataThread.h"

#include "display/ImageObject.h"
#include "display/PolarSampling.h"
#include "import/VideoCutJob.h"
#include "import/VideoLog.h"

namespace {
constexpr double frameDisplayTime = 10;
}

GetImageDataThread::GetImageDataThread(VideoCutJob *job) : job(job), cutter(job->geometry())
{
}

GetImageDataThread::~GetImageDataThread()
{
    qCDebug(lcVideo) << "~GetImageDataThread";
    stopRunning();
    wait();
    qCDebug(lcVideo) << "~GetImageDataThread over!";
}

void GetImageDataThread::run()
{
    VideoCutJob::Pick pick;
    while (running.load()) {
        if (!job->getTempImageObj(&pick)) {
            const bool ran = running.load();
            done.store(true);
            emit signalCutMediaOver(ran);
            return;
        }
        const QImage canvas = cutter.cut(pick.picture);
        pick.picture = QImage();
        if (canvas.isNull() || !running.load())
            continue; // out of memory: that step gives no frame
        auto *frame = new ImageObject(pick.index, QString(), frameDisplayTime, ImageObject::VideoFrame, canvas);
        frame->setCaptureTime(float(pick.timeUs / 1000.0));
        PolarSampling::imageToLedData(canvas, frame);
        job->addImage(frame);
    }
    done.store(true);
    emit signalCutMediaOver(false);
}
