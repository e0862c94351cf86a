// The picture import with its files decoded and converted on threads of
// their own: whatever order the threads finish in, the pictures are handed
// over in the order chosen, unreadable files are skipped at their place, and
// a stop leaves no picture and no scratch file behind and starts no new file.
#include "display/ImageObject.h"
#include "import/LoadImagesHandler.h"
#include "import/LoadObjectItem.h"
#include "import/PictureWorkers.h"
#include "messaging/HandlerThread.h"
#include "messaging/Message.h"
#include "messaging/WhatCodes.h"

#include "EncodedPicture.h"
#include "HandlerReceiver.h"
#include "LogCapture.h"
#include "ScratchFiles.h"
#include "TestWorkDir.h"

#include <QFile>
#include <QtTest>

#include <atomic>
#include <functional>
#include <memory>

namespace {

// A picture of its own size and colour per file, so each hand-over tells
// which file it came from. Big and small alternate: a thread with a small one
// finishes before the other with the big one before it.
QImage numberedPicture(int i)
{
    const QSize size = i % 2 == 0 ? QSize(640, 480) : QSize(40 + i, 30);
    QImage picture(size, QImage::Format_RGB32);
    picture.fill(qRgb(10 * i, 200, 255 - 10 * i));
    return picture;
}

bool writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// What a file of the list is made of.
enum class Kind { Good, Empty, Cut, NotPicture };

QStringList writeFiles(const TestWorkDir &work, const QList<Kind> &kinds)
{
    QStringList paths;
    for (int i = 0; i < kinds.size(); ++i) {
        const QString path = work.filePath(QStringLiteral("file%1.png").arg(i + 1));
        const QByteArray good = encodedPicture(numberedPicture(i), "PNG");
        QByteArray bytes;
        switch (kinds.at(i)) {
        case Kind::Good: bytes = good; break;
        case Kind::Empty: break;
        case Kind::Cut: bytes = good.left(good.size() / 2); break;
        case Kind::NotPicture: bytes = "just some words, no picture"; break;
        }
        if (!writeBytes(path, bytes))
            return {};
        paths.append(path);
    }
    return paths;
}

// Plays the dialog: takes every picture, remembers every hand-over.
class Receiver : public HandlerReceiver
{
public:
    struct HandOver {
        int index;
        QString path;
        QString skipReason;
        ImageObject *picture;
    };

    using HandlerReceiver::HandlerReceiver;
    ~Receiver() override
    {
        if (!isReleased())
            release();
        for (const HandOver &h : handOvers)
            delete h.picture;
    }

    QList<HandOver> handOvers;
    QList<int> previews; // file index per report 2
    std::function<void(int index)> onHandOver;

    void handlerMessage(Message *msg) override
    {
        const std::unique_lock<std::mutex> lock = handler->lockReport();
        const auto *item = static_cast<const LoadObjectItem *>(msg->obj);
        if (msg->what == WhatCode::ImageLoaded)
            previews.append(item->index());
        if (msg->what != WhatCode::ImageReady)
            return;
        handOvers.append({item->index(), item->path(), item->skipReason(), msg->image});
        msg->image = nullptr;
        if (onHandOver)
            onHandOver(item->index());
    }
};

// True once the looper has got past everything queued before.
bool drainLooper()
{
    class Probe : public HandlerMessage
    {
    public:
        Probe() : HandlerMessage(HandlerThread::instance()) {}
        void handlerMessage(Message *) override { passed.store(true); }
        std::atomic<bool> passed{false};
    };
    Probe probe;
    probe.sendEmptyHandlerMessage(1002);
    return QTest::qWaitFor([&] { return probe.passed.load(); }, 20000);
}

} // namespace

class TestPictureWorkers : public QObject
{
    Q_OBJECT
private slots:
    void handsOverInChosenOrder_data();
    void handsOverInChosenOrder();
    void stopInHandOverStartsNoNewFile_data();
    void stopInHandOverStartsNoNewFile();
    void stoppedWorkersLeaveNothing_data();
    void stoppedWorkersLeaveNothing();
};

void TestPictureWorkers::handsOverInChosenOrder_data()
{
    QTest::addColumn<int>("threads");
    QTest::addColumn<QList<Kind>>("kinds");

    const QList<Kind> good(7, Kind::Good);
    const QList<Kind> mixed{Kind::Good, Kind::Empty, Kind::Good, Kind::Cut, Kind::Good, Kind::NotPicture, Kind::Good};
    for (int threads : {0, 1, 2, 3}) {
        QTest::addRow("%d threads, all good", threads) << threads << good;
        QTest::addRow("%d threads, broken files between", threads) << threads << mixed;
    }
    QTest::addRow("2 threads, only broken files") << 2 << QList<Kind>{Kind::Empty, Kind::Cut, Kind::NotPicture};
    QTest::addRow("2 threads, one file") << 2 << QList<Kind>{Kind::Good};
}

