#include "ui/CustomTableModel.h"
#include "ui/FileDropFlow.h"
#include "ui/MainWindow.h"
#include "ui/MainWindowForm.h"
#include "display/ImageObject.h"

#include "ModalAnswerer.h"
#include "TestWorkDir.h"

#include <QApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QMimeData>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <QTranslator>

namespace {

// What a flow asked its window to do.
struct Calls {
    QList<QStringList> pictures;
    QStringList gifs;
    QStringList projects;
    QStringList videos;

    // Without a video import when videoImport is false, as in a build without one.
    FileDropFlow::Window hooks(bool videoImport = true)
    {
        FileDropFlow::Window window;
        window.importPictures = [this](const QStringList &files) { pictures << files; };
        window.importGif = [this](const QString &path) { gifs << path; };
        window.openProject = [this](const QString &path) {
            projects << path;
            return true;
        };
        if (videoImport)
            window.importVideo = [this](const QString &path) { videos << path; };
        return window;
    }
};

QMimeData *filesData(const QStringList &paths)
{
    auto *data = new QMimeData;
    QList<QUrl> urls;
    for (const QString &path : paths)
        urls << QUrl::fromLocalFile(path);
    data->setUrls(urls);
    return data;
}

// Drags the files onto the widget and drops them as a file manager does;
// true when the widget took the drag and the drop.
bool dropFiles(QWidget *target, const QStringList &paths)
{
    std::unique_ptr<QMimeData> data(filesData(paths));
    const QPoint centre = target->rect().center();
    QDragEnterEvent enter(centre, Qt::CopyAction | Qt::MoveAction, data.get(), Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    if (!enter.isAccepted())
        return false;
    QDropEvent drop(QPointF(centre), Qt::CopyAction | Qt::MoveAction, data.get(), Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &drop);
    return drop.isAccepted() && drop.dropAction() == Qt::CopyAction;
}

QImage solid(QRgb colour)
{
    QImage picture(120, 90, QImage::Format_RGB32);
    picture.fill(colour);
    return picture;
}

// Answers every message box (keeping its text) and ends the picture import
// dialog when it is done.
class ImportDriver : public QObject
{
public:
    ImportDriver()
    {
        connect(&timer, &QTimer::timeout, this, [this] {
            QWidget *modal = QApplication::activeModalWidget();
            if (auto *box = qobject_cast<QMessageBox *>(modal)) {
                told << box->text();
                box->accept();
            } else if (modal) {
                for (QPushButton *button : modal->findChildren<QPushButton *>()) {
                    if (button->text() == QLatin1String("Import completed") && button->isEnabled())
                        button->click();
                }
            }
        });
        timer.start(20);
    }
    QStringList told;

private:
    QTimer timer;
};

} // namespace

class TestFileDrop : public QObject
{
    Q_OBJECT

private:
    TestWorkDir work;
    QTranslator english;

    QString file(const QString &name, const QByteArray &bytes = QByteArray("x"))
    {
        QFile out(work.filePath(name));
        if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size())
            return QString();
        return out.fileName();
    }

    QString picture(const QString &name, QRgb colour = 0xFF3366AAu)
    {
        const QString path = work.filePath(name);
        return solid(colour).save(path, "PNG") ? path : QString();
    }

private slots:
    void initTestCase()
    {
        QVERIFY(work.isValid());
        ModalAnswerer::keepSettingsIn(work.filePath(QStringLiteral("config")));
        QVERIFY(english.load(QStringLiteral(":/ts/translate_en_US.qm")));
        QCoreApplication::installTranslator(&english);
    }

    void eachKindGoesToItsImport()
    {
        QWidget window;
        window.setAcceptDrops(true);
        Calls calls;
        FileDropFlow flow(&window, calls.hooks());
        const QString a = file(QStringLiteral("a.png")), b = file(QStringLiteral("b.JPG"));
        const QString gif = file(QStringLiteral("c.gif")), clip = file(QStringLiteral("d.MP4"));
        QVERIFY(dropFiles(&window, {a, gif, clip, b}));
        // The imports run after the drop has ended.
        QVERIFY(calls.pictures.isEmpty());
        QTRY_COMPARE(calls.pictures, (QList<QStringList>{{a, b}}));
        QCOMPARE(calls.gifs, QStringList{gif});
        QCOMPARE(calls.videos, QStringList{clip});
        QVERIFY(calls.projects.isEmpty());
    }

    void aProjectAloneOpens()
    {
        QWidget window;
        window.setAcceptDrops(true);
        Calls calls;
        FileDropFlow flow(&window, calls.hooks());
        const QString project = file(QStringLiteral("show.rotavue"));
        QVERIFY(dropFiles(&window, {project}));
        QTRY_COMPARE(calls.projects, QStringList{project});
        QVERIFY(calls.pictures.isEmpty());
    }

