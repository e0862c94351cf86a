#include "display/ImageObject.h"
#include "import/GifFrameCutter.h"
#include "import/VideoCutJob.h"
#include "import/VideoDecoder.h"
#include "import/VideoStepPicker.h"

#include "ScratchFiles.h"
#include "TestClip.h"
#include "TestWorkDir.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {

const QSize clipSize(400, 300);
constexpr qint64 framePeriodUs = 40000; // 25 fps

struct Cut {
    QList<ImageObject *> frames;
    QString error;
    bool ok = false;
    ~Cut() { qDeleteAll(frames); }
};

// Runs a cut with the crop left untouched, as the tool does, and waits for its end.
std::unique_ptr<Cut> cut(const QString &path, qint64 startMs, qint64 endMs)
{
    auto result = std::make_unique<Cut>();
    VideoCutJob job(path, startMs, endMs, GifFrameCutter::forUntouchedDialog(clipSize));
    QSignalSpy finished(&job, &VideoCutJob::finished);
    job.start();
    if (!finished.wait(60000))
        return result;
    result->ok = finished.first().first().toBool();
    result->error = job.error();
    result->frames = job.takeFrames();
    return result;
}

qint64 firstFrameAtOrAfterUs(qint64 stepMs)
{
    return (stepMs * 1000 + framePeriodUs - 1) / framePeriodUs * framePeriodUs;
}

} // namespace

class TestVideoCut : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void pickerAnswersEachStepWithFirstFrameAtOrAfterIt_data();
    void pickerAnswersEachStepWithFirstFrameAtOrAfterIt();
    void probeReadsLengthAndSize();
    void stretchGivesOneFramePerStepInOrder_data();
    void stretchGivesOneFramePerStepInOrder();
    void startEqualToEndGivesOneFrame();
    void clipShorterThanOneStepGivesItsFrame();
    void badInputGivesMessageAndNoFrame_data();
    void badInputGivesMessageAndNoFrame();
    void stopDuringCutLeavesNothing();

private:
    QString clipPath(const QString &extension) const;
    std::unique_ptr<TestWorkDir> work;
    std::unique_ptr<QTemporaryDir> clips;
};

void TestVideoCut::initTestCase()
{
    work = std::make_unique<TestWorkDir>();
    clips = std::make_unique<QTemporaryDir>();
    QVERIFY(work->isValid() && clips->isValid());
    // A folder with spaces and non-ASCII characters in its name holds every clip.
    QVERIFY(QDir(clips->path()).mkdir(QStringLiteral("clips ä 視頻")));
    for (const char *extension : {"mp4", "mkv", "avi", "ts"}) {
        const QString made = TestClip::make(clipPath(extension), 14, clipSize);
        QVERIFY2(made.isEmpty(), qPrintable(made));
    }
    // A transport stream, whose header says nothing of the picture's size, misnamed as MP4.
    QVERIFY(QFile::rename(clipPath("ts"), clipPath("mp4").replace("clip mp4", "stream ts")));
}

QString TestVideoCut::clipPath(const QString &extension) const
{
    return clips->path() + QStringLiteral("/clips ä 視頻/clip %1.%1").arg(extension);
}

void TestVideoCut::pickerAnswersEachStepWithFirstFrameAtOrAfterIt_data()
{
    QTest::addColumn<qint64>("startMs");
    QTest::addColumn<qint64>("endMs");
    QTest::addColumn<qint64>("periodUs");
    QTest::addColumn<int>("steps");
    QTest::addColumn<QList<qint64>>("answersUs"); // the frame time each step gets

    QTest::newRow("25 fps, 10 s to 10.3 s") << qint64(10000) << qint64(10300) << qint64(40000) << 4
                                            << QList<qint64>{10000000, 10120000, 10200000, 10320000};
    // A frame longer than a step answers every step it covers.
    QTest::newRow("7 fps") << qint64(0) << qint64(500) << qint64(142857) << 6
                           << QList<qint64>{0, 142857, 285714, 428571, 428571, 571428};
    QTest::newRow("start equal to end") << qint64(3000) << qint64(3000) << qint64(40000) << 1
                                        << QList<qint64>{3000000};
    QTest::newRow("end before start") << qint64(3000) << qint64(2000) << qint64(40000) << 0 << QList<qint64>{};
    QTest::newRow("end not on a step") << qint64(0) << qint64(250) << qint64(50000) << 3
                                       << QList<qint64>{0, 100000, 200000};
}