void TestPictureWorkers::handsOverInChosenOrder()
{
    QFETCH(int, threads);
    QFETCH(QList<Kind>, kinds);

    TestWorkDir work;
    const QStringList files = writeFiles(work, kinds);
    QCOMPARE(files.size(), kinds.size());
    auto *handler = new LoadImagesHandler(HandlerThread::instance(), files, threads);
    Receiver receiver(handler);
    handler->start();
    QVERIFY(QTest::qWaitFor([&] { return receiver.handOvers.size() == files.size(); }, 30000));
    receiver.release();
    QVERIFY(drainLooper());

    QList<int> shown;
    for (int i = 0; i < kinds.size(); ++i) {
        const Receiver::HandOver &h = receiver.handOvers.at(i);
        QCOMPARE(h.index, i + 1);
        QCOMPARE(h.path, files.at(i));
        if (kinds.at(i) != Kind::Good) {
            QVERIFY2(!h.skipReason.isEmpty(), qPrintable(h.path));
            QVERIFY(!h.picture);
            continue;
        }
        shown.append(i + 1);
        QVERIFY2(h.skipReason.isEmpty(), qPrintable(h.skipReason));
        QVERIFY(h.picture);
        QCOMPARE(h.picture->sourcePath(), files.at(i));
        QCOMPARE(h.picture->thread(), QThread::currentThread());
        // The crop rectangle is the centred square of this file's own size.
        const QSize size = numberedPicture(i).size();
        const int side = qMin(size.width(), size.height());
        QCOMPARE(h.picture->cropRect(), QRect((size.width() - side) / 2, (size.height() - side) / 2, side, side));
        QCOMPARE(h.picture->thumbnail().pixel(30, 30), numberedPicture(i).pixel(0, 0));
        QVERIFY(hasScratchFiles(h.picture->id()));
    }
    QCOMPARE(receiver.previews, shown);
}

void TestPictureWorkers::stopInHandOverStartsNoNewFile_data()
{
    QTest::addColumn<int>("threads");
    QTest::addColumn<int>("stopAt"); // 1-based file whose hand-over stops the import
    for (int threads : {0, 1, 2}) {
        QTest::addRow("%d threads, stop at the first", threads) << threads << 1;
        QTest::addRow("%d threads, stop at the fifth", threads) << threads << 5;
    }
}

// Cancel during a hand-over, as the dialog's Cancel does: the picture in hand
// and those converted ahead are dropped with their scratch files, and the
// threads start at most the files they were already allowed to.
void TestPictureWorkers::stopInHandOverStartsNoNewFile()
{
    QFETCH(int, threads);
    QFETCH(int, stopAt);

    constexpr int fileCount = 12;
    TestWorkDir work;
    const QStringList files = writeFiles(work, QList<Kind>(fileCount, Kind::Good));
    QCOMPARE(files.size(), fileCount);
    const int firstId = ImageObject::peekNextId();

    LogCapture log;
    auto *handler = new LoadImagesHandler(HandlerThread::instance(), files, threads);
    Receiver receiver(handler);
    receiver.onHandOver = [&](int index) {
        if (index == stopAt)
            receiver.release();
    };
    handler->start();
    QVERIFY(QTest::qWaitFor([&] { return receiver.handOvers.size() == stopAt; }, 30000));
    QVERIFY(drainLooper());

    QCOMPARE(receiver.handOvers.size(), stopAt); // nothing after the stop
    // The files in hand when the stop came: the one handed over and one per
    // thread ahead of it. None later is even started.
    const int made = ImageObject::peekNextId() - firstId;
    QVERIFY2(made >= stopAt && made <= stopAt + threads, qPrintable(QString::number(made)));
    QList<int> kept;
    for (const Receiver::HandOver &h : receiver.handOvers)
        kept.append(h.picture->id());
    for (int id = firstId; id < ImageObject::peekNextId(); ++id)
        QCOMPARE(hasScratchFiles(id), kept.contains(id));
    const QStringList stops = log.lines().filter(QStringLiteral("#LoadImagesHandler# stopped"));
    QCOMPARE(stops, QStringList{QStringLiteral("#LoadImagesHandler# stopped at file %1 of %2 after report 0")
                                    .arg(stopAt + 1)
                                    .arg(fileCount)});
}

void TestPictureWorkers::stoppedWorkersLeaveNothing_data()
{
    QTest::addColumn<int>("threads");
    QTest::addColumn<int>("taken"); // files taken before the stop
    QTest::newRow("2 threads, stopped before any") << 2 << 0;
    QTest::newRow("2 threads, stopped after three") << 2 << 3;
    QTest::newRow("4 threads, stopped after one") << 4 << 1;
}

// The workers alone: what is not taken goes with them, and after a stop every
// file comes back marked stopped rather than done.
void TestPictureWorkers::stoppedWorkersLeaveNothing()
{
    QFETCH(int, threads);
    QFETCH(int, taken);

    constexpr int fileCount = 12;
    TestWorkDir work;
    const QStringList files = writeFiles(work, QList<Kind>(fileCount, Kind::Good));
    QCOMPARE(files.size(), fileCount);
    const int firstId = ImageObject::peekNextId();
    std::atomic<bool> running{true};
    QList<int> takenIds;
    {
        PictureWorkers workers(files, threads, running, QThread::currentThread());
        QCOMPARE(workers.threadCount(), threads);
        for (int i = 0; i < taken; ++i) {
            PictureWorkers::Result result = workers.take(i);
            QVERIFY(!result.stopped);
            QCOMPARE(result.path, files.at(i));
            QVERIFY(result.picture);
            QVERIFY(!result.preview.isNull());
            QVERIFY(!result.targetImg.isNull());
            takenIds.append(result.picture->id());
            result.picture.reset(); // a picture taken and then let go removes its own files
        }
        running.store(false);
        const PictureWorkers::Result next = workers.take(fileCount - 1);
        QVERIFY(next.stopped);
        QVERIFY(!next.picture);
    }
    const int made = ImageObject::peekNextId() - firstId;
    QVERIFY2(made <= taken + threads, qPrintable(QString::number(made)));
    for (int id = firstId; id < ImageObject::peekNextId(); ++id)
        QVERIFY2(!hasScratchFiles(id), qPrintable(QString::number(id)));
}

QTEST_MAIN(TestPictureWorkers)
#include "tst_pictureworkers.moc"
