#include "app/WorkDirectory.h"
#include "display/ImageObject.h"
#include "display/MediaObject.h"
#include "edit/GetImgeLocationDialog.h"
#include "edit/RoundAreaWidget.h"
#include "import/GifFrameCutter.h"
#include "import/LoadGifDialog.h"

#include "GifWriter.h"
#include "LogCapture.h"
#include "ScratchFiles.h"
#include "TestWorkDir.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QtTest>

#include <functional>

namespace {

QRgb frameColour(int i)
{
    return qRgb(20 * i, 255 - 20 * i, 90);
}

QByteArray gifBytes(int frames, const QSize &size = QSize(100, 80))
{
    GifWriter writer;
    for (int i = 0; i < frames; ++i)
        writer.addFrame(GifWriter::solidFrame(size, frameColour(i)));
    return writer.toByteArray();
}

QString writeFile(const TestWorkDir &work, const QString &name, const QByteArray &bytes)
{
    const QString path = work.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        return QString();
    return path;
}

QString frameFile(int number)
{
    return WorkDirectory::tempDir() + QStringLiteral("loadGif_%1.png").arg(number);
}

// Answers the modal windows an import opens, as a user would: the crop dialog
// (optionally worked on, then OK after a while) and message boxes.
class ModalDriver : public QObject
{
public:
    std::function<void(GetImgeLocationDialog &)> onCrop;
    bool escapeCrop = false; // leave the crop dialog with Escape instead of OK
    int cropHoldMs = 0;
    int cropDialogs = 0;
    QStringList messages;

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
            if (crop != current) {
                current = crop;
                ++cropDialogs;
                shown.start();
                if (onCrop)
                    onCrop(*crop);
            }
            if (shown.elapsed() < cropHoldMs)
                return;
            if (escapeCrop)
                QTest::keyClick(crop, Qt::Key_Escape);
            else
                crop->findChild<QPushButton *>(QStringLiteral("btnOk"))->click();
        } else if (auto *box = qobject_cast<QMessageBox *>(modal)) {
            messages.append(box->text());
            box->accept();
        }
    }

    QTimer timer;
    QPointer<GetImgeLocationDialog> current;
    QElapsedTimer shown;
};

void dragCircle(GetImgeLocationDialog &crop, const QPoint &delta)
{
    RoundAreaWidget *area = crop.findChild<RoundAreaWidget *>();
    const QPoint from(200, 200);
    QTest::mousePress(area, Qt::LeftButton, {}, from);
    QTest::mouseMove(area, from + delta);
    QTest::mouseRelease(area, Qt::LeftButton, {}, from + delta);
}

} // namespace

class TestLoadGifDialog : public QObject
{
    Q_OBJECT
private slots:
    void importsEveryFrameOnce_data();
    void importsEveryFrameOnce();
    void cropGeometryAppliesToEveryFrame_data();
    void cropGeometryAppliesToEveryFrame();
    void untouchedCropAgreesWithCutter_data();
    void untouchedCropAgreesWithCutter();
    void cancelDeletesEveryFrame();
    void cancelHalfwayThroughAHundredLeavesNothing();
    void escapeInTheCropDialogAddsNothing();
    void secondImportContinuesCounter();
    void unreadableFileIsRefused_data();
    void unreadableFileIsRefused();
    void failedSaveIsReported_data();
    void failedSaveIsReported();
};

void TestLoadGifDialog::importsEveryFrameOnce_data()
{
    QTest::addColumn<QByteArray>("gif");
    QTest::addColumn<int>("frames");
    QTest::addColumn<int>("reportedCount");
    QTest::addColumn<int>("cropHoldMs");

    // Ticks fall due while the crop dialog is held open: none may start a second one.
    QTest::newRow("ten frames") << gifBytes(10) << 10 << 10 << 1000;
    QTest::newRow("one frame") << gifBytes(1) << 1 << 1 << 0;
    // The count said is that of the whole frames, not what the file claims.
    QTest::newRow("last frame cut off") << GifWriter::truncatedInFrame(gifBytes(3), 2) << 2 << 2 << 0;
}

