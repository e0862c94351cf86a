// Memory of a long frame sequence and the cost of playing it on screen.
#include "display/ImageObject.h"
#include "display/MediaObject.h"
#include "display/PolarSampling.h"
#include "ui/CustomTableModel.h"
#include "ui/MainWindow.h"

#include "ProcessStats.h"
#include "TestWorkDir.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTest>

#include <sys/resource.h>

namespace {

double cpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_utime.tv_sec + usage.ru_utime.tv_usec / 1e6 + usage.ru_stime.tv_sec
           + usage.ru_stime.tv_usec / 1e6;
}

QImage frame(int i)
{
    QImage picture(320, 240, QImage::Format_RGB32);
    picture.fill(QColor::fromHsv((i * 7) % 360, 200, 230));
    QPainter painter(&picture);
    painter.setBrush(Qt::white);
    painter.drawEllipse(QPoint(40 + i % 240, 120), 30, 30);
    return picture;
}

MediaObject *buildSequence(int frames)
{
    auto *media = new MediaObject(0, QStringLiteral("bench.gif"));
    for (int i = 0; i < frames; ++i) {
        auto *image = new ImageObject(i + 1, QString(), 10, ImageObject::GifFrame);
        PolarSampling::imageToLedData(frame(i), image);
        media->appendFrame(image);
    }
    return media;
}

// 2000 converted frames: their LED line data lives in buffer files, not in memory.
void BM_ResidentMemoryOf2000Frames(benchmark::State &state)
{
    TestWorkDir work;
    for (auto _ : state) {
        const long before = ProcessStats::residentKb();
        MediaObject *media = buildSequence(2000);
        const long after = ProcessStats::residentKb();
        qint64 inMemory = 0;
        for (ImageObject *image : media->frames())
            inMemory += image->memoryLedDataLength();
        state.counters["rss_growth_MB"] = (after - before) / 1024.0;
        state.counters["led_data_in_memory_bytes"] = double(inMemory);
        state.counters["led_data_on_disk_MB"] = 2000.0 * PolarSampling::minimumLength / (1024.0 * 1024.0);
        delete media;
    }
}
BENCHMARK(BM_ResidentMemoryOf2000Frames)->Iterations(1)->Unit(benchmark::kSecond);

// Share of one core used while a 100-frame sequence plays for five seconds.
void BM_PlaybackCpu(benchmark::State &state)
{
    TestWorkDir work;
    MainWindow window;
    window.addSequence(buildSequence(100));
    window.pressMediaWidget(window.sequenceModel()->index(0, 0));
    for (auto _ : state) {
        window.onBtnPlayClick();
        QElapsedTimer wall;
        wall.start();
        const double cpuBefore = cpuSeconds();
        QTest::qWait(5000);
        const double cpu = cpuSeconds() - cpuBefore;
        window.onBtnStopClick();
        state.counters["cpu_percent_of_one_core"] = 100.0 * cpu / (wall.elapsed() / 1000.0);
        state.counters["frames_shown"] = window.nextFrameIndex();
    }
}
BENCHMARK(BM_PlaybackCpu)->Iterations(1)->Unit(benchmark::kSecond);

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
