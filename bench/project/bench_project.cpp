// Saving and opening a project of 2000 frames (four GIF sequences of 500, default
// display parameters), against a plain copy of a file of the project's size in
// the same folder, and the memory both take.
#include "AllocationCounter.h"
#include "SampleFrames.h"

#include "app/WorkDirectory.h"
#include "display/ImageObject.h"
#include "display/MediaObject.h"
#include "project/ProjectContent.h"
#include "project/ProjectReader.h"
#include "project/ProjectWriter.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <vector>
#include <unistd.h>

namespace {

constexpr int sequenceCount = 4;
constexpr int framesPerSequence = 500;
constexpr int distinctFrames = 16;

// A figure of this process's memory from the kernel, in bytes.
qint64 statusValue(const char *field)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith(field))
            return line.mid(int(qstrlen(field))).trimmed().split(' ').first().toLongLong() * 1024;
    }
    return -1;
}

// Starts a new peak of the resident set (the kernel's VmHWM).
void resetResidentPeak()
{
    QFile refs(QStringLiteral("/proc/self/clear_refs"));
    if (refs.open(QIODevice::WriteOnly))
        refs.write("5");
}

// The playlist, its saved project and a plain file of the project's size, made once.
class Show
{
public:
    Show()
    {
        WorkDirectory::initPrivate(work.path());
        const SampleFrames samples(distinctFrames);
        for (int s = 0; s < sequenceCount; ++s) {
            auto *sequence = new MediaObject(s, QStringLiteral("clip%1.gif").arg(s));
            sequence->setGif(true);
            for (int f = 0; f < framesPerSequence; ++f)
                sequence->appendFrame(samples.frame(f + 1, s * framesPerSequence + f));
            sequences.append(sequence);
        }
        ok = save(project());
        bytes = QFileInfo(project()).size();
        QFile plain(source());
        ok = ok && plain.open(QIODevice::WriteOnly);
        const QByteArray chunk(1 << 20, 'p');
        for (qint64 written = 0; ok && written < bytes; written += chunk.size())
            ok = plain.write(chunk.constData(), qMin<qint64>(chunk.size(), bytes - written)) > 0;
    }
    ~Show() { qDeleteAll(sequences); }

    bool save(const QString &path) const
    {
        return ProjectWriter().save(ProjectWriter::Input::current({}, sequences), path).ok;
    }
    QString project() const { return work.filePath(QStringLiteral("show.rotavue")); }
    QString source() const { return work.filePath(QStringLiteral("plain.bin")); }
    QString target(const char *name) const { return work.filePath(QLatin1String(name)); }

    QTemporaryDir work;
    QList<MediaObject *> sequences;
    qint64 bytes = 0;
    bool ok = false;
};

Show &show()
{
    static Show instance;
    return instance;
}

// A plain copy in 1 MiB pieces; synced to the disk when asked, as a save is.
bool plainCopy(const QString &from, const QString &to, bool sync)
{
    QFile in(from);
    QFile out(to);
    if (!in.open(QIODevice::ReadOnly) || !out.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered))
        return false;
    while (!in.atEnd()) {
        const QByteArray chunk = in.read(1 << 20);
        if (out.write(chunk) != chunk.size())
            return false;
    }
    return !sync || ::fsync(out.handle()) == 0;
}