void TestLoadGifDialog::importsEveryFrameOnce()
{
    QFETCH(QByteArray, gif);
    QFETCH(int, frames);
    QFETCH(int, reportedCount);
    QFETCH(int, cropHoldMs);

    TestWorkDir work;
    const QString path = writeFile(work, QStringLiteral("anim.gif"), gif);
    QVERIFY(!path.isEmpty());
    const int firstNumber = LoadGifDialog::nextFileNumber();

    ModalDriver driver;
    driver.cropHoldMs = cropHoldMs;
    LogCapture log;
    LoadGifDialog dialog(path);
    QCOMPARE(dialog.exec(), int(QDialog::Accepted));
    QCOMPARE(driver.cropDialogs, 1);
    QVERIFY(driver.messages.isEmpty());

    MediaObject media(0, path);
    media.setGif(true);
    media.setFrames(dialog.takeFrames());
    QCOMPARE(dialog.frameCount(), 0);
    QCOMPARE(media.frameCount(), frames);
    QCOMPARE(LoadGifDialog::nextFileNumber(), firstNumber + frames);
    for (int i = 0; i < frames; ++i) {
        const ImageObject *frame = media.frame(i);
        QCOMPARE(frame->index(), i + 1);
        QCOMPARE(frame->type(), int(ImageObject::GifFrame));
        QCOMPARE(frame->displayTime(), 10.0);
        QCOMPARE(frame->sourcePath(), frameFile(firstNumber + i));
        const QImage canvas(frame->sourcePath());
        QCOMPARE(canvas.size(), QSize(450, 450));
        QCOMPARE(canvas.pixel(225, 225), frameColour(i)); // the 100 x 80 frame sits in the middle
        QCOMPARE(canvas.pixel(174, 225), qRgb(0, 0, 0));
        QCOMPARE(canvas.pixel(175, 225), frameColour(i));
        QVERIFY(QFile::exists(WorkDirectory::tempDir() + QStringLiteral("%1.buf").arg(frame->id())));
    }
    QCOMPARE(log.count(QStringLiteral("getGifImage() index = 0, count = %1").arg(reportedCount)), 1);
    QCOMPARE(log.count(QStringLiteral("x = 0, y = 0, w = 100, h = 80, QSize(100, 80)")), 1);

    bool shownLast = false;
    for (const QLabel *label : dialog.findChildren<QLabel *>())
        shownLast |= label->pixmap().size() == QSize(72, 72)
                     && label->pixmap().toImage().pixel(36, 36) == frameColour(frames - 1);
    QVERIFY(shownLast);
}

void TestLoadGifDialog::cropGeometryAppliesToEveryFrame_data()
{
    QTest::addColumn<int>("zoomIns");
    QTest::addColumn<QPoint>("drag");
    QTest::addColumn<QString>("clampLine");
    QTest::addColumn<QRect>("target");

    // 500 x 400 frames: the circle starts at (25, -25).
    QTest::newRow("dragged left of the picture") << 0 << QPoint(-125, 45)
                                                 << "x = 0, y = 20, w = 350, h = 380, QSize(500, 400)"
                                                 << QRect(50, 35, 350, 380);
    QTest::newRow("zoomed in once") << 1 << QPoint(0, 0) << "x = 50, y = 0, w = 450, h = 440, QSize(550, 440)"
                                    << QRect(0, 5, 450, 440);
    QTest::newRow("dragged off the picture") << 0 << QPoint(-700, 0)
                                             << "x = 0, y = 0, w = 0, h = 400, QSize(500, 400)" << QRect();
}

void TestLoadGifDialog::cropGeometryAppliesToEveryFrame()
{
    QFETCH(int, zoomIns);
    QFETCH(QPoint, drag);
    QFETCH(QString, clampLine);
    QFETCH(QRect, target);

    TestWorkDir work;
    const QString path = writeFile(work, QStringLiteral("wide.gif"), gifBytes(2, QSize(500, 400)));
    ModalDriver driver;
    driver.onCrop = [&](GetImgeLocationDialog &crop) {
        for (int i = 0; i < zoomIns; ++i)
            crop.onBtnZoomIn();
        if (!drag.isNull())
            dragCircle(crop, drag);
    };
    LogCapture log;
    LoadGifDialog dialog(path);
    QCOMPARE(dialog.exec(), int(QDialog::Accepted));
    QCOMPARE(log.count(clampLine), 1);

    MediaObject media(0, path);
    media.setFrames(dialog.takeFrames());
    QCOMPARE(media.frameCount(), 2);
    for (int i = 0; i < 2; ++i) {
        const QImage canvas(media.frame(i)->sourcePath());
        for (int y = 0; y < 450; ++y) {
            for (int x = 0; x < 450; ++x) {
                const QRgb expected = target.contains(x, y) ? frameColour(i) : qRgb(0, 0, 0);
                if (canvas.pixel(x, y) != expected)
                    QFAIL(qPrintable(QStringLiteral("frame %1 pixel %2,%3").arg(i).arg(x).arg(y)));
            }
        }
    }
}

void TestLoadGifDialog::untouchedCropAgreesWithCutter_data()
{
    QTest::addColumn<QSize>("size");
    QTest::newRow("300 x 200") << QSize(300, 200);
    QTest::newRow("1000 x 800") << QSize(1000, 800);
    QTest::newRow("451 x 449") << QSize(451, 449);
    QTest::newRow("1 x 1") << QSize(1, 1);
    QTest::newRow("5000 x 3") << QSize(5000, 3);
}

