#include "import/PictureWorkers.h"

#include "display/ImageObject.h"
#include "display/PolarSampling.h"
#include "import/PictureLoader.h"

#include <QThread>

namespace {
constexpr double pictureDisplayTime = 5;
}

PictureWorkers::PictureWorkers(const QStringList &paths, int threadCount, const std::atomic<bool> &running,
                               QThread *pictureThread)
    : paths(paths), running(running), pictureThread(pictureThread), lookAhead(qMax(0, threadCount - 1)),
      results(size_t(paths.size()))
{
    const int started = qBound(0, threadCount, int(paths.size()));
    threads.reserve(size_t(started));
    for (int i = 0; i < started; ++i)
        threads.emplace_back([this] { work(); });
}

PictureWorkers::~PictureWorkers()
{
    {
        std::lock_guard<std::mutex> guard(lock);
        closing = true;
    }
    changed.notify_all();
    for (std::thread &thread : threads)
        thread.join();
    // results not taken go here, with their pictures and scratch files
}

PictureWorkers::Result PictureWorkers::take(int index)
{
    if (index < 0 || index >= int(paths.size()))
        return Result();
    if (threads.empty())
        return process(paths.at(index), running, pictureThread);

    std::unique_lock<std::mutex> guard(lock);
    nextToTake = index;
    changed.notify_all(); // room for the file asked for, should it not have been started yet
    changed.wait(guard, [&] { return results[size_t(index)] != nullptr; });
    Result result = std::move(*results[size_t(index)]);
    results[size_t(index)].reset();
    nextToTake = index + 1;
    changed.notify_all();
    return result;
}

void PictureWorkers::work()
{
    const int count = int(paths.size());
    std::unique_lock<std::mutex> guard(lock);
    for (;;) {
        // Stopped imports still get a (stopped) result per started file, so
        // a take() never waits for a file nobody will do.
        changed.wait(guard, [&] { return closing || nextToStart >= count || nextToStart <= nextToTake + lookAhead; });
        if (closing || nextToStart >= count)
            return;
        const int index = nextToStart++;
        guard.unlock();
        auto result = std::make_unique<Result>(process(paths.at(index), running, pictureThread));
        guard.lock();
        results[size_t(index)] = std::move(result);
        changed.notify_all();
    }
}

PictureWorkers::Result PictureWorkers::process(const QString &path, const std::atomic<bool> &running,
                                               QThread *pictureThread)
{
    Result result;
    result.path = path;
    result.stopped = true; // until the last step is done
    if (!running.load())
        return result;

    const PictureLoader loader(path);
    if (!loader.isLoaded()) {
        result.skipReason = loader.reason();
        result.stopped = false;
        return result;
    }
    result.preview = loader.preview();
    if (!running.load())
        return result;

    // The whole picture: the record's crop rectangle and thumbnail come from
    // it, and the conversion cuts the same centred square the preview shows.
    auto picture = std::make_unique<ImageObject>(0, loader.path(), pictureDisplayTime, ImageObject::PictureFile,
                                                 loader.picture());
    PolarSampling::imageToLedData(loader.picture(), picture.get());
    result.targetImg = picture->previewImage();
    if (!running.load())
        return result; // the picture and its scratch files go here
    if (pictureThread)
        picture->moveToThread(pictureThread); // it will live with the playlist
    result.picture = std::move(picture);
    result.stopped = false;
    return result;
}
