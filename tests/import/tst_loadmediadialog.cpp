#include "display/ImageObject.h"
#include "edit/GetImgeLocationDialog.h"
#include "import/LoadMediaDialog.h"
#include "import/ProgressDialog.h"

#include "ScratchFiles.h"
#include "TestClip.h"
#include "TestWorkDir.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QMessageBox>
#include <QPointer>
#include <QProcess>
#include <QPushButton>
#include <QSlider>
#include <QTemporaryDir>
#include <QThread>
#include <QTranslator>
#include <QtTest>

#include <functional>
#include <memory>

namespace {

const QSize clipSize(400, 300);

// Answers the modal windows of an import as a user would: OK in the crop
// dialog (after an optional action), message boxes noted and closed, and an
// action on the progress dialog once the cut has moved.
class ModalDriver : public QObject
{
public:
    std::function<void(GetImgeLocationDialog &)> onCrop;
    std::function<void(ProgressDialog &)> onProgress;
    QStringList messages;
    int cropDialogs = 0;
    int progressDialogs = 0;

    ModalDriver()
    {
        connect(&timer, &QTimer::timeout, this, &ModalDriver::poll);
        timer.start(10);
    }

private:
    void poll()
    {
        QWidget *modal = QApplication::activeModalWidget();
        if (auto *crop = qobject_cast<GetImgeLocationDialog *>(modal)) {
            if (crop == lastCrop)
                return;
            lastCrop = crop;
            ++cropDialogs;
            if (onCrop)
                onCrop(*crop);
            crop->findChild<QPushButton *>(QStringLiteral("btnOk"))->click();
        } else if (auto *box = qobject_cast<QMessageBox *>(modal)) {
            messages.append(box->text());
            box->accept();
        } else if (auto *progress = qobject_cast<ProgressDialog *>(modal)) {
            if (progress != lastProgress) {
                lastProgress = progress;
                ++progressDialogs;
                startText = progress->textLabel()->text();
            }
            // The position in the text says the cut has produced a frame.
            if (onProgress && progress->textLabel()->text() != startText) {
                auto act = std::move(onProgress);
                onProgress = nullptr;
                act(*progress);
            }
        }
    }

    QTimer timer;
    QPointer<GetImgeLocationDialog> lastCrop;
    QPointer<ProgressDialog> lastProgress;
    QString startText;
};

QPushButton *button(LoadMediaDialog &dialog, const char *name)
{
    return dialog.findChild<QPushButton *>(QLatin1String(name));
}

QSlider *slider(LoadMediaDialog &dialog, const char *name)
{
    return dialog.findChild<QSlider *>(QLatin1String(name));
}

// Opens the clip in a shown dialog and waits until the crop is chosen and Start is offered.
bool openAndWait(LoadMediaDialog &dialog, const QString &path)
{
    dialog.show();
    if (!dialog.openVideo(path))
        return false;
    return QTest::qWaitFor([&] { return button(dialog, "okBut")->isEnabled(); }, 20000);
}

} // namespace

class TestLoadMediaDialog : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void startSliderLimitsTheEndSlider();
    void startWhilePlayingDoesNothing();
    void cutGivesSortedFramesOfTheStretch();
    void stretchWithoutFramesTellsAndAddsNothing();
    void cancelDuringCutLeavesNothing();
    void destroyingTheDialogMidCutStopsEverything();
    void badFileIsRefusedWithItsReason_data();
    void badFileIsRefusedWithItsReason();

private:
    QString clip(const QString &name) const { return clips->path() + QStringLiteral("/clips ä 視頻/") + name; }
    std::unique_ptr<TestWorkDir> work;
    std::unique_ptr<QTemporaryDir> clips;
    QTranslator english;
};