void TestLoadGifDialog::untouchedCropAgreesWithCutter()
{
    QFETCH(QSize, size);

    QImage frame(size, QImage::Format_RGB32);
    frame.fill(Qt::gray);
    GetImgeLocationDialog crop;
    crop.setImage(frame);
    QTimer::singleShot(0, &crop, &GetImgeLocationDialog::onBtnOk);
    crop.exec();

    const GifFrameCutter fromDialog(crop.selectionRect(), crop.scaledImageSize());
    const GifFrameCutter untouched = GifFrameCutter::forUntouchedDialog(size);
    QCOMPARE(fromDialog.imageSize(), untouched.imageSize());
    QCOMPARE(fromDialog.cropRect(), untouched.cropRect());
    QCOMPARE(fromDialog.sourceRect(), untouched.sourceRect());
    QCOMPARE(fromDialog.targetRect(), untouched.targetRect());
}

void TestLoadGifDialog::cancelDeletesEveryFrame()
{
    TestWorkDir work;
    const QString path = writeFile(work, QStringLiteral("long.gif"), gifBytes(10));
    const int firstNumber = LoadGifDialog::nextFileNumber();
    const int firstId = ImageObject::peekNextId();

    ModalDriver driver;
    LoadGifDialog dialog(path);
    int convertedAtCancel = -1;
    QTimer watcher;
    connect(&watcher, &QTimer::timeout, &dialog, [&] {
        if (dialog.frameCount() < 3 || convertedAtCancel >= 0)
            return;
        convertedAtCancel = dialog.frameCount();
        dialog.findChild<QDialogButtonBox *>()->buttons().value(0)->click();
    });
    watcher.start(20);

    LogCapture log;
    QCOMPARE(dialog.exec(), int(QDialog::Rejected));
    QVERIFY(convertedAtCancel >= 3);
    QCOMPARE(dialog.frameCount(), 0);
    QVERIFY(dialog.takeFrames().isEmpty());
    QCOMPARE(log.count(QStringLiteral("#ImageObject# delete.")), convertedAtCancel);
    for (int i = 0; i < convertedAtCancel; ++i) {
        QVERIFY(!hasScratchFiles(firstId + i));
        QVERIFY(!QFile::exists(frameFile(firstNumber + i))); // frame pictures go with their records
    }
    QCOMPARE(LoadGifDialog::nextFileNumber(), firstNumber + convertedAtCancel);
}

// Frames follow each other as fast as they convert, yet a key press queued
// while frame 50 of 100 is done is answered before more than one further
// frame, and the import leaves nothing in the scratch folder.
void TestLoadGifDialog::cancelHalfwayThroughAHundredLeavesNothing()
{
    TestWorkDir work;
    const QString path = writeFile(work, QStringLiteral("hundred.gif"), gifBytes(100, QSize(60, 40)));
    QVERIFY(!path.isEmpty());
    const int firstNumber = LoadGifDialog::nextFileNumber();
    const int firstId = ImageObject::peekNextId();

    ModalDriver driver;
    LoadGifDialog dialog(path);
    int framesAtPress = -1;
    int framesAtReject = -1;
    QTimer watcher; // a zero timer too: it runs between the frames
    connect(&watcher, &QTimer::timeout, &dialog, [&] {
        if (framesAtPress >= 0 || dialog.frameCount() < 50)
            return;
        framesAtPress = dialog.frameCount();
        QCoreApplication::postEvent(&dialog, new QKeyEvent(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier));
    });
    connect(&dialog, &QDialog::rejected, &dialog,
            [&] { framesAtReject = LoadGifDialog::nextFileNumber() - firstNumber; });
    watcher.start(0);

    LogCapture log;
    QCOMPARE(dialog.exec(), int(QDialog::Rejected));
    QVERIFY2(framesAtPress >= 50 && framesAtPress < 100, qPrintable(QString::number(framesAtPress)));
    QVERIFY2(framesAtReject >= framesAtPress && framesAtReject <= framesAtPress + 1,
             qPrintable(QStringLiteral("%1 %2").arg(framesAtPress).arg(framesAtReject)));
    QCOMPARE(dialog.frameCount(), 0);
    QVERIFY(dialog.takeFrames().isEmpty());
    QCOMPARE(log.count(QStringLiteral("#ImageObject# delete.")), framesAtReject);
    for (int id = firstId; id < ImageObject::peekNextId(); ++id)
        QVERIFY(!hasScratchFiles(id));
    QStringList left = QDir(WorkDirectory::tempDir()).entryList(QDir::Files | QDir::Hidden);
    left.removeAll(QLatin1String(WorkDirectory::markerFileName()));
    QVERIFY2(left.isEmpty(), qPrintable(left.join(QLatin1Char(' '))));
}