void TestVideoCut::pickerAnswersEachStepWithFirstFrameAtOrAfterIt()
{
    QFETCH(qint64, startMs);
    QFETCH(qint64, endMs);
    QFETCH(qint64, periodUs);
    QFETCH(int, steps);
    QFETCH(QList<qint64>, answersUs);

    VideoStepPicker picker(startMs, endMs);
    QCOMPARE(picker.stepCount(), steps);
    QList<qint64> answers(steps, -1);
    for (qint64 t = 0; t <= (endMs + 1000) * 1000 && !picker.isComplete(); t += periodUs) {
        const bool wanted = picker.wants(t);
        const QList<int> taken = picker.take(t);
        QCOMPARE(!taken.isEmpty(), wanted);
        for (int step : taken) {
            QCOMPARE(answers.at(step), qint64(-1));
            answers[step] = t;
        }
    }
    QCOMPARE(answers, answersUs);
    QVERIFY(picker.isComplete());
    QVERIFY(picker.take(0).isEmpty()); // an older frame changes nothing
}

void TestVideoCut::probeReadsLengthAndSize()
{
    VideoDecoder::Info info;
    const QString problem = VideoDecoder::probe(clipPath("mp4"), &info);
    QVERIFY2(problem.isEmpty(), qPrintable(problem));
    QCOMPARE(info.size, clipSize);
    QVERIFY2(qAbs(info.lengthMs - 14000) <= 100, qPrintable(QString::number(info.lengthMs)));
}

void TestVideoCut::stretchGivesOneFramePerStepInOrder_data()
{
    QTest::addColumn<QString>("path");
    QTest::newRow("MP4, H.264") << clipPath("mp4");
    QTest::newRow("MKV, H.264") << clipPath("mkv");
    QTest::newRow("AVI, MPEG-4") << clipPath("avi");
    QTest::newRow("MPEG-TS named .mp4") << clipPath("mp4").replace("clip mp4", "stream ts");
}

void TestVideoCut::stretchGivesOneFramePerStepInOrder()
{
    QFETCH(QString, path);
    VideoDecoder::Info info;
    const QString problem = VideoDecoder::probe(path, &info);
    QVERIFY2(problem.isEmpty(), qPrintable(problem));
    QCOMPARE(info.size, clipSize);
    const auto result = cut(path, 10000, 12000);
    QVERIFY2(result->ok, qPrintable(result->error));
    QCOMPARE(result->frames.size(), 21);
    for (int i = 0; i < 21; ++i) {
        ImageObject *frame = result->frames.at(i);
        const qint64 stepMs = 10000 + 100 * i;
        const qint64 expectedUs = firstFrameAtOrAfterUs(stepMs);
        QCOMPARE(frame->index(), i + 1);
        QCOMPARE(frame->type(), int(ImageObject::VideoFrame));
        QCOMPARE(qRound64(frame->captureTime() * 1000.0), expectedUs);
        // What the frame shows is the source frame of that time.
        QCOMPARE(TestClip::frameShownIn(frame, clipSize), int(expectedUs / framePeriodUs));
        QCOMPARE(frame->ledDataLength(), frame->ledData().size());
    }
}