void TestLoadMediaDialog::initTestCase()
{
    // The program always runs with a catalogue; the keys alone are not texts.
    QVERIFY(english.load(QStringLiteral(":/ts/translate_en_US.qm")));
    QCoreApplication::installTranslator(&english);
    work = std::make_unique<TestWorkDir>();
    clips = std::make_unique<QTemporaryDir>();
    QVERIFY(QDir(clips->path()).mkdir(QStringLiteral("clips ä 視頻")));
    QString made = TestClip::make(clip("clip 14 s.mp4"), 14, clipSize);
    QVERIFY2(made.isEmpty(), qPrintable(made));
    made = TestClip::make(clip("clip 120 s.mkv"), 120, QSize(160, 120), 5);
    QVERIFY2(made.isEmpty(), qPrintable(made));
}

void TestLoadMediaDialog::startSliderLimitsTheEndSlider()
{
    ModalDriver driver;
    LoadMediaDialog dialog;
    QVERIFY(openAndWait(dialog, clip("clip 120 s.mkv")));
    QCOMPARE(driver.cropDialogs, 1);
    QSlider *start = slider(dialog, "sliderStartTime");
    QSlider *end = slider(dialog, "sliderEndTime");
    QCOMPARE(start->maximum(), 120);
    QCOMPARE(end->maximum(), 120);
    QCOMPARE(end->value(), 120);
    start->setValue(30);
    QCOMPARE(end->maximum(), 90);
    QCOMPARE(end->value(), 90);
    QCOMPARE(dialog.startTime(), qint64(30000));
    QCOMPARE(dialog.endTime(), qint64(120000));
    QCOMPARE(dialog.findChild<QLabel *>(QStringLiteral("lblStartTime"))->text(), LoadMediaDialog::timeText(30000));
    QCOMPARE(dialog.findChild<QLabel *>(QStringLiteral("lblEndTime"))->text(), LoadMediaDialog::timeText(120000));
    end->setValue(12);
    QCOMPARE(dialog.endTime(), qint64(42000));
    QCOMPARE(LoadMediaDialog::timeText(3723000), QStringLiteral("1H 2M 3S"));
}

void TestLoadMediaDialog::startWhilePlayingDoesNothing()
{
    ModalDriver driver;
    LoadMediaDialog dialog;
    // The crop dialog opens while the player still plays: Start then must not cut.
    driver.onCrop = [&](GetImgeLocationDialog &) { dialog.onBtnStart(); };
    QVERIFY(openAndWait(dialog, clip("clip 14 s.mp4")));
    QCOMPARE(driver.cropDialogs, 1);
    QCOMPARE(driver.progressDialogs, 0);
    const QList<ImageObject *> frames = dialog.takeFrames();
    qDeleteAll(frames);
    QVERIFY(frames.isEmpty());
    QVERIFY(dialog.isVisible());
}

void TestLoadMediaDialog::cutGivesSortedFramesOfTheStretch()
{
    ModalDriver driver;
    LoadMediaDialog dialog;
    QVERIFY(openAndWait(dialog, clip("clip 14 s.mp4")));
    slider(dialog, "sliderStartTime")->setValue(10);
    slider(dialog, "sliderEndTime")->setValue(2);
    QCOMPARE(dialog.startTime(), qint64(10000));
    QCOMPARE(dialog.endTime(), qint64(12000));
    button(dialog, "okBut")->click();
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(driver.progressDialogs, 1);
    const QList<ImageObject *> frames = dialog.takeFrames();
    QCOMPARE(frames.size(), 21);
    for (int i = 0; i < frames.size(); ++i) {
        QCOMPARE(frames.at(i)->index(), i + 1);
        QCOMPARE(qRound(frames.at(i)->captureTime()), 10000 + 100 * i + (i % 2 ? 20 : 0));
        QCOMPARE(TestClip::frameShownIn(frames.at(i), clipSize), qRound(frames.at(i)->captureTime()) / 40);
    }
    qDeleteAll(frames);
    QVERIFY(driver.messages.isEmpty());
}

