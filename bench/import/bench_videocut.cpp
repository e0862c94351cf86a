// A 10-second stretch (10 s to 20 s) of a 25 fps H.264 clip cut into its 101
// frames and converted, as the video import does it with the crop untouched;
// 1280 x 720 and 1920 x 1080. The clips are made once with ffmpeg. Also the
// time a stop takes in the middle of a cut, and the middle snapshot.
#include "app/WorkDirectory.h"
#include "display/ImageObject.h"
#include "import/GifFrameCutter.h"
#include "import/VideoCutJob.h"
#include "import/VideoDecoder.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLoggingCategory>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <memory>

namespace {

QTemporaryDir &folder()
{
    static QTemporaryDir dir;
    return dir;
}

// A lively 30-second clip, so that the encoder and the decoder work as on real footage.
QString clip(int width, int height)
{
    const QString path = folder().filePath(QStringLiteral("clip_%1x%2.mp4").arg(width).arg(height));
    if (QFile::exists(path))
        return path;
    QProcess ffmpeg;
    ffmpeg.start(QStringLiteral("ffmpeg"),
                 {"-v", "error", "-y", "-nostdin", "-f", "lavfi", "-i",
                  QStringLiteral("testsrc2=s=%1x%2:r=25:d=30").arg(width).arg(height), "-c:v", "libx264",
                  "-preset", "fast", "-pix_fmt", "yuv420p", path});
    if (!ffmpeg.waitForFinished(600000) || ffmpeg.exitCode() != 0)
        return QString();
    return path;
}

void BM_CutStretch(benchmark::State &state)
{
    const QSize size(int(state.range(0)), int(state.range(1)));
    const QString path = clip(size.width(), size.height());
    if (path.isEmpty()) {
        state.SkipWithError("ffmpeg could not make the clip");
        return;
    }
    int frames = 0;
    for (auto _ : state) {
        VideoCutJob job(path, 10000, 20000, GifFrameCutter::forUntouchedDialog(size));
        job.start();
        job.waitForFinished();
        const QList<ImageObject *> made = job.takeFrames();
        frames = int(made.size());
        qDeleteAll(made);
    }
    state.counters["frames"] = frames;
    state.counters["frames_per_s"] = benchmark::Counter(double(frames) * double(state.iterations()),
                                                        benchmark::Counter::kIsRate);
}
BENCHMARK(BM_CutStretch)
    ->Args({1280, 720})
    ->Args({1920, 1080})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(1)
    ->Repetitions(5);

// From the stop call until every worker has ended and the frames are gone.
void BM_StopMidCut(benchmark::State &state)
{
    const QString path = clip(1280, 720);
    for (auto _ : state) {
        state.PauseTiming();
        auto job = std::make_unique<VideoCutJob>(path, 10000, 20000,
                                                 GifFrameCutter::forUntouchedDialog(QSize(1280, 720)));
        job->start();
        QThread::msleep(1500);
        state.ResumeTiming();
        job->stop();
        job.reset();
    }
}
BENCHMARK(BM_StopMidCut)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1)->Repetitions(5);

void BM_MiddleSnapshot(benchmark::State &state)
{
    const QString path = clip(1280, 720);
    for (auto _ : state) {
        QString error;
        VideoDecoder::Info info;
        VideoDecoder::probe(path, &info);
        const QImage frame = VideoDecoder::frameNear(path, info.lengthMs / 2, &error);
        benchmark::DoNotOptimize(frame.constBits());
    }
}
BENCHMARK(BM_MiddleSnapshot)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1)->Repetitions(5);

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QLoggingCategory::setFilterRules(QStringLiteral("rotavue.*.debug=false"));
    QTemporaryDir work;
    WorkDirectory::initPrivate(work.path());
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
