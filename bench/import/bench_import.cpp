// The two imports a user waits for, old pace and new side by side:
// - a GIF through its dialog, ticked by the old fixed 300 ms timer or paced by
//   the work (the crop dialog is answered at once);
// - twenty photos through the picture import's worker, converted on the
//   looper one after the other (0 threads, as before) or on 1 or 2 threads of
//   their own, handed over in order to a receiver that plays the dialog.
#include "app/WorkDirectory.h"
#include "display/ImageObject.h"
#include "edit/GetImgeLocationDialog.h"
#include "import/LoadGifDialog.h"
#include "import/LoadImagesHandler.h"
#include "messaging/HandlerThread.h"
#include "messaging/Message.h"
#include "messaging/WhatCodes.h"

#include "GifWriter.h"
#include "HandlerReceiver.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTimer>

#include "QuietDebug.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <map>
#include <memory>
#include <tuple>

namespace {

QTemporaryDir &workFolder()
{
    static QTemporaryDir dir;
    return dir;
}

// Bands that move from frame to frame, 200 colours: neither flat nor noise.
QImage gifFrame(const QSize &size, int frame)
{
    QImage picture(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y) {
        auto *row = reinterpret_cast<QRgb *>(picture.scanLine(y));
        for (int x = 0; x < size.width(); ++x) {
            const int band = (x / 6 + y / 9 + 3 * frame) % 200;
            row[x] = qRgb(band, 255 - band, (band * 7) % 256);
        }
    }
    return picture;
}

QString gifFile(int frames, const QSize &size)
{
    static std::map<std::tuple<int, int, int>, QString> made;
    const auto key = std::make_tuple(frames, size.width(), size.height());
    if (made.count(key))
        return made[key];
    GifWriter writer;
    for (int i = 0; i < frames; ++i)
        writer.addFrame(gifFrame(size, i));
    const QString path =
        workFolder().filePath(QStringLiteral("anim_%1_%2x%3.gif").arg(frames).arg(size.width()).arg(size.height()));
    if (!writer.save(path))
        return QString();
    made[key] = path;
    return path;
}

// Presses OK in every crop dialog as soon as it is shown.
class CropAnswerer : public QObject
{
protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Show)
            if (auto *crop = qobject_cast<GetImgeLocationDialog *>(watched))
                QTimer::singleShot(0, crop, &GetImgeLocationDialog::onBtnOk);
        return false;
    }
};

// range(0): tick in ms; range(1): frames; range(2) x range(3): frame size;
// range(4): converter threads.
void BM_GifImport(benchmark::State &state)
{
    const int tick = int(state.range(0));
    const int frames = int(state.range(1));
    const QString path = gifFile(frames, QSize(int(state.range(2)), int(state.range(3))));
    if (path.isEmpty()) {
        state.SkipWithError("cannot write the GIF");
        return;
    }
    CropAnswerer answerer;
    qApp->installEventFilter(&answerer);
    double totalMs = 0;
    for (auto _ : state) {
        QElapsedTimer clock;
        clock.start();
        LoadGifDialog dialog(path, nullptr, tick, int(state.range(4)));
        if (dialog.exec() != QDialog::Accepted || dialog.frameCount() != frames) {
            state.SkipWithError("the import did not finish");
            break;
        }
        totalMs += double(clock.nsecsElapsed()) / 1e6;
        state.PauseTiming();
        qDeleteAll(dialog.takeFrames()); // their scratch files too
        state.ResumeTiming();
    }
    qApp->removeEventFilter(&answerer);
    state.counters["ms_per_frame"] = totalMs / double(frames) / double(qMax<benchmark::IterationCount>(1, state.iterations()));
}
// The old fixed tick, the tick paced by the work with every frame converted
// on the dialog's thread (0 converter threads), and with 1 or 2 converters.
void gifImportArgs(benchmark::internal::Benchmark *bench)
{
    bench->ArgNames({"tick", "frames", "w", "h", "threads"});
    for (const auto &[frames, w, h] : {std::tuple{10, 450, 450}, std::tuple{100, 450, 450}, std::tuple{300, 800, 600}}) {
        if (frames == 10)
            bench->Args({LoadGifDialog::fixedTickMs, frames, w, h, 0});
        for (int threads = 0; threads <= 2; ++threads)
            bench->Args({LoadGifDialog::pacedByWork, frames, w, h, threads});
    }
}
BENCHMARK(BM_GifImport)->Apply(gifImportArgs)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);

// Smooth gradients with noise, saved as JPEG: what a camera gives.
QStringList photoFiles(int count)
{
    static QStringList made;
    if (made.size() >= count)
        return made.mid(0, count);
    QImage picture(1920, 1080, QImage::Format_RGB32);
    QRandomGenerator noise(20240611);
    for (int i = int(made.size()); i < count; ++i) {
        for (int y = 0; y < picture.height(); ++y) {
            auto *row = reinterpret_cast<QRgb *>(picture.scanLine(y));
            for (int x = 0; x < picture.width(); ++x) {
                const int jitter = int(noise.bounded(24)) - 12;
                const int r = (x * 255) / 1920 + jitter;
                const int g = int(127 + 120 * std::sin(0.006 * y + 0.003 * x + i)) + jitter;
                const int b = ((1080 - y) * 255) / 1080 + jitter;
                row[x] = qRgb(qBound(0, r, 255), qBound(0, g, 255), qBound(0, b, 255));
            }
        }
        const QString path = workFolder().filePath(QStringLiteral("photo%1.jpg").arg(i + 1));
        if (!picture.save(path, "JPEG", 90))
            return {};
        made.append(path);
    }
    return made;
}

// Plays the dialog: takes each picture handed over, ends the loop after the last.
class Receiver : public HandlerReceiver
{
public:
    Receiver(LoadImagesHandler *handler, int count) : HandlerReceiver(handler), count(count) {}
    QList<ImageObject *> pictures;
    QEventLoop loop;

    void handlerMessage(Message *msg) override
    {
        const std::unique_lock<std::mutex> lock = handler->lockReport();
        if (msg->what != WhatCode::ImageReady)
            return;
        if (msg->image) {
            pictures.append(msg->image);
            msg->image = nullptr;
        }
        if (++handedOver == count)
            QTimer::singleShot(0, &loop, &QEventLoop::quit);
    }

private:
    int count;
    int handedOver = 0;
};

// range(0): threads that decode and convert (0: the looper itself, as before).
void BM_PictureImport(benchmark::State &state)
{
    const QStringList files = photoFiles(20);
    if (files.size() != 20) {
        state.SkipWithError("cannot write the photos");
        return;
    }
    for (auto _ : state) {
        auto *handler = new LoadImagesHandler(HandlerThread::instance(), files, int(state.range(0)));
        Receiver receiver(handler, int(files.size()));
        handler->start();
        receiver.loop.exec();
        state.PauseTiming();
        const int taken = int(receiver.pictures.size());
        qDeleteAll(receiver.pictures);
        receiver.release();
        state.ResumeTiming();
        if (taken != files.size()) {
            state.SkipWithError("not every picture was handed over");
            break;
        }
    }
}
BENCHMARK(BM_PictureImport)->ArgName("threads")->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

int main(int argc, char **argv)
{
    qInstallMessageHandler(quietDebug);
    qputenv("QT_QPA_PLATFORM", "offscreen"); // the dialogs need no screen
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    if (!workFolder().isValid())
        return 1;
    WorkDirectory::initPrivate(workFolder().path());
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