void TestLoadMediaDialog::stretchWithoutFramesTellsAndAddsNothing()
{
    // Pictures for two seconds, sound for six: the clip is six seconds long.
    const QString path = clip("short picture.mkv");
    QProcess ffmpeg;
    ffmpeg.start("ffmpeg", {"-v", "error", "-y", "-nostdin", "-f", "lavfi", "-i", "color=c=red:s=160x120:r=25:d=2",
                            "-f", "lavfi", "-i", "sine=duration=6", "-c:v", "libx264", "-c:a", "aac", path});
    QVERIFY(ffmpeg.waitForFinished(60000) && ffmpeg.exitCode() == 0);

    ModalDriver driver;
    LoadMediaDialog dialog;
    QVERIFY(openAndWait(dialog, path));
    QCOMPARE(slider(dialog, "sliderStartTime")->maximum(), 6);
    slider(dialog, "sliderStartTime")->setValue(4);
    const int firstId = ImageObject::peekNextId();
    button(dialog, "okBut")->click();
    QCOMPARE(driver.messages.size(), 1);
    QVERIFY2(driver.messages.first().contains(QStringLiteral("No frame")), qPrintable(driver.messages.first()));
    QVERIFY(dialog.isVisible()); // another stretch may be chosen
    QVERIFY(dialog.takeFrames().isEmpty());
    QCOMPARE(ImageObject::peekNextId(), firstId);
}

void TestLoadMediaDialog::cancelDuringCutLeavesNothing()
{
    ModalDriver driver;
    LoadMediaDialog dialog;
    QVERIFY(openAndWait(dialog, clip("clip 14 s.mp4")));
    const QStringList scratchBefore = QDir(work->tempDir()).entryList(QDir::Files);
    const int firstId = ImageObject::peekNextId();
    driver.onProgress = [](ProgressDialog &progress) {
        progress.findChild<QPushButton *>()->click();
    };
    button(dialog, "okBut")->click();
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    QVERIFY(!dialog.isVisible());
    QVERIFY(dialog.takeFrames().isEmpty());
    for (int id = firstId; id < ImageObject::peekNextId(); ++id)
        QVERIFY(!hasScratchFiles(id));
    QCOMPARE(QDir(work->tempDir()).entryList(QDir::Files), scratchBefore);
}

void TestLoadMediaDialog::destroyingTheDialogMidCutStopsEverything()
{
    ModalDriver driver;
    QPointer<LoadMediaDialog> dialog = new LoadMediaDialog;
    QVERIFY(openAndWait(*dialog, clip("clip 14 s.mp4")));
    const QStringList scratchBefore = QDir(work->tempDir()).entryList(QDir::Files);
    const int firstId = ImageObject::peekNextId();
    driver.onProgress = [&](ProgressDialog &) { delete dialog.data(); };
    QTimer::singleShot(0, dialog.data(), [&] { button(*dialog, "okBut")->click(); });
    QTRY_VERIFY_WITH_TIMEOUT(dialog.isNull(), 20000);
    for (int id = firstId; id < ImageObject::peekNextId(); ++id)
        QVERIFY(!hasScratchFiles(id));
    QCOMPARE(QDir(work->tempDir()).entryList(QDir::Files), scratchBefore);
}

void TestLoadMediaDialog::badFileIsRefusedWithItsReason_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("renamed text file") << "notes.mp4" << QByteArray("just some words\n").repeated(100);
    QTest::newRow("empty file") << "empty.avi" << QByteArray();
}

void TestLoadMediaDialog::badFileIsRefusedWithItsReason()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    const QString path = clip(name);
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    file.close();
    ModalDriver driver;
    LoadMediaDialog dialog;
    QVERIFY(!dialog.openVideo(path));
    QCOMPARE(driver.messages.size(), 1);
    QVERIFY2(driver.messages.first().contains(QDir::toNativeSeparators(path)), qPrintable(driver.messages.first()));
}

QTEST_MAIN(TestLoadMediaDialog)
#include "tst_loadmediadialog.moc"