    void whatCannotBeImportedIsNamed_data()
    {
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<bool>("videoImport");
        QTest::addColumn<QStringList>("named");
        QTest::addColumn<int>("pictureImports");
        QTest::newRow("a text file") << QStringList{"notes.txt", "a.png"} << true
                                     << QStringList{"notes.txt: not a picture"} << 1;
        QTest::newRow("a project among pictures")
            << QStringList{"a.png", "show.rotavue"} << true << QStringList{"show.rotavue: a project file opens on its own"}
            << 1;
        QTest::newRow("a clip without a video import")
            << QStringList{"clip.mkv"} << false << QStringList{"clip.mkv: video clips cannot be imported"} << 0;
    }

    void whatCannotBeImportedIsNamed()
    {
        QFETCH(QStringList, names);
        QFETCH(bool, videoImport);
        QFETCH(QStringList, named);
        QFETCH(int, pictureImports);
        auto window = std::make_unique<QWidget>();
        window->setAcceptDrops(true);
        Calls calls;
        FileDropFlow flow(window.get(), calls.hooks(videoImport));
        QStringList paths;
        for (const QString &name : names)
            paths << file(name);
        ModalAnswerer answers;
        answers.thenAnswer(QMessageBox::Ok);
        QVERIFY(dropFiles(window.get(), paths));
        QTRY_VERIFY(answers.done());
        QCOMPARE(answers.texts().size(), 1);
        for (const QString &text : named)
            QVERIFY2(answers.texts().first().contains(text), qPrintable(answers.texts().first()));
        QCOMPARE(calls.pictures.size(), pictureImports);
        QVERIFY(calls.projects.isEmpty());
    }

    void dragsWithoutFilesAreRefused()
    {
        QWidget window;
        window.setAcceptDrops(true);
        Calls calls;
        FileDropFlow flow(&window, calls.hooks());
        QMimeData text;
        text.setText(QStringLiteral("a.png"));
        QDragEnterEvent enter(QPoint(1, 1), Qt::CopyAction, &text, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&window, &enter);
        QVERIFY(!enter.isAccepted());
        QMimeData web;
        web.setUrls({QUrl(QStringLiteral("https://example.org/a.png"))});
        QDragEnterEvent remote(QPoint(1, 1), Qt::CopyAction, &web, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&window, &remote);
        QVERIFY(!remote.isAccepted());
    }

    // The window's own paths, with their checks: the limit and broken files.
    void tooManyDroppedPicturesAreCut()
    {
        MainWindow window;
        for (int i = 1; i <= 48; ++i)
            window.pictureModel()->appendItems({CustomTableItem(new ImageObject(i, QString(), 5, 0))});
        QStringList files;
        for (int i = 0; i < 4; ++i)
            files << picture(QStringLiteral("drop%1.PNG").arg(i), 0xFF000000u | quint32(40 * i));
        ImportDriver driver;
        QVERIFY(dropFiles(&window, files));
        QTRY_COMPARE(window.pictureModel()->rowCount(), 50);
        QTRY_VERIFY(!QApplication::activeModalWidget());
        QVERIFY2(!driver.told.isEmpty() && driver.told.first().contains(QLatin1String("first 2 of the 4")),
                 qPrintable(driver.told.join(QLatin1Char('|'))));
    }

    void aBrokenDroppedPictureAddsNothing()
    {
        MainWindow window;
        const QString broken = file(QStringLiteral("broken.png"), QByteArray("\x89PNG\r\n\x1a\n garbage", 17));
        const QString good = picture(QStringLiteral("good.jpg"));
        ImportDriver driver;
        QVERIFY(dropFiles(&window, {broken, good}));
        QTRY_COMPARE(window.pictureModel()->rowCount(), 1);
        QTRY_VERIFY(!QApplication::activeModalWidget());
        QCOMPARE(window.pictureList().first()->index(), 1);
    }

    void aBrokenDroppedProjectKeepsThePlaylist()
    {
        MainWindow window;
        window.pictureModel()->appendItems({CustomTableItem(new ImageObject(1, QString(), 5, 0))});
        const QString broken = file(QStringLiteral("broken.rotavue"), QByteArray(300, 'z'));
        ImportDriver driver;
        QVERIFY(dropFiles(&window, {broken}));
        QTRY_COMPARE(driver.told.size(), 1);
        QCOMPARE(window.pictureModel()->rowCount(), 1);
    }

    void theListsPassDroppedFilesToTheWindow()
    {
        MainWindow window;
        window.resize(900, 620);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QString gif = file(QStringLiteral("broken.gif"), QByteArray("GIF89a"));
        ImportDriver driver;
        // Dropped on the picture list's rows: the list takes only its own
        // rows, and passes files on to the window, which tries the GIF.
        QVERIFY(dropFiles(window.form().tableView->viewport(), {gif}));
        QTRY_COMPARE(driver.told.size(), 1);
        QCOMPARE(window.sequenceModel()->rowCount(), 0);
    }
};

QTEST_MAIN(TestFileDrop)
#include "tst_filedrop.moc"
