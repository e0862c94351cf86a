// The import worker on the shared looper, given up at each of its stages:
// the worker never waits for a receiver that is gone, no report arrives after
// the release, no picture is leaked and the handler is deleted once the
// worker has left it.
#include "app/WorkDirectory.h"
#include "display/ImageObject.h"
#include "import/LoadImagesHandler.h"
#include "import/LoadObjectItem.h"
#include "messaging/HandlerThread.h"
#include "messaging/Message.h"
#include "messaging/WhatCodes.h"

#include "HandlerReceiver.h"
#include "LogCapture.h"
#include "ScratchFiles.h"
#include "TestWorkDir.h"

#include <QFile>
#include <QScopeGuard>
#include <QTimer>
#include <QtTest>

#include <algorithm>
#include <atomic>
#include <functional>
#include <memory>
#include <thread>

namespace {

using Report = QPair<int, int>; // what, 1-based file index

constexpr int holdWhat = 1000; // not codes of the program
constexpr int drainWhat = 1001;
constexpr int fileCount = 3;
constexpr int repeats = 10;

// Holds the looper, or tells when it has got past everything queued before.
class LooperProbe : public HandlerMessage
{
public:
    LooperProbe() : HandlerMessage(HandlerThread::instance()) {}

    void hold()
    {
        held.store(true);
        sendEmptyHandlerMessage(holdWhat);
    }
    void letGo() { held.store(false); }
    bool drain()
    {
        passed.store(false);
        sendEmptyHandlerMessage(drainWhat);
        return QTest::qWaitFor([this] { return passed.load(); }, 20000);
    }

    void handlerMessage(Message *msg) override
    {
        if (msg->what == drainWhat)
            passed.store(true);
        while (held.load())
            std::this_thread::yield();
    }

private:
    std::atomic<bool> held{false};
    std::atomic<bool> passed{false};
};

// Plays the dialog: takes every picture handed over and remembers the reports.
class ReportReceiver : public HandlerReceiver
{
public:
    using HandlerReceiver::HandlerReceiver;
    ~ReportReceiver() override { qDeleteAll(pictures); }

    QList<Report> reports;
    QList<ImageObject *> pictures;
    std::function<void(const Report &)> onReport;

    void handlerMessage(Message *msg) override
    {
        Report report;
        {
            const std::unique_lock<std::mutex> lock = handler->lockReport();
            report = {msg->what, static_cast<const LoadObjectItem *>(msg->obj)->index()};
            if (msg->image) {
                pictures.append(msg->image);
                msg->image = nullptr;
            }
        }
        reports.append(report);
        if (onReport)
            onReport(report);
    }
};

// Stops the worker right before it posts one report, until the test lets it go.
struct StageGate {
    Report stage;
    std::atomic<bool> reached{false};
    std::atomic<bool> open{false};

    // Shared with the worker, which may still be inside when a failed check ends the test.
    static void attach(const std::shared_ptr<StageGate> &gate, LoadImagesHandler *handler)
    {
        QObject::connect(
            handler, &LoadImagesHandler::handlerMessageReady, handler,
            [gate](Message *msg) {
                if (Report(msg->what, static_cast<const LoadObjectItem *>(msg->obj)->index()) != gate->stage)
                    return;
                gate->reached.store(true);
                while (!gate->open.load())
                    std::this_thread::yield();
            },
            Qt::DirectConnection);
    }
};

QStringList writePictures(const TestWorkDir &work)
{
    QStringList paths;
    for (int i = 0; i < fileCount; ++i) {
        QImage picture(40 + 10 * i, 30, QImage::Format_RGB32);
        picture.fill(qRgb(60 * i, 200, 90));
        paths.append(work.filePath(QStringLiteral("picture%1.png").arg(i + 1)));
        if (!picture.save(paths.last(), "PNG"))
            return {};
    }
    return paths;
}

QList<Report> everyReport()
{
    QList<Report> all;
    for (int index = 1; index <= fileCount; ++index) {
        for (int what : {WhatCode::ImageLoaded, WhatCode::ImageConverted, WhatCode::ImageReady})
            all.append({what, index});
    }
    return all;
}

} // namespace

class TestLoadImagesHandler : public QObject
{
    Q_OBJECT
public:
    enum Moment {
        BeforeStart,  // message 1 still queued behind other work
        Pending,      // the stage's report posted, the worker waiting for it
        InSlot,       // while the receiver handles the stage's report
        AfterSlot,    // right after the receiver handled it, the worker running on
        AfterEnd,     // every report handled
    };
    Q_ENUM(Moment)

private slots:
    void releaseAtEachStage_data();
    void releaseAtEachStage();
};

