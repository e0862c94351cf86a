// Conversions running on several threads at once (looper, video frame
// thread, user-interface thread) must give exactly what they give alone.
#include "display/ImageObject.h"
#include "display/PolarSampling.h"

#include "LogCapture.h"
#include "TestWorkDir.h"

#include <QRandomGenerator>
#include <QtTest>

#include <atomic>
#include <functional>
#include <set>
#include <thread>
#include <vector>

namespace {

QImage noise(int w, int h, quint32 seed)
{
    QImage picture(w, h, QImage::Format_RGB32);
    QRandomGenerator random(seed);
    for (int y = 0; y < h; ++y) {
        auto *row = reinterpret_cast<QRgb *>(picture.scanLine(y));
        for (int x = 0; x < w; ++x)
            row[x] = random.generate() | 0xFF000000u;
    }
    return picture;
}

struct Result {
    QByteArray data;
    QImage preview;
};

Result convertIntoRecord(const QImage &picture)
{
    ImageObject record(0, QString(), 5.0, ImageObject::PictureFile);
    PolarSampling::imageToLedData(picture, &record);
    return {record.ledData(), record.previewImage()};
}

// Runs every job on its own thread, all released at the same moment.
void runTogether(const std::vector<std::function<void()>> &jobs)
{
    std::atomic<int> waiting{int(jobs.size())};
    std::vector<std::thread> threads;
    for (const auto &job : jobs) {
        threads.emplace_back([&waiting, job] {
            waiting.fetch_sub(1);
            while (waiting.load() > 0)
                std::this_thread::yield();
            job();
        });
    }
    for (std::thread &thread : threads)
        thread.join();
}

} // namespace

class TestConversionThreads : public QObject
{
    Q_OBJECT

private slots:
    void twoThreadsConvertDifferentPictures();
    void twoThreadsWithDifferentCounts();
    void idsStayUniqueAcrossThreads();
};

void TestConversionThreads::twoThreadsConvertDifferentPictures()
{
    TestWorkDir work;
    QVERIFY(work.isValid());
    LogCapture quiet; // one delete line per record
    const QImage pictures[2] = {noise(1920, 1080, 1), noise(640, 480, 2)};
    const Result expected[2] = {convertIntoRecord(pictures[0]), convertIntoRecord(pictures[1])};
    QVERIFY(expected[0].data != expected[1].data);

    constexpr int rounds = 8;
    std::vector<Result> results[2];
    runTogether({
        [&] { for (int r = 0; r < rounds; ++r) results[0].push_back(convertIntoRecord(pictures[0])); },
        [&] { for (int r = 0; r < rounds; ++r) results[1].push_back(convertIntoRecord(pictures[1])); },
    });

    for (int t = 0; t < 2; ++t) {
        QCOMPARE(int(results[t].size()), rounds);
        for (const Result &r : results[t]) {
            QVERIFY(r.data == expected[t].data);
            QCOMPARE(r.preview, expected[t].preview);
        }
    }
}

void TestConversionThreads::twoThreadsWithDifferentCounts()
{
    // The shared sampling geometry is rebuilt as the two alternate.
    const QImage pictures[2] = {noise(800, 600, 3), noise(600, 800, 4)};
    const int leds[2] = {112, 64};
    const int lines[2] = {450, 360};
    const QByteArray expected[2] = {PolarSampling::ledDataOf(pictures[0], leds[0], lines[0]),
                                    PolarSampling::ledDataOf(pictures[1], leds[1], lines[1])};
    constexpr int rounds = 40;
    std::atomic<int> mismatches{0};
    auto job = [&](int t) {
        return [&, t] {
            for (int r = 0; r < rounds; ++r) {
                if (PolarSampling::ledDataOf(pictures[t], leds[t], lines[t]) != expected[t])
                    mismatches.fetch_add(1);
            }
        };
    };
    runTogether({job(0), job(1)});
    QCOMPARE(mismatches.load(), 0);
}

void TestConversionThreads::idsStayUniqueAcrossThreads()
{
    TestWorkDir work;
    QVERIFY(work.isValid());
    LogCapture quiet;
    constexpr int perThread = 500;
    std::vector<int> ids[2];
    auto job = [&](int t) {
        return [&, t] {
            for (int i = 0; i < perThread; ++i)
                ids[t].push_back(ImageObject(i, QString(), 10.0, ImageObject::VideoFrame).id());
        };
    };
    runTogether({job(0), job(1)});
    std::set<int> distinct(ids[0].begin(), ids[0].end());
    distinct.insert(ids[1].begin(), ids[1].end());
    QCOMPARE(int(distinct.size()), 2 * perThread);
}

QTEST_GUILESS_MAIN(TestConversionThreads)
#include "tst_conversionthreads.moc"
