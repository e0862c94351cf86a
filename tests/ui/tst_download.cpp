#include "card/VolumeSource.h"
#include "display/ImageObject.h"
#include "display/PlayMediaHandler.h"
#include "ui/MainWindow.h"

#include "FakeStick.h"
#include "TestWorkDir.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QThread>
#include <QTimer>
#include <QTranslator>

#include <functional>
#include <utility>

namespace {

QString writePicture(const QString &path, QRgb colour)
{
    QImage picture(320, 200, QImage::Format_RGB32);
    picture.fill(colour);
    QPainter(&picture).fillRect(100, 50, 60, 60, Qt::white);
    picture.save(path);
    return path;
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Plays the user's part in the download dialogs: picks the first stick, types
// the name, and reads the message that ends it all.
class DownloadDriver : public QObject
{
public:
    explicit DownloadDriver(const QString &name) : name(name)
    {
        connect(&timer, &QTimer::timeout, this, &DownloadDriver::step);
        timer.start(20);
    }
    QString message;
    QStringList seen;
    QStringList questions;                          // OK/Cancel boxes, in the order asked
    std::function<bool(const QString &)> answer;    // OK when it returns true (the default)
    std::function<void()> beforeName;               // runs before the name is entered
    std::function<void(QDialog *)> onProgress;

private:
    void step()
    {
        auto *modal = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        if (!modal)
            return;
        const QString kind = QString::fromLatin1(modal->metaObject()->className());
        if (seen.isEmpty() || seen.last() != kind)
            seen.append(kind);
        if (kind == QLatin1String("SelectUsbPathDialog")) {
            modal->findChild<QPushButton *>(QStringLiteral("okBut"))->click();
        } else if (kind == QLatin1String("GetSaveFileDialog")) {
            if (beforeName)
                std::exchange(beforeName, nullptr)();
            modal->findChild<QLineEdit *>(QStringLiteral("txtFileName"))->setText(name);
            modal->findChild<QPushButton *>(QStringLiteral("okBut"))->click();
        } else if (kind == QLatin1String("LoadImagesDialog")) {
            // Finish the import once the last picture has been handed over.
            for (QPushButton *button : modal->findChildren<QPushButton *>()) {
                if (button->text() == QLatin1String("Import completed") && button->isEnabled())
                    button->click();
            }
        } else if (kind == QLatin1String("ProgressDialog")) {
            if (onProgress)
                onProgress(modal);
        } else if (auto *box = qobject_cast<QMessageBox *>(modal)) {
            if (QAbstractButton *cancel = box->button(QMessageBox::Cancel)) {
                questions.append(box->text());
                const bool ok = !answer || answer(box->text());
                (ok ? box->button(QMessageBox::Ok) : cancel)->click();
                return;
            }
            message = box->text();
            box->accept();
        }
    }
    QString name;
    QTimer timer;
};

} // namespace

class TestDownload : public QObject
{
    Q_OBJECT

private:
    TestWorkDir work;
    QTranslator english;

    void fillPlaylist(MainWindow &window)
    {
        window.addPictureFile(writePicture(work.filePath(QStringLiteral("a.png")), 0xFFCC2200));
        window.addPictureFile(writePicture(work.filePath(QStringLiteral("b.png")), 0xFF0044CC));
        window.pictureList().at(1)->setDisplayTime(2.5);
    }

private slots:
    void initTestCase()
    {
        QVERIFY(english.load(QStringLiteral(":/ts/translate_en_US.qm")));
        QCoreApplication::installTranslator(&english);
    }

    void sticksFollowMountsAndUnmounts()
    {
        FakeStick sticks;
        const QString first = sticks.mount(QStringLiteral("FIRST"));
        VolumeSource *volumes = sticks.volumeSource();
        MainWindow window(volumes);
        QCOMPARE(window.disks().size(), 1);
        QCOMPARE(window.disks().at(0).path, first);

        QSignalSpy mounted(&window, &MainWindow::usbMountEvent);
        QSignalSpy unmounted(&window, &MainWindow::usbUMountEvent);
        const QString second = sticks.mount(QStringLiteral("SECOND"));
        volumes->rescan();
        QCOMPARE(mounted.count(), 1);
        QCOMPARE(mounted.at(0).at(0).toString(), second);
        window.AddDisk(second); // already listed: nothing changes, nothing is said
        QCOMPARE(mounted.count(), 1);
        QCOMPARE(window.disks().size(), 2);

        sticks.unmount(QStringLiteral("FIRST"));
        volumes->rescan();
        QCOMPARE(unmounted.count(), 1);
        QCOMPARE(unmounted.at(0).at(0).toString(), first);
        QCOMPARE(window.disks().size(), 1);
        QCOMPARE(window.disks().at(0).path, second);
        window.DeleteDisk(first); // not listed any more: nothing is said
        QCOMPARE(unmounted.count(), 1);
    }