template<typename Step>
double seconds(Step step, bool &ok)
{
    const auto start = std::chrono::steady_clock::now();
    ok = step() && ok;
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

void report(benchmark::State &state, double workSeconds, double copySeconds, bool ok)
{
    if (!ok)
        state.SkipWithError("project or copy failed");
    const double mb = double(show().bytes) * double(state.iterations()) / 1e6;
    state.counters["project_MB"] = double(show().bytes) / 1e6;
    state.counters["work_MBps"] = mb / workSeconds;
    state.counters["copy_MBps"] = mb / copySeconds;
    state.counters["ratio"] = workSeconds / copySeconds; // target: at most 2
}

// Save (synced to the disk) against a copy synced alike.
void BM_SaveVsCopy(benchmark::State &state)
{
    double work = 0, copy = 0;
    bool ok = show().ok;
    for (auto _ : state) {
        work += seconds([] { return show().save(show().target("saved.rotavue")); }, ok);
        copy += seconds([] { return plainCopy(show().source(), show().target("copy.bin"), true); }, ok);
    }
    report(state, work, copy, ok);
}

// Open into scratch files (not synced: they do not outlive the run) against a copy not synced either.
// Every opened project stays until the end: deleting thousands of files just
// before creating as many makes ext4 search long for free inodes, which would
// measure the file system's bookkeeping instead of the opening (the window
// also reads a new project wholly before it lets the old one go).
void BM_OpenVsCopy(benchmark::State &state)
{
    double work = 0, copy = 0;
    bool ok = show().ok;
    std::vector<std::unique_ptr<ProjectContent>> opened;
    for (auto _ : state) {
        work += seconds([&opened] {
            ProjectReader::Result result = ProjectReader().read(show().project());
            opened.push_back(std::move(result.content));
            return result.ok;
        }, ok);
        copy += seconds([] { return plainCopy(show().source(), show().target("copy.bin"), false); }, ok);
    }
    report(state, work, copy, ok);
    opened.clear(); // after the timed loop
}

// Memory, measured in a fresh process of this program that does nothing else:
// its resident peak before anything (the empty program), after opening the
// project, and the rise while saving it again; and the heap at each peak.
void BM_PeakMemory(benchmark::State &state)
{
    QStringList figures;
    for (auto _ : state) {
        QProcess child;
        child.start(QCoreApplication::applicationFilePath(),
                    {QStringLiteral("--memory-child"), show().project(), show().target("again.rotavue")});
        if (!child.waitForFinished(600000) || child.exitCode() != 0)
            state.SkipWithError("the measuring process failed");
        figures = QString::fromLatin1(child.readAllStandardOutput()).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    }
    if (figures.size() != 5) {
        state.SkipWithError("no figures");
        return;
    }
    state.counters["empty_rss_MB"] = figures.at(0).toDouble() / 1e6;
    state.counters["open_rss_above_empty_MB"] = figures.at(1).toDouble() / 1e6;  // target: at most 64
    state.counters["save_rss_rise_MB"] = figures.at(2).toDouble() / 1e6;
    state.counters["open_heap_peak_MB"] = figures.at(3).toDouble() / 1e6;
    state.counters["save_heap_rise_MB"] = figures.at(4).toDouble() / 1e6;
}

int memoryChild(const QString &project, const QString &again)
{
    QTemporaryDir scratch;
    WorkDirectory::initPrivate(scratch.path());
    const qint64 empty = statusValue("VmHWM:");
    resetResidentPeak();
    AllocationCounter::resetPeak();
    ProjectReader::Result result = ProjectReader().read(project);
    const qint64 openPeak = statusValue("VmHWM:");
    const std::int64_t openHeap = AllocationCounter::peak();
    if (!result.ok)
        return 1;

    const qint64 beforeSave = statusValue("VmRSS:");
    const std::int64_t heapBeforeSave = AllocationCounter::current();
    resetResidentPeak();
    AllocationCounter::resetPeak();
    if (!ProjectWriter().save(ProjectWriter::Input::current(result.content->pictures, result.content->sequences), again).ok)
        return 1;
    const qint64 savePeak = statusValue("VmHWM:");
    std::printf("%lld %lld %lld %lld %lld", qlonglong(empty), qlonglong(openPeak - empty),
                qlonglong(savePeak - beforeSave), qlonglong(openHeap),
                qlonglong(AllocationCounter::peak() - heapBeforeSave));
    return 0;
}

} // namespace

BENCHMARK(BM_SaveVsCopy)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);
BENCHMARK(BM_OpenVsCopy)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);
BENCHMARK(BM_PeakMemory)->Unit(benchmark::kMillisecond)->Iterations(1);

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {}); // a line per record
    if (argc == 4 && qstrcmp(argv[1], "--memory-child") == 0)
        return memoryChild(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]));
    benchmark::Initialize(&argc, argv);
    if (!show().ok)
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
