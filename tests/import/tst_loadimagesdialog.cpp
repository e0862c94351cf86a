// The picture import dialog: progress, hand-over to the main window, files
// that cannot be read, and cancelling at any moment without losing or
// leaking a picture.
#include "app/WorkDirectory.h"
#include "display/ImageObject.h"
#include "display/PolarSampling.h"
#include "import/LoadImagesDialog.h"
#include "import/PictureLoader.h"
#include "import/PictureSink.h"
#include "messaging/HandlerMessage.h"
#include "messaging/HandlerThread.h"

#include "LogCapture.h"
#include "ScratchFiles.h"
#include "TestWorkDir.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QLabel>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTranslator>
#include <QtTest>

#include <atomic>
#include <functional>

namespace {

constexpr int probeWhat = 1001; // not a code of the program

QRgb coordinateColour(int x, int y)
{
    return qRgb(x % 256, y % 256, 77);
}

QString writePicture(const TestWorkDir &work, const QString &name, const QSize &size)
{
    QImage picture(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y) {
        for (int x = 0; x < size.width(); ++x)
            picture.setPixel(x, y, coordinateColour(x, y));
    }
    const QString path = work.filePath(name);
    return picture.save(path, "PNG") ? path : QString();
}

QString writeFile(const TestWorkDir &work, const QString &name, const QByteArray &bytes)
{
    const QString path = work.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        return QString();
    return path;
}

// Stands in for the main window's picture list.
class FakeSink : public PictureSink
{
public:
    ~FakeSink() override { qDeleteAll(pictures); }
    void addPicture(ImageObject *object) override
    {
        pictures.append(object);
        if (onAdd)
            onAdd();
    }
    void addPictureFile(const QString &path) override { files.append(path); }

    QList<ImageObject *> pictures;
    QStringList files;
    std::function<void()> onAdd;
};

// Tells when the shared looper has finished everything queued before.
class LooperDrain : public HandlerMessage
{
public:
    LooperDrain() : HandlerMessage(HandlerThread::instance()) {}
    bool wait()
    {
        passed.store(false);
        sendEmptyHandlerMessage(probeWhat);
        return QTest::qWaitFor([this] { return passed.load(); }, 20000);
    }
    void handlerMessage(Message *) override { passed.store(true); }

private:
    std::atomic<bool> passed{false};
};

// Answers message boxes and, once the import is over, presses "Import completed".
class ModalDriver : public QObject
{
public:
    ModalDriver(QPushButton *finish, bool waitForBox) : finish(finish), waitForBox(waitForBox)
    {
        connect(&timer, &QTimer::timeout, this, &ModalDriver::poll);
        timer.start(10);
    }

    QStringList titles;
    QStringList texts;

private:
    void poll()
    {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            titles.append(box->windowTitle());
            texts.append(box->text());
            box->accept();
        } else if (finish && finish->isEnabled() && (!waitForBox || !texts.isEmpty())) {
            finish->click();
            finish.clear();
        }
    }

    QTimer timer;
    QPointer<QPushButton> finish;
    bool waitForBox;
};

QPushButton *roleButton(const QDialog &dialog, QDialogButtonBox::ButtonRole role)
{
    const QDialogButtonBox *box = dialog.findChild<QDialogButtonBox *>();
    for (QAbstractButton *button : box->buttons()) {
        if (box->buttonRole(button) == role)
            return qobject_cast<QPushButton *>(button);
    }
    return nullptr;
}

// Every record made since firstId keeps its scratch files exactly when the sink holds it.
bool onlySinkPicturesKeepFiles(const FakeSink &sink, int firstId)
{
    QList<int> kept;
    for (const ImageObject *picture : sink.pictures)
        kept.append(picture->id());
    for (int id = firstId; id < ImageObject::peekNextId(); ++id) {
        if (hasScratchFiles(id) != kept.contains(id))
            return false;
    }
    return true;
}

} // namespace

class TestLoadImagesDialog : public QObject
{
    Q_OBJECT
public:
    enum CancelBy { CancelButton, EscapeKey, DeletedInLoop };
    Q_ENUM(CancelBy)

private slots:
    void initTestCase();
    void showsProgressAndHandsOverEachPicture();
    void cancelDuringSecondKeepsOnlyFirst();
    void cancelAtAnyMomentKeepsWhatWasHandedOver_data();
    void cancelAtAnyMomentKeepsWhatWasHandedOver();
    void unreadableFilesAreSkippedAndListed_data();
    void unreadableFilesAreSkippedAndListed();

private:
    QTranslator english;
};

void TestLoadImagesDialog::initTestCase()
{
    QVERIFY(english.load(QStringLiteral(":/ts/translate_en_US.qm")));
    QCoreApplication::installTranslator(&english);
}