    void downloadWritesTheCard()
    {
        FakeStick sticks;
        const QString stick = sticks.mount(QStringLiteral("STICK"));
        MainWindow window(sticks.volumeSource());
        fillPlaylist(window);
        DownloadDriver driver(QStringLiteral("show"));
        window.onActionDownToUsb();
        const QString card = stick + QStringLiteral("/show.bin");
        QCOMPARE(driver.message, QStringLiteral("Download success: %1").arg(card));
        // The busy dialog may come and go between two looks of the driver.
        driver.seen.removeAll(QStringLiteral("ProgressDialog"));
        QCOMPARE(driver.seen, (QStringList{"SelectUsbPathDialog", "GetSaveFileDialog", "QMessageBox"}));
        const QByteArray bytes = readFile(card);
        QCOMPARE(bytes.size(), 4096 + 2 * 114688);
        QCOMPARE(bytes.mid(16, 12), QByteArray::fromHex("000100013201" "000200021901"));
        QCOMPARE(bytes.mid(4096 + 114688, 114688), window.pictureList().at(1)->ledData());
        QCOMPARE(QDir(stick).entryList(QDir::Files | QDir::Hidden), QStringList{"show.bin"});
    }

    // Import three pictures through the import dialog, download them through the
    // main window's download path to a fake stick, and read the card back.
    void importAndDownloadEndToEnd()
    {
        FakeStick sticks;
        const QString stick = sticks.mount(QStringLiteral("STICK"));
        MainWindow window(sticks.volumeSource());
        const QStringList files = {writePicture(work.filePath(QStringLiteral("one.png")), 0xFFCC2200),
                                   writePicture(work.filePath(QStringLiteral("two.png")), 0xFF0044CC),
                                   writePicture(work.filePath(QStringLiteral("three.png")), 0xFF22AA44)};
        {
            DownloadDriver importer{QString()};
            window.importPictures(files);
        }
        const QList<ImageObject *> pictures = window.pictureList();
        QCOMPARE(pictures.size(), 3);
        pictures.at(1)->setDisplayTime(2.5);
        pictures.at(2)->setDisplayTime(30); // beyond what the time byte holds

        DownloadDriver driver(QStringLiteral("show"));
        window.onActionDownToUsb();
        const QString card = stick + QStringLiteral("/show.bin");
        QCOMPARE(driver.message, QStringLiteral("Download success: %1").arg(card));
        QCOMPARE(driver.questions.size(), 1); // picture 3 shows 25.5 s, not 30
        QVERIFY2(driver.questions.first().contains(QLatin1String("25.5 s: 3.")), qPrintable(driver.questions.first()));

        const int block = 114688;
        const QByteArray bytes = readFile(card);
        QCOMPARE(bytes.size(), 4096 + 3 * block);
        QCOMPARE(bytes.left(16), QByteArray::fromHex("22112233445566770003000000000000"));
        QCOMPARE(bytes.mid(16, 18), QByteArray::fromHex("000100013201" "000200021901" "00030003ff01"));
        QCOMPARE(bytes.mid(34, 3016 - 34), QByteArray(3016 - 34, '\0'));
        QCOMPARE(bytes.mid(3016, 16), QByteArray::fromHex("00000000000000007766554433221100"));
        QCOMPARE(bytes.mid(3032, 4096 - 3032), QByteArray(4096 - 3032, '\0'));
        for (int i = 0; i < 3; ++i) {
            const QByteArray stored = readFile(pictures.at(i)->bufferPath());
            QCOMPARE(stored.size(), block);
            QCOMPARE(bytes.mid(4096 + i * block, block), stored);
        }
    }

    void failedDownloadsSaySo_data()
    {
        QTest::addColumn<QString>("problem");
        QTest::addColumn<QString>("expected");
        QTest::newRow("unwritable target") << "missing folder" << "missing/show.bin";
        QTest::newRow("full stick") << "no space" << "show.bin";
        QTest::newRow("unreadable picture") << "lost buffer" << "picture 2";
    }

    void failedDownloadsSaySo()
    {
        QFETCH(QString, problem);
        QFETCH(QString, expected);
        FakeStick sticks;
        const QString stick = sticks.mount(QStringLiteral("STICK"));
        MainWindow window(sticks.volumeSource());
        fillPlaylist(window);
        QString target = stick + QStringLiteral("/show.bin");
        if (problem == QLatin1String("missing folder"))
            target = stick + QStringLiteral("/missing/show.bin");
        if (problem == QLatin1String("no space"))
            window.handler()->cardWriter().setFreeSpaceQuery([](const QString &) { return qint64(5000); });
        if (problem == QLatin1String("lost buffer"))
            QVERIFY(QFile::remove(window.pictureList().at(1)->bufferPath()));
        const QByteArray firstPicture = window.pictureList().at(0)->ledData();

        DownloadDriver driver{QString()};
        window.startDownload(target);
        QVERIFY2(!driver.message.startsWith(QLatin1String("Download success")), qPrintable(driver.message));
        QVERIFY2(driver.message.contains(expected), qPrintable(driver.message));
        QCOMPARE(window.pictureList().size(), 2);
        QCOMPARE(window.pictureList().at(0)->ledData(), firstPicture);
        if (problem != QLatin1String("lost buffer"))
            QVERIFY(!QFile::exists(target));
    }

