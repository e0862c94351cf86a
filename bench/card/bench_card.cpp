// Download speed and memory: a card of 200 pictures with the default display
// parameters (blocks of 114688 bytes) written to a local temporary folder.
#include "AllocationCounter.h"

#include "app/WorkDirectory.h"
#include "card/CardTableOfContents.h"
#include "card/CardWriter.h"
#include "display/ImageObject.h"
#include "display/PolarSampling.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <chrono>
#include <memory>
#include <unistd.h>

namespace {

constexpr int pictureCount = 200;
constexpr int blockBytes = PolarSampling::minimumLength;
constexpr qint64 cardBytes = CardTableOfContents::size + qint64(pictureCount) * blockBytes;

// The playlist and a plain file of the card's size, made once.
class Playlist
{
public:
    Playlist()
    {
        WorkDirectory::initPrivate(work.path());
        QByteArray data(blockBytes, Qt::Uninitialized);
        for (int i = 0; i < pictureCount; ++i) {
            for (int b = 0; b < blockBytes; ++b)
                data[b] = char((i * 131 + b * 7) & 0xFF);
            auto *picture = new ImageObject(i + 1, QString(), 5, ImageObject::PictureFile);
            picture->setLedData(data);
            picture->saveLedData();
            pictures.append(picture);
        }
        QFile plain(source());
        plain.open(QIODevice::WriteOnly);
        plain.write(QByteArray(cardBytes, 'p'));
    }
    ~Playlist() { qDeleteAll(pictures); }

    QString source() const { return work.filePath(QStringLiteral("plain.bin")); }
    QString target(const char *name) const { return work.filePath(QLatin1String(name)); }

    QTemporaryDir work;
    QList<ImageObject *> pictures;
};

Playlist &playlist()
{
    static Playlist instance;
    return instance;
}

// A plain copy as the writer does it: block-sized reads and writes, then the
// data flushed to the device, so that both pay for the same durability.
bool plainCopy(const QString &from, const QString &to)
{
    QFile in(from);
    QFile out(to);
    if (!in.open(QIODevice::ReadOnly) || !out.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered))
        return false;
    while (!in.atEnd()) {
        const QByteArray chunk = in.read(blockBytes);
        if (out.write(chunk) != chunk.size())
            return false;
    }
    return ::fsync(out.handle()) == 0;
}

bool writeCard(const QString &path)
{
    return CardWriter().write(playlist().pictures, {}, path).complete();
}

double secondsOf(bool (*step)(const QString &), const QString &path, bool &ok)
{
    const auto start = std::chrono::steady_clock::now();
    ok = step(path) && ok;
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

void BM_CardWrite(benchmark::State &state)
{
    const QString path = playlist().target("card.bin");
    for (auto _ : state) {
        if (!writeCard(path))
            state.SkipWithError("card not written");
    }
    state.SetBytesProcessed(state.iterations() * cardBytes);
}

void BM_PlainCopy(benchmark::State &state)
{
    const QString path = playlist().target("copy.bin");
    for (auto _ : state) {
        if (!plainCopy(playlist().source(), path))
            state.SkipWithError("copy failed");
    }
    state.SetBytesProcessed(state.iterations() * cardBytes);
}

// Both in turn in the same iteration, so that the machine's load hits both
// alike; ratio = card throughput / copy throughput.
void BM_CardVsCopy(benchmark::State &state)
{
    const QString card = playlist().target("card.bin");
    const QString copy = playlist().target("copy.bin");
    double cardSeconds = 0;
    double copySeconds = 0;
    bool ok = true;
    for (auto _ : state) {
        cardSeconds += secondsOf(&writeCard, card, ok);
        copySeconds += secondsOf([](const QString &to) { return plainCopy(playlist().source(), to); }, copy, ok);
    }
    if (!ok)
        state.SkipWithError("card or copy failed");
    const double mb = double(cardBytes) * double(state.iterations()) / 1e6;
    state.counters["card_MBps"] = mb / cardSeconds;
    state.counters["copy_MBps"] = mb / copySeconds;
    state.counters["ratio"] = copySeconds / cardSeconds;
}

// Heap held by the download above what was held before it.
void BM_DownloadPeakMemory(benchmark::State &state)
{
    const QString path = playlist().target("card.bin");
    std::int64_t worst = 0;
    for (auto _ : state) {
        const std::int64_t before = AllocationCounter::current();
        AllocationCounter::resetPeak();
        if (!writeCard(path))
            state.SkipWithError("card not written");
        worst = std::max(worst, AllocationCounter::peak() - before);
    }
    state.counters["peak_bytes"] = double(worst);
    state.counters["peak_blocks"] = double(worst) / blockBytes;
}

} // namespace

BENCHMARK(BM_CardWrite)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_PlainCopy)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_CardVsCopy)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_DownloadPeakMemory)->Unit(benchmark::kMillisecond)->Iterations(3);

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {}); // 400 debug lines a card
    benchmark::Initialize(&argc, argv);
    playlist();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
