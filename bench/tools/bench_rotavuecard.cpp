// rotavue-card build of 100 pictures of 1920 x 1080, as whole processes: on
// every core, and pinned to one core with taskset, measured in the same run.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QStringList>
#include <QTemporaryDir>

#include <algorithm>

namespace {

constexpr int pictureCount = 100;

QImage photoLike(int seed)
{
    QImage picture(1920, 1080, QImage::Format_RGB32);
    QPainter painter(&picture);
    QLinearGradient sky(0, 0, 1920, 1080);
    sky.setColorAt(0, QColor::fromHsv((seed * 37) % 360, 160, 240));
    sky.setColorAt(1, QColor::fromHsv((seed * 37 + 120) % 360, 200, 90));
    painter.fillRect(picture.rect(), sky);
    QRandomGenerator random(seed);
    for (int i = 0; i < 60; ++i) {
        painter.setBrush(QColor::fromRgb(random.generate()));
        painter.setPen(Qt::NoPen);
        painter.drawEllipse(QPoint(random.bounded(1920), random.bounded(1080)), random.bounded(20, 200),
                            random.bounded(20, 200));
    }
    return picture;
}

struct Inputs {
    QTemporaryDir dir;
    QStringList pictures;
    Inputs()
    {
        for (int i = 0; i < pictureCount; ++i) {
            const QString path = dir.filePath(QStringLiteral("photo_%1.jpg").arg(i, 3, 10, QLatin1Char('0')));
            photoLike(i).save(path, "JPG", 90);
            pictures.append(path);
        }
    }
};

Inputs &inputs()
{
    static Inputs shared;
    return shared;
}

double buildSeconds(bool oneCore)
{
    QStringList arguments = {QStringLiteral("build"), QStringLiteral("-o"), inputs().dir.filePath("card.bin")};
    arguments += inputs().pictures;
    QString program = QStringLiteral(ROTAVUE_CARD_BINARY);
    if (oneCore) {
        arguments.prepend(program);
        arguments.prepend(QStringLiteral("0"));
        arguments.prepend(QStringLiteral("-c"));
        program = QStandardPaths::findExecutable(QStringLiteral("taskset"));
    }
    QProcess process;
    QElapsedTimer timer;
    timer.start();
    process.start(program, arguments);
    if (!process.waitForFinished(600000) || process.exitCode() != 0)
        return -1;
    return timer.nsecsElapsed() / 1e9;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// Both variants alternate, so a noisy neighbour hits them alike; the ratio is of the medians.
void BM_BuildHundredPictures(benchmark::State &state)
{
    inputs();
    std::vector<double> allCores;
    std::vector<double> oneCore;
    for (auto _ : state) {
        const double parallel = buildSeconds(false);
        const double pinned = buildSeconds(true);
        if (parallel < 0 || pinned < 0) {
            state.SkipWithError("rotavue-card or taskset failed");
            return;
        }
        allCores.push_back(parallel);
        oneCore.push_back(pinned);
        state.SetIterationTime(parallel);
    }
    state.counters["all_cores_s"] = median(allCores);
    state.counters["one_core_s"] = median(oneCore);
    state.counters["speedup"] = median(oneCore) / median(allCores);
}
BENCHMARK(BM_BuildHundredPictures)->Iterations(5)->UseManualTime()->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