    void askedBeforeWriting_data();
    void askedBeforeWriting();
    void stickPulledDuringTheNamePromptWritesNothing();

    void cancelStopsTheDownload()
    {
        FakeStick sticks;
        const QString stick = sticks.mount(QStringLiteral("STICK"));
        MainWindow window(sticks.volumeSource());
        fillPlaylist(window);
        // The writer first asks for the free space: hold it there until the user has cancelled.
        QAtomicInt cancelled;
        window.handler()->cardWriter().setFreeSpaceQuery([&cancelled](const QString &) {
            for (int waited = 0; !cancelled.loadAcquire() && waited < 5000; waited += 5)
                QThread::msleep(5);
            return qint64(1) << 40;
        });
        DownloadDriver driver{QString()};
        driver.onProgress = [&cancelled](QDialog *progress) {
            if (!cancelled.loadAcquire()) {
                progress->reject();
                cancelled.storeRelease(1);
            }
        };
        const QString target = stick + QStringLiteral("/show.bin");
        window.startDownload(target);
        QVERIFY2(driver.message.contains(QLatin1String("cancelled")), qPrintable(driver.message));
        QVERIFY(!QFile::exists(target));
        QCOMPARE(QDir(stick).entryList(QDir::Files | QDir::Hidden), QStringList());
        QCOMPARE(window.pictureList().size(), 2);
    }
};

// Each case: what is on the stick, how the playlist stands, the answers given.
void TestDownload::askedBeforeWriting_data()
{
    QTest::addColumn<bool>("oldCard");
    QTest::addColumn<bool>("emptyPlaylist");
    QTest::addColumn<bool>("longTime");
    QTest::addColumn<bool>("agree");
    QTest::addColumn<QString>("question");
    QTest::addColumn<bool>("written");
    QTest::newRow("replace, yes") << true << false << false << true << "already holds a card file" << true;
    QTest::newRow("replace, no") << true << false << false << false << "already holds a card file" << false;
    QTest::newRow("empty playlist, yes") << false << true << false << true << "playlist is empty" << true;
    QTest::newRow("empty playlist, no") << false << true << false << false << "playlist is empty" << false;
    QTest::newRow("time beyond 25.5 s, no") << false << false << true << false << "at most 25.5 s" << false;
}

void TestDownload::askedBeforeWriting()
{
    QFETCH(bool, oldCard);
    QFETCH(bool, emptyPlaylist);
    QFETCH(bool, longTime);
    QFETCH(bool, agree);
    QFETCH(QString, question);
    QFETCH(bool, written);
    FakeStick sticks;
    const QString stick = sticks.mount(QStringLiteral("STICK"));
    const QString card = stick + QStringLiteral("/show.bin");
    const QByteArray before("last week's card");
    if (oldCard) {
        QFile file(card);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(before) == before.size());
    }
    MainWindow window(sticks.volumeSource());
    if (!emptyPlaylist)
        fillPlaylist(window);
    if (longTime)
        window.pictureList().at(0)->setDisplayTime(40);

    DownloadDriver driver(QStringLiteral("show"));
    driver.answer = [agree](const QString &) { return agree; };
    window.onActionDownToUsb();
    QCOMPARE(driver.questions.size(), 1);
    QVERIFY2(driver.questions.first().contains(question), qPrintable(driver.questions.first()));
    const QByteArray bytes = readFile(card);
    if (written) {
        QCOMPARE(driver.message, QStringLiteral("Download success: %1").arg(card));
        QCOMPARE(bytes.size(), 4096 + (emptyPlaylist ? 0 : 2 * 114688));
    } else {
        QVERIFY(driver.message.isEmpty());
        QCOMPARE(bytes, oldCard ? before : QByteArray());
    }
}

void TestDownload::stickPulledDuringTheNamePromptWritesNothing()
{
    FakeStick sticks;
    const QString stick = sticks.mount(QStringLiteral("STICK"));
    VolumeSource *volumes = sticks.volumeSource();
    MainWindow window(volumes);
    fillPlaylist(window);
    DownloadDriver driver(QStringLiteral("show"));
    driver.beforeName = [&] {
        sticks.unmount(QStringLiteral("STICK")); // the folder stays, as a bare mount folder does
        volumes->rescan();
    };
    window.onActionDownToUsb();
    QVERIFY2(driver.message.contains(QLatin1String("no longer there")), qPrintable(driver.message));
    QCOMPARE(QDir(stick).entryList(QDir::Files | QDir::Hidden), QStringList());
    QVERIFY(window.disks().isEmpty());
}

QTEST_MAIN(TestDownload)
#include "tst_download.moc"