void TestLoadGifDialog::escapeInTheCropDialogAddsNothing()
{
    TestWorkDir work;
    const QString path = writeFile(work, QStringLiteral("three.gif"), gifBytes(3));
    ModalDriver driver;
    driver.escapeCrop = true;
    LoadGifDialog dialog(path);
    QCOMPARE(dialog.exec(), int(QDialog::Rejected));
    QCOMPARE(driver.cropDialogs, 1);
    QVERIFY(dialog.takeFrames().isEmpty());
    QVERIFY(driver.messages.isEmpty());
}

void TestLoadGifDialog::secondImportContinuesCounter()
{
    TestWorkDir work;
    const QString path = writeFile(work, QStringLiteral("three.gif"), gifBytes(3));
    const int firstNumber = LoadGifDialog::nextFileNumber();
    ModalDriver driver;
    QStringList files;
    for (int run = 0; run < 2; ++run) {
        LoadGifDialog dialog(path);
        QCOMPARE(dialog.exec(), int(QDialog::Accepted));
        MediaObject media(run, path);
        media.setFrames(dialog.takeFrames());
        for (const ImageObject *frame : media.frames())
            files.append(frame->sourcePath());
    }
    QStringList expected;
    for (int i = 0; i < 6; ++i)
        expected.append(frameFile(firstNumber + i));
    QCOMPARE(files, expected);
    QCOMPARE(driver.cropDialogs, 2); // each import chooses its own round area
}

void TestLoadGifDialog::unreadableFileIsRefused_data()
{
    QImage png(40, 40, QImage::Format_RGB32);
    png.fill(Qt::red);
    QByteArray pngBytes;
    QBuffer buffer(&pngBytes);
    buffer.open(QIODevice::WriteOnly);
    png.save(&buffer, "PNG");

    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("reason");
    QTest::newRow("empty") << QByteArray("") << "the file is empty.";
    QTest::newRow("PNG renamed") << pngBytes << "it is not a GIF picture.";
    QTest::newRow("header only") << gifBytes(2).left(40) << "the file is damaged: the file ends before its first frame.";
}

// The main window checks first; the dialog still must not import an empty picture.
void TestLoadGifDialog::unreadableFileIsRefused()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, reason);

    TestWorkDir work;
    const QString path = writeFile(work, QStringLiteral("bad.gif"), bytes);
    QVERIFY(GifFrameSource::checkFile(path).endsWith(reason));

    const int firstNumber = LoadGifDialog::nextFileNumber();
    ModalDriver driver;
    LoadGifDialog dialog(path);
    QCOMPARE(dialog.exec(), int(QDialog::Rejected));
    QCOMPARE(driver.cropDialogs, 0);
    QCOMPARE(driver.messages, QStringList{GifFrameSource::checkFile(path)});
    QCOMPARE(dialog.frameCount(), 0);
    QCOMPARE(LoadGifDialog::nextFileNumber(), firstNumber);
}

void TestLoadGifDialog::failedSaveIsReported_data()
{
    QTest::addColumn<bool>("tempDirBlocked");
    QTest::newRow("temp folder cannot be made") << true;
    QTest::newRow("frame file name taken by a folder") << false;
}

void TestLoadGifDialog::failedSaveIsReported()
{
    QFETCH(bool, tempDirBlocked);

    TestWorkDir work;
    const QString path = writeFile(work, QStringLiteral("ok.gif"), gifBytes(3));
    const int number = LoadGifDialog::nextFileNumber();
    QString named;
    if (tempDirBlocked) {
        const QString plainFile = writeFile(work, QStringLiteral("not-a-folder"), "x");
        WorkDirectory::initPrivate(plainFile); // its "temp" can never be created
        named = QDir::toNativeSeparators(WorkDirectory::tempDir());
    } else {
        QVERIFY(WorkDirectory::ensureTempDir());
        QVERIFY(QDir().mkpath(frameFile(number)));
        named = QDir::toNativeSeparators(frameFile(number));
    }

    ModalDriver driver;
    LoadGifDialog dialog(path);
    QCOMPARE(dialog.exec(), int(QDialog::Rejected));
    QCOMPARE(driver.messages.size(), 1);
    QVERIFY2(driver.messages.first().contains(named), qPrintable(driver.messages.first()));
    QCOMPARE(dialog.frameCount(), 0);
    QCOMPARE(LoadGifDialog::nextFileNumber(), number);
    const QStringList leftovers = QDir(WorkDirectory::tempDir()).entryList({QStringLiteral("loadGif_*")}, QDir::Files);
    QVERIFY2(leftovers.isEmpty(), qPrintable(leftovers.join(QLatin1Char(' '))));
}

QTEST_MAIN(TestLoadGifDialog)
#include "tst_loadgifdialog.moc"
