// Contrast on a photo-sized picture: the gain alone (OpenCV over the
// picture's pixels) and one whole adjustment as the looper runs it after the
// slider's 200 ms of quiet (gain, thumbnail, LED line data, scratch files).
#include "app/WorkDirectory.h"
#include "display/ImageObject.h"
#include "edit/ContrastAdjuster.h"

#include <QImage>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

QImage photo(int width, int height)
{
    QImage picture(width, height, QImage::Format_ARGB32);
    QRandomGenerator noise(7);
    for (int y = 0; y < height; ++y) {
        auto *row = reinterpret_cast<QRgb *>(picture.scanLine(y));
        for (int x = 0; x < width; ++x)
            row[x] = qRgb(x * 255 / width, y * 255 / height, int(noise.bounded(256)));
    }
    return picture;
}

void BM_GainOnly(benchmark::State &state)
{
    ImageObject image(1, QString(), 5, ImageObject::PictureFile);
    const ContrastAdjuster adjuster(&image, photo(int(state.range(0)), int(state.range(1))), nullptr);
    for (auto _ : state) {
        const QImage out = adjuster.adjusted(1.5f);
        benchmark::DoNotOptimize(out.constBits());
    }
}
BENCHMARK(BM_GainOnly)->Args({1920, 1080})->Args({4000, 3000})->Unit(benchmark::kMillisecond);

void BM_WholeAdjustment(benchmark::State &state)
{
    QTemporaryDir dir;
    if (!dir.isValid()) {
        state.SkipWithError("no temporary folder");
        return;
    }
    WorkDirectory::initPrivate(dir.path());
    ImageObject image(1, QString(), 5, ImageObject::PictureFile);
    ContrastAdjuster adjuster(&image, photo(int(state.range(0)), int(state.range(1))), nullptr);
    int value = 0;
    for (auto _ : state)
        adjuster.addImageContract(5 + (value++ % 10));
}
BENCHMARK(BM_WholeAdjustment)->Args({1920, 1080})->Args({4000, 3000})->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

BENCHMARK_MAIN();
