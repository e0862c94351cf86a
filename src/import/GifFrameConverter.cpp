#include "import/GifFrameConverter.h"

#include "display/PolarSampling.h"
#include "display/ScratchPng.h"

namespace {

// A frame's canvas, and so its preview, is opaque by construction (drawn on
// black): stored as RGB it deflates a quarter less data. The view shares the
// pixels and must not outlive the picture.
QImage opaqueView(const QImage &picture)
{
    if (picture.format() != QImage::Format_ARGB32)
        return picture;
    return QImage(picture.constBits(), picture.width(), picture.height(), picture.bytesPerLine(),
                  QImage::Format_RGB32);
}

} // namespace

GifFrameConverter::GifFrameConverter(int ledCount, int lineCount, int threadCount, int limit, QObject *parent)
    : QObject(parent), ledCount(ledCount), lineCount(lineCount), limit(qMax(1, limit))
{
    for (int i = 0; i < threadCount; ++i)
        threads.emplace_back([this] { work(); });
}

GifFrameConverter::~GifFrameConverter()
{
    stop();
    for (std::thread &thread : threads)
        thread.join();
}

bool GifFrameConverter::isFull() const
{
    return submitted - taken >= limit;
}

bool GifFrameConverter::isIdle() const
{
    return submitted == taken;
}

void GifFrameConverter::submit(const QImage &canvas, int number)
{
    const int sequence = submitted++;
    std::lock_guard<std::mutex> locker(lock);
    if (closing)
        return;
    if (threads.empty()) {
        done.emplace(sequence, convert(canvas, number, ledCount, lineCount));
        return;
    }
    jobs.push_back(Job{sequence, number, canvas});
    queued.notify_one();
}

bool GifFrameConverter::hasNext() const
{
    std::lock_guard<std::mutex> locker(lock);
    return done.count(taken) != 0;
}

GifFrameConverter::Frame GifFrameConverter::takeNext()
{
    std::lock_guard<std::mutex> locker(lock);
    const auto next = done.find(taken);
    if (next == done.end())
        return Frame();
    Frame frame = std::move(next->second);
    done.erase(next);
    ++taken;
    return frame;
}

void GifFrameConverter::stop()
{
    std::lock_guard<std::mutex> locker(lock);
    closing = true;
    jobs.clear();
    done.clear();
    queued.notify_all();
}

GifFrameConverter::Frame GifFrameConverter::convert(const QImage &canvas, int number, int ledCount, int lineCount)
{
    Frame frame;
    frame.number = number;
    frame.canvas = canvas;
    frame.canvasPng = ScratchPng::encode(opaqueView(canvas));
    const PolarSampling::Conversion converted = PolarSampling::convert(canvas, ledCount, lineCount);
    frame.ledData = converted.ledData;
    frame.previewPng = ScratchPng::encode(opaqueView(converted.preview));
    return frame;
}

void GifFrameConverter::work()
{
    std::unique_lock<std::mutex> locker(lock);
    for (;;) {
        queued.wait(locker, [this] { return closing || !jobs.empty(); });
        if (closing)
            return;
        Job job = std::move(jobs.front());
        jobs.pop_front();
        locker.unlock();
        Frame frame = convert(job.canvas, job.number, ledCount, lineCount);
        job.canvas = QImage();
        locker.lock();
        if (closing)
            return; // dropped with the rest
        done.emplace(job.sequence, std::move(frame));
        locker.unlock();
        emit frameReady();
        locker.lock();
    }
}