void TestLoadImagesHandler::releaseAtEachStage_data()
{
    QTest::addColumn<Moment>("moment");
    QTest::addColumn<Report>("stage");
    QTest::addColumn<int>("delivered");      // reports the receiver gets, in order
    QTest::addColumn<QStringList>("stopLines"); // one of these is logged; none when empty

    const auto line = [](int file, int report) {
        return QStringLiteral("#LoadImagesHandler# stopped at file %1 of 3 after report %2").arg(file).arg(report);
    };
    QTest::newRow("before the looper takes message 1") << BeforeStart << Report() << 0 << QStringList{line(1, 0)};
    QTest::newRow("first preview posted") << Pending << Report(2, 1) << 0 << QStringList{line(1, 2)};
    QTest::newRow("second converted, posted") << Pending << Report(3, 2) << 4 << QStringList{line(2, 3)};
    QTest::newRow("second hand-over posted") << Pending << Report(4, 2) << 5 << QStringList{line(2, 4)};
    QTest::newRow("second preview being shown") << InSlot << Report(2, 2) << 4 << QStringList{line(2, 2)};
    QTest::newRow("second being handed over") << InSlot << Report(4, 2) << 6 << QStringList{line(3, 0)};
    QTest::newRow("second being converted") << AfterSlot << Report(2, 2) << 4
                                            << QStringList{line(2, 2), line(2, 3)};
    QTest::newRow("last hand-over being handled") << InSlot << Report(4, 3) << 9 << QStringList();
    QTest::newRow("all done") << AfterEnd << Report() << 9 << QStringList();
}

void TestLoadImagesHandler::releaseAtEachStage()
{
    QFETCH(Moment, moment);
    QFETCH(Report, stage);
    QFETCH(int, delivered);
    QFETCH(QStringList, stopLines);

    TestWorkDir work;
    const QStringList files = writePictures(work);
    QCOMPARE(files.size(), fileCount);
    LooperProbe probe;

    for (int round = 0; round < repeats; ++round) {
        const int firstId = ImageObject::peekNextId();
        LogCapture log;
        auto *handler = new LoadImagesHandler(HandlerThread::instance(), files);
        auto destroyed = std::make_shared<std::atomic<bool>>(false);
        connect(handler, &QObject::destroyed, [destroyed] { destroyed->store(true); });
        auto gate = std::make_shared<StageGate>();
        gate->stage = stage;
        gate->open.store(moment != Pending);
        StageGate::attach(gate, handler); // before the receiver: it runs first
        const auto openGate = qScopeGuard([gate] { gate->open.store(true); });
        ReportReceiver receiver(handler);
        bool released = false;
        const auto release = [&] {
            receiver.release();
            released = true;
        };
        const auto releaseOnFailure = qScopeGuard([&] {
            if (!released)
                release();
        });
        if (moment == InSlot)
            receiver.onReport = [&](const Report &report) {
                if (report == stage)
                    release();
            };
        if (moment == AfterSlot)
            receiver.onReport = [&](const Report &report) {
                if (report == stage)
                    QTimer::singleShot(0, &receiver, release);
            };

        if (moment == BeforeStart)
            probe.hold();
        handler->start();
        switch (moment) {
        case BeforeStart:
            release();
            probe.letGo();
            break;
        case Pending:
            QVERIFY(QTest::qWaitFor([&] { return gate->reached.load(); }, 20000));
            // From here on no event is processed until the release.
            gate->open.store(true);
            QThread::msleep(20); // the worker posts the report and waits for it
            release();
            break;
        case InSlot:
        case AfterSlot:
            QVERIFY(QTest::qWaitFor([&] { return released; }, 20000));
            break;
        case AfterEnd:
            QVERIFY(QTest::qWaitFor([&] { return receiver.reports.size() == 3 * fileCount; }, 20000));
            release();
            break;
        }
        QVERIFY(probe.drain()); // also delivers any report that wrongly survived the release
        QVERIFY(destroyed->load());

        QCOMPARE(receiver.reports, everyReport().mid(0, delivered));
        QList<int> takenIds;
        for (int i = 0; i < receiver.pictures.size(); ++i) {
            QCOMPARE(receiver.pictures.at(i)->sourcePath(), files.at(i));
            takenIds.append(receiver.pictures.at(i)->id());
        }
        const auto handOvers = std::count_if(receiver.reports.cbegin(), receiver.reports.cend(),
                                             [](const Report &r) { return r.first == WhatCode::ImageReady; });
        QCOMPARE(receiver.pictures.size(), handOvers);
        for (int id = firstId; id < ImageObject::peekNextId(); ++id)
            QCOMPARE(hasScratchFiles(id), takenIds.contains(id));

        const QStringList stops = log.lines().filter(QStringLiteral("#LoadImagesHandler# stopped"));
        if (stopLines.isEmpty()) {
            QVERIFY2(stops.isEmpty(), qPrintable(stops.join('\n')));
        } else {
            QCOMPARE(stops.size(), 1);
            QVERIFY2(stopLines.contains(stops.first()), qPrintable(stops.first()));
        }
    }
}

QTEST_GUILESS_MAIN(TestLoadImagesHandler)
#include "tst_loadimageshandler.moc"