void TestLoadImagesDialog::showsProgressAndHandsOverEachPicture()
{
    TestWorkDir work;
    const QList<QSize> sizes{{400, 300}, {300, 400}, {300, 300}};
    const QList<QRect> squares{{50, 0, 300, 300}, {0, 50, 300, 300}, {0, 0, 300, 300}};
    QStringList files;
    for (int i = 0; i < sizes.size(); ++i)
        files.append(writePicture(work, QStringLiteral("p%1.png").arg(i), sizes.at(i)));

    FakeSink sink;
    LoadImagesDialog dialog(files, &sink);
    auto *tipLabel = dialog.findChild<QLabel *>(QStringLiteral("tipLabel"));
    auto *pathLabel = dialog.findChild<QLabel *>(QStringLiteral("pathLabel"));
    auto *previewLabel = dialog.findChild<QLabel *>(QStringLiteral("previewLabel"));
    QPushButton *loadOver = roleButton(dialog, QDialogButtonBox::YesRole);
    QVERIFY(tipLabel && pathLabel && previewLabel && loadOver);
    QCOMPARE(loadOver->text(), QStringLiteral("Import completed"));
    QVERIFY(!loadOver->isEnabled());

    QStringList tips;
    QStringList paths;
    QList<bool> enabledAtHandOver;
    QList<QRgb> previewCorners;
    sink.onAdd = [&] {
        tips.append(tipLabel->text());
        paths.append(pathLabel->text());
        enabledAtHandOver.append(loadOver->isEnabled());
        const QImage shown = previewLabel->pixmap().toImage();
        previewCorners.append(shown.size() == QSize(300, 300) ? shown.pixel(0, 0) : 0);
    };
    ModalDriver driver(loadOver, false);
    QCOMPARE(dialog.exec(), int(QDialog::Accepted));
    QVERIFY(driver.texts.isEmpty());

    QCOMPARE(sink.pictures.size(), files.size());
    QCOMPARE(enabledAtHandOver, (QList<bool>{false, false, false}));
    for (int i = 0; i < files.size(); ++i) {
        QCOMPARE(tips.at(i), QStringLiteral("Importing the %1 picture, a total of 3 picture").arg(i + 1));
        QCOMPARE(paths.at(i), QStringLiteral("Picture the path and file name:%1").arg(files.at(i)));
        QCOMPARE(previewCorners.at(i), coordinateColour(squares.at(i).left(), squares.at(i).top()));

        ImageObject *picture = sink.pictures.at(i);
        QCOMPARE(picture->sourcePath(), files.at(i));
        QCOMPARE(picture->index(), 0);
        QCOMPARE(picture->displayTime(), 5.0);
        QCOMPARE(picture->type(), int(ImageObject::PictureFile));
        QCOMPARE(picture->cropRect(), squares.at(i)); // from the whole picture, not the square
        QCOMPARE(picture->thumbnail().size(), QSize(60, 60));
        QCOMPARE(picture->thread(), dialog.thread());
        // What a conversion of the same file outside the import stores.
        QCOMPARE(picture->ledData(), PolarSampling::ledDataOf(PictureLoader(files.at(i)).square(), 112, 450));
    }
}

void TestLoadImagesDialog::cancelDuringSecondKeepsOnlyFirst()
{
    TestWorkDir work;
    QStringList files;
    for (int i = 0; i < 3; ++i)
        files.append(writePicture(work, QStringLiteral("p%1.png").arg(i), QSize(120, 90)));
    const int firstId = ImageObject::peekNextId();
    LooperDrain drain;
    LogCapture log;

    FakeSink sink;
    auto *dialog = new LoadImagesDialog(files, &sink);
    sink.onAdd = [&] {
        if (sink.pictures.size() == 1) // the worker goes on with the second file meanwhile
            QTimer::singleShot(0, roleButton(*dialog, QDialogButtonBox::NoRole), &QPushButton::click);
    };
    QCOMPARE(dialog->exec(), int(QDialog::Rejected));
    delete dialog;
    QVERIFY(drain.wait());

    QCOMPARE(sink.pictures.size(), 1);
    QCOMPARE(sink.pictures.first()->sourcePath(), files.first());
    QVERIFY(sink.files.isEmpty());
    QVERIFY(onlySinkPicturesKeepFiles(sink, firstId)); // a second record, if made, is gone
    QVERIFY(log.contains(QStringLiteral("#LoadImagesHandler# stopped at file 2 of 3")));
    QCOMPARE(log.count(QStringLiteral("~LoadImagesDialog()")), 1);
}

void TestLoadImagesDialog::cancelAtAnyMomentKeepsWhatWasHandedOver_data()
{
    QTest::addColumn<CancelBy>("cancelBy");
    QTest::newRow("Cancel button") << CancelButton;
    QTest::newRow("Escape") << EscapeKey;
    QTest::newRow("dialog deleted in its own loop") << DeletedInLoop;
}