void TestVideoCut::startEqualToEndGivesOneFrame()
{
    const auto result = cut(clipPath("mkv"), 5000, 5000);
    QVERIFY2(result->ok, qPrintable(result->error));
    QCOMPARE(result->frames.size(), 1);
    QCOMPARE(result->frames.first()->index(), 1);
    QCOMPARE(TestClip::frameShownIn(result->frames.first(), clipSize), 125);
}

void TestVideoCut::clipShorterThanOneStepGivesItsFrame()
{
    const QString path = clips->path() + QStringLiteral("/one frame.mp4");
    const QString made = TestClip::make(path, 0.04, clipSize);
    QVERIFY2(made.isEmpty(), qPrintable(made));
    // Steps after the clip's end get no frame; the one at its start does.
    const auto result = cut(path, 0, 1000);
    QVERIFY2(result->ok, qPrintable(result->error));
    QCOMPARE(result->frames.size(), 1);
    QCOMPARE(TestClip::frameShownIn(result->frames.first(), clipSize), 0);
}

void TestVideoCut::badInputGivesMessageAndNoFrame_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("kind");
    QTest::newRow("renamed text file") << "notes.mp4" << "text";
    QTest::newRow("empty file") << "empty.mkv" << "empty";
    QTest::newRow("truncated MP4") << "cut short.mp4" << "truncated";
    QTest::newRow("audio only") << "sound.mp4" << "audio";
    QTest::newRow("missing file") << "gone.avi" << "missing";
}

void TestVideoCut::badInputGivesMessageAndNoFrame()
{
    QFETCH(QString, name);
    QFETCH(QString, kind);
    const QString path = clips->path() + QLatin1Char('/') + name;
    QFile file(path);
    if (kind == "text") {
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray("These are not the frames you are looking for.\n").repeated(200));
        file.close();
    } else if (kind == "empty") {
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
    } else if (kind == "truncated") {
        QFile whole(clipPath("mp4"));
        QVERIFY(whole.open(QIODevice::ReadOnly) && file.open(QIODevice::WriteOnly));
        file.write(whole.read(whole.size() / 2)); // the index sits at the end
        file.close();
    } else if (kind == "audio") {
        const QString made = TestClip::makeAudioOnly(path, 3);
        QVERIFY2(made.isEmpty(), qPrintable(made));
    }

    VideoDecoder::Info info;
    const QString problem = VideoDecoder::probe(path, &info);
    QVERIFY(!problem.isEmpty());
    QVERIFY2(problem.contains(QDir::toNativeSeparators(path)), qPrintable(problem));

    const int firstId = ImageObject::peekNextId();
    const auto result = cut(path, 0, 1000);
    QVERIFY(!result->ok);
    QVERIFY(result->frames.isEmpty());
    QVERIFY2(!result->error.isEmpty(), qPrintable(kind));
    QCOMPARE(ImageObject::peekNextId(), firstId);
}

void TestVideoCut::stopDuringCutLeavesNothing()
{
    const int firstId = ImageObject::peekNextId();
    auto job = std::make_unique<VideoCutJob>(clipPath("mp4"), 0, 13000,
                                             GifFrameCutter::forUntouchedDialog(clipSize));
    QSignalSpy position(job.get(), &VideoCutJob::currentCutPos);
    QSignalSpy finished(job.get(), &VideoCutJob::finished);
    job->start();
    QVERIFY(position.wait(20000));
    QTRY_VERIFY(ImageObject::peekNextId() > firstId); // some frames are converted
    job->stop();
    QVERIFY(!job->isRunning());
    QVERIFY(job->takeFrames().isEmpty());
    for (int id = firstId; id < ImageObject::peekNextId(); ++id)
        QVERIFY2(!hasScratchFiles(id), qPrintable(QString::number(id)));
    QCoreApplication::processEvents();
    QVERIFY(finished.isEmpty() || !finished.first().first().toBool());
    job.reset();
    QVERIFY(QDir(work->tempDir()).entryList(QDir::Files).isEmpty());
}

QTEST_GUILESS_MAIN(TestVideoCut)
#include "tst_videocut.moc"
