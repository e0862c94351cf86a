// Conversion of a decoded photo into LED line data, with and without the
// preview picture, and one whole picture import step through the scratch files.
#include "app/WorkDirectory.h"
#include "display/ImageObject.h"
#include "display/PolarSampling.h"
#include "display/PreviewDots.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include "QuietDebug.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <memory>

namespace {

constexpr int photoWidth = 1920;
constexpr int photoHeight = 1080;

// Smooth colour gradients with sensor-like noise, so that encoders and the
// sampler see something like a real photo rather than flat colour.
QImage photoLikePicture()
{
    QImage picture(photoWidth, photoHeight, QImage::Format_RGB32);
    QRandomGenerator noise(20240611);
    for (int y = 0; y < photoHeight; ++y) {
        auto *row = reinterpret_cast<QRgb *>(picture.scanLine(y));
        for (int x = 0; x < photoWidth; ++x) {
            const double u = double(x) / photoWidth;
            const double v = double(y) / photoHeight;
            const int jitter = int(noise.bounded(24)) - 12;
            const int r = int(255 * u) + jitter;
            const int g = int(127 + 120 * std::sin(6.0 * v + 3.0 * u)) + jitter;
            const int b = int(255 * (1.0 - v) * (0.5 + 0.5 * u)) + jitter;
            row[x] = qRgb(qBound(0, r, 255), qBound(0, g, 255), qBound(0, b, 255));
        }
    }
    return picture;
}

const QImage &decodedPhoto()
{
    static const QImage photo = photoLikePicture();
    return photo;
}

void BM_ConvertWithoutPreview(benchmark::State &state)
{
    const QImage &photo = decodedPhoto();
    for (auto _ : state) {
        QByteArray data = PolarSampling::ledDataOf(photo, 112, 450);
        benchmark::DoNotOptimize(data.data());
    }
}
BENCHMARK(BM_ConvertWithoutPreview)->Unit(benchmark::kMillisecond);

void BM_ConvertWithPreview(benchmark::State &state)
{
    const QImage &photo = decodedPhoto();
    for (auto _ : state) {
        const QImage working = PolarSampling::workingSquare(photo);
        QImage preview = PreviewDots::blackCanvas(PolarSampling::workingSize);
        QByteArray data = PolarSampling::sampleWorkingSquare(working, *PolarSampling::geometry(112, 450), &preview);
        benchmark::DoNotOptimize(data.data());
        benchmark::DoNotOptimize(preview.constBits());
    }
}
BENCHMARK(BM_ConvertWithPreview)->Unit(benchmark::kMillisecond);

// One picture of a picture import: decode, make the record (its thumbnail
// PNG), convert (preview PNG and buffer file), and delete the record again so
// the disk does not fill up. With range(0) == 1 the record reads the file a
// second time for its thumbnail, as the path-only constructor does.
void importStep(benchmark::State &state, const char *format)
{
    QTemporaryDir dir;
    if (!dir.isValid()) {
        state.SkipWithError("no temporary folder");
        return;
    }
    WorkDirectory::initPrivate(dir.path());
    const QString path = dir.filePath(QStringLiteral("photo.") + QLatin1String(format));
    if (!decodedPhoto().save(path, format)) {
        state.SkipWithError("cannot write the input picture");
        return;
    }
    const bool decodeTwice = state.range(0) == 1;
    for (auto _ : state) {
        const QImage picture(path);
        auto record = decodeTwice ? std::make_unique<ImageObject>(0, path, 5.0, ImageObject::PictureFile)
                                  : std::make_unique<ImageObject>(0, path, 5.0, ImageObject::PictureFile, picture);
        PolarSampling::imageToLedData(picture, record.get());
        if (record->memoryLedDataLength() != 0 || !QFileInfo::exists(record->bufferPath())) {
            state.SkipWithError("buffer file not written");
            return;
        }
    }
}

void BM_ImportStepJpeg(benchmark::State &state) { importStep(state, "jpg"); }
void BM_ImportStepPng(benchmark::State &state) { importStep(state, "png"); }
BENCHMARK(BM_ImportStepJpeg)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ImportStepPng)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();

// The parts of an import step that are not ours: decoding the source file.
void decodeOnly(benchmark::State &state, const char *format)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("photo.") + QLatin1String(format));
    if (!dir.isValid() || !decodedPhoto().save(path, format)) {
        state.SkipWithError("cannot write the input picture");
        return;
    }
    for (auto _ : state) {
        QImage picture(path);
        benchmark::DoNotOptimize(picture.constBits());
    }
}

void BM_DecodeJpeg(benchmark::State &state) { decodeOnly(state, "jpg"); }
void BM_DecodePng(benchmark::State &state) { decodeOnly(state, "png"); }
BENCHMARK(BM_DecodeJpeg)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_DecodePng)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

int main(int argc, char **argv)
{
    qInstallMessageHandler(quietDebug);
    QCoreApplication app(argc, argv); // image format plugins
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