// The cancel lands at varying moments: before the start, while a file is
// read or converted, while a report waits for the dialog, after the end.
void TestLoadImagesDialog::cancelAtAnyMomentKeepsWhatWasHandedOver()
{
    QFETCH(CancelBy, cancelBy);

    TestWorkDir work;
    QStringList files;
    for (int i = 0; i < 3; ++i)
        files.append(writePicture(work, QStringLiteral("p%1.png").arg(i), QSize(160 + 20 * i, 120)));
    LooperDrain drain;

    for (int round = 0; round < 24; ++round) {
        const int firstId = ImageObject::peekNextId();
        FakeSink sink;
        QPointer<LoadImagesDialog> dialog = new LoadImagesDialog(files, &sink);
        QTimer::singleShot((round * 7) % 50, dialog, [&] {
            switch (cancelBy) {
            case CancelButton:
                roleButton(*dialog, QDialogButtonBox::NoRole)->click();
                break;
            case EscapeKey:
                QTest::keyClick(dialog, Qt::Key_Escape);
                break;
            case DeletedInLoop:
                delete dialog;
                break;
            }
        });
        QCOMPARE(dialog->exec(), int(QDialog::Rejected));
        delete dialog;
        QVERIFY(drain.wait());

        QVERIFY(sink.pictures.size() <= files.size());
        for (int i = 0; i < sink.pictures.size(); ++i)
            QCOMPARE(sink.pictures.at(i)->sourcePath(), files.at(i));
        QVERIFY2(onlySinkPicturesKeepFiles(sink, firstId), qPrintable(QString::number(round)));
    }
}

void TestLoadImagesDialog::unreadableFilesAreSkippedAndListed_data()
{
    QTest::addColumn<QStringList>("names"); // "good", "empty", "text", "missing"
    QTest::addColumn<QStringList>("skippedLines");

    QTest::newRow("one in the middle") << QStringList{"good", "empty", "good"}
                                       << QStringList{"1.png: the file is empty."};
    QTest::newRow("last one") << QStringList{"good", "text"}
                              << QStringList{"1.png: it is not a picture Rotavue can read."};
    QTest::newRow("all of them") << QStringList{"missing", "text", "empty"}
                                 << QStringList{"0.png: the file does not exist.",
                                                "1.png: it is not a picture Rotavue can read.",
                                                "2.png: the file is empty."};
    QTest::newRow("no files at all") << QStringList() << QStringList();
}

void TestLoadImagesDialog::unreadableFilesAreSkippedAndListed()
{
    QFETCH(QStringList, names);
    QFETCH(QStringList, skippedLines);

    TestWorkDir work;
    QStringList files;
    QStringList goodFiles;
    for (int i = 0; i < names.size(); ++i) {
        const QString name = QStringLiteral("%1.png").arg(i);
        if (names.at(i) == "good")
            goodFiles.append(writePicture(work, name, QSize(50, 40)));
        else if (names.at(i) == "empty")
            writeFile(work, name, QByteArray(""));
        else if (names.at(i) == "text")
            writeFile(work, name, QByteArray("not a picture\n"));
        files.append(work.filePath(name));
    }

    FakeSink sink; // already holds a picture, which must stay untouched
    const QString earlier = writePicture(work, QStringLiteral("earlier.png"), QSize(30, 30));
    sink.pictures.append(new ImageObject(1, earlier, 5, ImageObject::PictureFile));
    PolarSampling::imageToLedData(QImage(earlier), sink.pictures.first());
    const int earlierId = sink.pictures.first()->id();
    const int firstId = ImageObject::peekNextId();

    LoadImagesDialog dialog(files, &sink);
    ModalDriver driver(roleButton(dialog, QDialogButtonBox::YesRole), !skippedLines.isEmpty());
    QCOMPARE(dialog.exec(), int(QDialog::Accepted)); // "Import completed" could be pressed

    QCOMPARE(sink.pictures.size(), 1 + goodFiles.size());
    QCOMPARE(sink.pictures.first()->id(), earlierId);
    QVERIFY(hasScratchFiles(earlierId));
    for (int i = 0; i < goodFiles.size(); ++i)
        QCOMPARE(sink.pictures.at(1 + i)->sourcePath(), goodFiles.at(i));
    QVERIFY(sink.files.isEmpty()); // nothing converted as a black picture behind the list's back
    QCOMPARE(ImageObject::peekNextId(), firstId + int(goodFiles.size())); // no record for a skipped file

    if (skippedLines.isEmpty()) {
        QVERIFY(driver.texts.isEmpty());
        return;
    }
    QStringList expected{QStringLiteral("These files could not be imported and were skipped:"), QString()};
    for (const QString &line : skippedLines)
        expected.append(QDir::toNativeSeparators(work.filePath(line)));
    QCOMPARE(driver.titles, QStringList{QStringLiteral("Tip")});
    QCOMPARE(driver.texts.size(), 1);
    QCOMPARE(driver.texts.first().split(QLatin1Char('\n')), expected);
}

QTEST_MAIN(TestLoadImagesDialog)
#include "tst_loadimagesdialog.moc"
