// Project files through the main window, with the user's part played by a script.
#include "ProjectFixture.h"

#include "FakeStick.h"
#include "GifWriter.h"
#include "TestWorkDir.h"
#include "app/DisplayParameters.h"
#include "display/ImageObject.h"
#include "display/MediaObject.h"
#include "edit/GetImgeLocationDialog.h"
#include "import/LoadGifDialog.h"
#include "project/ProjectDialogs.h"
#include "project/ProjectFlow.h"
#include "project/ProjectReader.h"
#include "project/ProjectWriter.h"
#include "ui/CustomTableModel.h"
#include "ui/MainWindow.h"
#include "ui/MainWindowForm.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QTest>
#include <QThread>
#include <QTimer>
#include <QTranslator>
#include <QWidget>

#include <atomic>
#include <memory>

namespace {

// Answers every modal dialog the way the test says, and keeps what was asked and told.
class UserScript : public QObject
{
public:
    UserScript()
    {
        connect(&timer, &QTimer::timeout, this, &UserScript::step);
        timer.start(20);
    }
    QMessageBox::StandardButton saveChanges = QMessageBox::Cancel;
    QString fileToChoose;
    QString cardName = QStringLiteral("show");
    QStringList questions; // the unsaved-changes questions, in order
    QStringList messages;  // information boxes

private:
    void step()
    {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal)
            return;
        const QString kind = QString::fromLatin1(modal->metaObject()->className());
        if (auto *box = qobject_cast<QMessageBox *>(modal)) {
            answer(box);
        } else if (auto *files = qobject_cast<QFileDialog *>(modal)) {
            files->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"))->setText(fileToChoose);
            static_cast<QDialog *>(files)->accept();
        } else if (kind == QLatin1String("SelectUsbPathDialog")) {
            modal->findChild<QPushButton *>(QStringLiteral("okBut"))->click();
        } else if (kind == QLatin1String("GetSaveFileDialog")) {
            modal->findChild<QLineEdit *>(QStringLiteral("txtFileName"))->setText(cardName);
            modal->findChild<QPushButton *>(QStringLiteral("okBut"))->click();
        } else if (auto *crop = qobject_cast<GetImgeLocationDialog *>(modal)) {
            crop->onBtnOk();
        } else if (kind == QLatin1String("UpdateLedCountDialog")) {
            modal->findChild<QLineEdit *>(QStringLiteral("lineEdit"))->setText(QStringLiteral("100"));
            modal->findChild<QPushButton *>(QStringLiteral("okButton"))->click();
        }
        // The GIF import and the busy dialog end by themselves.
    }

    void answer(QMessageBox *box)
    {
        if (box->objectName() == QLatin1String("saveChangesBox")) {
            questions.append(box->text());
            box->button(saveChanges)->click();
        } else if (QAbstractButton *ok = box->button(QMessageBox::Ok); ok && box->button(QMessageBox::Cancel)) {
            ok->click(); // switching the display, replacing a card
        } else if (QAbstractButton *yes = box->button(QMessageBox::Yes)) {
            yes->click(); // replacing a file chosen in the file dialog
        } else {
            messages.append(box->text());
            box->accept();
        }
    }

    QTimer timer;
};

QString writeGif(const QString &path)
{
    GifWriter gif;
    for (QRgb colour : {0xFFFF0000u, 0xFF00FF00u, 0xFF0000FFu, 0xFFFFFF00u})
        gif.addFrame(GifWriter::solidFrame(QSize(90, 70), colour));
    return gif.save(path) ? path : QString();
}

QImage previewShown(const MainWindow &window)
{
    return window.form().previewWidget->palette().brush(QPalette::Window).textureImage();
}

} // namespace

class TestProjectWindow : public QObject
{
    Q_OBJECT

private:
    TestWorkDir work;
    QTranslator english;

    QString saved(const char *name, int pictures)
    {
        ProjectFixture fixture;
        for (int i = 0; i < pictures; ++i)
            fixture.addPicture(QSize(60, 40), 20 + i, 5);
        const QString path = work.filePath(QLatin1String(name));
        return ProjectWriter().save(ProjectWriter::Input::current(fixture.pictures, fixture.sequences), path).ok
                   ? path
                   : QString();
    }

    static QString picturePath(const TestWorkDir &work, const char *name, int seed)
    {
        const QString path = work.filePath(QLatin1String(name));
        ProjectFixture::picture(QSize(320, 200), seed).save(path);
        return path;
    }

private slots:
    void initTestCase()
    {
        // The file dialogs keep their last folder in the user's settings: not in ours.
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(work.filePath(QStringLiteral("config"))));
        QVERIFY(english.load(QStringLiteral(":/ts/translate_en_US.qm")));
        QCoreApplication::installTranslator(&english);
    }

    void cleanup() { DisplayParameters::resetToDefaults(); }

    void theFileMenuComesFirst()
    {
        MainWindow window;
        const QList<QAction *> menus = window.menuBar()->actions();
        QVERIFY(!menus.isEmpty());
        QCOMPARE(menus.first()->menu(), window.form().fileMenu);
        QCOMPARE(window.form().actionOpenProject->shortcut(), QKeySequence(QKeySequence::Open));
        QCOMPARE(window.form().actionSaveProjectAs->shortcut(), QKeySequence(QStringLiteral("Ctrl+Shift+S")));
        QCOMPARE(window.form().actionQuit->shortcut(), QKeySequence(QStringLiteral("Ctrl+Q")));
        // The project entries lead, the imports and the download follow, Quit ends it.
        const QList<QAction *> entries = window.form().fileMenu->actions();
        QCOMPARE(entries.size(), 14); // five separators
        QCOMPARE(entries.at(0), window.form().actionNewProject);
        QCOMPARE(entries.at(1), window.form().actionOpenProject);
        QCOMPARE(entries.last(), window.form().actionQuit);
    }

    // Download, save, a fresh window, open, download again: the same card, and the rows show.
    void roundTripThroughTheWindow()
    {
        FakeStick sticks;
        const QString stick = sticks.mount(QStringLiteral("STICK"));
        const QString project = work.filePath(QStringLiteral("show.rotavue"));
        QByteArray firstCard;
        {
            auto window = std::make_unique<MainWindow>(sticks.volumeSource());
            window->onBtnEnUsClick();
            UserScript user;
            window->addPictureFile(picturePath(work, "a.png", 1));
            window->addPictureFile(picturePath(work, "b.png", 2));
            ImageObject *second = window->pictureList().at(1);
            second->setDisplayTime(2.5);
            second->setContrast(0.7f);
            window->onRecordEdited(second);
            window->importGif(writeGif(work.filePath(QStringLiteral("show.gif"))));
            QCOMPARE(window->sequenceList().size(), 1);
            MediaObject *gif = window->sequenceList().first();
            gif->setLoopCount(3);
            window->onRecordEdited(gif);
            QVERIFY(window->isWindowModified());
            QCOMPARE(window->windowTitle(), QStringLiteral("Untitled[*] - Rotavue Display"));

            user.cardName = QStringLiteral("first");
            window->onActionDownToUsb();
            QCOMPARE(user.messages.takeLast(), QStringLiteral("Download success: %1/first.bin").arg(stick));
            firstCard = readBytes(stick + QStringLiteral("/first.bin"));
            QCOMPARE(firstCard.size(), 4096 + (2 + 4) * 114688);

            user.fileToChoose = work.filePath(QStringLiteral("show")); // the suffix comes by itself
            window->form().actionSaveProjectAs->trigger();
            QVERIFY2(user.messages.isEmpty(), qPrintable(user.messages.join(QLatin1Char('\n'))));
            QVERIFY(QFile::exists(project));
            QCOMPARE(window->windowTitle(), QStringLiteral("show[*] - Rotavue Display"));
            QVERIFY(!window->isWindowModified());
            QVERIFY(window->close()); // saved: nothing is asked
            QVERIFY(user.questions.isEmpty());
        }
        // The originals and every scratch file of that window are gone.
        for (const char *original : {"a.png", "b.png", "show.gif"})
            QVERIFY(QFile::remove(work.filePath(QLatin1String(original))));
        QVERIFY(QDir(work.tempDir()).removeRecursively());

        MainWindow window(sticks.volumeSource());
        window.onBtnEnUsClick();
        UserScript user;
        QVERIFY(window.openProject(project));
        QVERIFY2(user.messages.isEmpty(), qPrintable(user.messages.join(QLatin1Char('\n'))));
        QCOMPARE(window.windowTitle(), QStringLiteral("show[*] - Rotavue Display"));
        QVERIFY(!window.isWindowModified());
        QCOMPARE(window.pictureList().size(), 2);
        QCOMPARE(window.pictureList().at(1)->displayTime(), 2.5);
        QCOMPARE(window.pictureList().at(1)->contrast(), 0.7f);
        QCOMPARE(window.sequenceList().first()->loopCount(), 3);
        for (ImageObject *picture : window.pictureList())
            QVERIFY(!picture->thumbnail().isNull());
        for (ImageObject *frame : window.sequenceList().first()->frames())
            QCOMPARE(frame->previewImage().size(), QSize(450, 450));
        // The first picture is selected and its preview is shown.
        QCOMPARE(previewShown(window), window.pictureList().first()->previewImage());
        window.pressMediaWidget(window.sequenceModel()->index(0, 0));
        QCOMPARE(previewShown(window), window.sequenceList().first()->frame(0)->previewImage());

        user.cardName = QStringLiteral("second");
        window.onActionDownToUsb();
        QCOMPARE(user.messages.takeLast(), QStringLiteral("Download success: %1/second.bin").arg(stick));
        QCOMPARE(readBytes(stick + QStringLiteral("/second.bin")), firstCard);

        // The command-line tool writes the same card from the project file. (The
        // thread sanitizer cannot follow a fork of this threaded process; the
        // plain build checks it.)
#ifndef __SANITIZE_THREAD__
        const QString toolCard = work.filePath(QStringLiteral("tool.bin"));
        QProcess tool;
        tool.start(QStringLiteral(ROTAVUE_CARD_BINARY), {QStringLiteral("build"), QStringLiteral("-o"), toolCard, project});
        QVERIFY(tool.waitForFinished(120000));
        QVERIFY2(tool.exitCode() == 0, tool.readAllStandardError().constData());
        QCOMPARE(readBytes(toolCard), firstCard);
#endif
    }

    void unsavedChangesAreAskedAbout_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<int>("answer");
        for (const char *command : {"close", "new", "open", "led count"}) {
            for (auto answer : {QMessageBox::Save, QMessageBox::Discard, QMessageBox::Cancel}) {
                const char *name = answer == QMessageBox::Save ? "save" : answer == QMessageBox::Discard ? "discard" : "cancel";
                QTest::newRow(qPrintable(QStringLiteral("%1, %2").arg(QLatin1String(command), QLatin1String(name))))
                    << command << int(answer);
            }
        }
    }

    void unsavedChangesAreAskedAbout()
    {
        QFETCH(QString, command);
        QFETCH(int, answer);
        const QString mine = saved("mine.rotavue", 1);
        const QString other = saved("other.rotavue", 3);
        auto window = std::make_unique<MainWindow>();
        window->onBtnEnUsClick();
        UserScript user;
        QVERIFY(window->openProject(mine));
        window->addPictureFile(picturePath(work, "new.png", 9));
        QVERIFY(window->isWindowModified());
        user.saveChanges = QMessageBox::StandardButton(answer);
        user.fileToChoose = other;

        bool closed = false;
        if (command == QLatin1String("close"))
            closed = window->close();
        else if (command == QLatin1String("new"))
            window->form().actionNewProject->trigger();
        else if (command == QLatin1String("led count"))
            window->onBtnLedCount();
        else
            window->form().actionOpenProject->trigger();

        QCOMPARE(user.questions.size(), 1);
        QVERIFY2(user.questions.first().contains(QStringLiteral("\"mine\"")), qPrintable(user.questions.first()));
        const bool cancelled = answer == QMessageBox::Cancel;
        QCOMPARE(ProjectReader().read(mine).content->pictures.size(), answer == QMessageBox::Save ? 2 : 1);
        if (command == QLatin1String("close")) {
            QCOMPARE(closed, !cancelled);
        } else if (cancelled) {
            QCOMPARE(window->pictureList().size(), 2);
            QVERIFY(window->isWindowModified());
            QCOMPARE(DisplayParameters::ledCount(), 112);
            QCOMPARE(window->windowTitle(), QStringLiteral("mine[*] - Rotavue Display"));
        } else {
            const bool opened = command == QLatin1String("open");
            QCOMPARE(window->pictureList().size(), opened ? 3 : 0);
            if (command == QLatin1String("led count"))
                QCOMPARE(DisplayParameters::ledCount(), 100);
            QVERIFY(!window->isWindowModified());
            QCOMPARE(window->windowTitle(),
                     (opened ? QStringLiteral("other") : QStringLiteral("Untitled")) + QStringLiteral("[*] - Rotavue Display"));
        }
        QVERIFY(user.messages.isEmpty());
    }

    void everyListChangeMarksTheProject_data()
    {
        QTest::addColumn<QString>("change");
        for (const char *change : {"import", "delete", "reorder", "time edit"})
            QTest::newRow(change) << change;
    }

    void everyListChangeMarksTheProject()
    {
        QFETCH(QString, change);
        MainWindow window;
        UserScript user;
        QVERIFY(window.openProject(saved("marks.rotavue", 3)));
        QVERIFY(!window.isWindowModified());
        ImageObject *first = window.pictureList().first();
        if (change == QLatin1String("import")) {
            window.addPictureFile(picturePath(work, "more.png", 5));
        } else if (change == QLatin1String("delete")) {
            window.form().actionDeletePicture->trigger();
        } else if (change == QLatin1String("reorder")) {
            window.onImageIndexChanged(first, 1, 3);
            QCOMPARE(window.pictureList().last(), first);
        } else {
            first->setDisplayTime(7.2);
            window.onRecordEdited(first);
        }
        QVERIFY(window.isWindowModified());
        QCOMPARE(window.windowTitle(), QStringLiteral("marks[*] - Rotavue Display"));
    }

    void nothingIsAskedForAnEmptyPlaylist()
    {
        auto window = std::make_unique<MainWindow>();
        UserScript user;
        window->addPictureFile(picturePath(work, "gone.png", 3));
        window->form().actionDeletePicture->trigger();
        QCOMPARE(window->pictureList().size(), 0);
        QVERIFY(window->isWindowModified());
        QVERIFY(window->close());
        QVERIFY(user.questions.isEmpty());
    }

    void aBadProjectKeepsThePlaylist()
    {
        const QString bad = work.filePath(QStringLiteral("bad.rotavue"));
        QVERIFY(writeBytes(bad, ProjectFixture::picture(QSize(8, 8), 1).text().toLatin1() + QByteArray(100, 'x')));
        MainWindow window;
        window.onBtnEnUsClick();
        UserScript user;
        window.addPictureFile(picturePath(work, "kept.png", 4));
        user.saveChanges = QMessageBox::Discard;
        user.fileToChoose = bad;
        window.form().actionOpenProject->trigger();
        QCOMPARE(user.messages.size(), 1);
        QVERIFY2(user.messages.first().contains(bad) && user.messages.first().contains(QStringLiteral("not a Rotavue project")),
                 qPrintable(user.messages.first()));
        QCOMPARE(window.pictureList().size(), 1);
        QVERIFY(window.isWindowModified());
        QCOMPARE(previewShown(window), window.pictureList().first()->previewImage());
    }

    // A long save or open shows the busy dialog; its Cancel reaches the work on its thread.
    void theBusyDialogCancelsTheWork()
    {
        MainWindow window;
        ProjectDialogs dialogs(&window);
        QTimer cancel;
        cancel.callOnTimeout([] {
            if (auto *busy = qobject_cast<QDialog *>(QApplication::activeModalWidget()))
                busy->reject();
        });
        cancel.start(50);
        std::atomic<bool> sawCancel{false};
        dialogs.runBusy(QStringLiteral("Saving ..."), [&sawCancel](const std::atomic<bool> &cancelled) {
            while (!cancelled.load())
                QThread::msleep(5);
            sawCancel = true;
        });
        QVERIFY(sawCancel.load());
    }

    void anotherDisplayIsSwitchedTo()
    {
        DisplayParameters::setLedCount(64);
        const QString small = saved("small-window.rotavue", 2);
        DisplayParameters::resetToDefaults();
        MainWindow window;
        UserScript user;
        QVERIFY(window.openProject(small));
        QCOMPARE(DisplayParameters::ledCount(), 64);
        QCOMPARE(window.pictureList().size(), 2);
        QVERIFY(window.form().ledLabel->text().contains(QStringLiteral("64")));
    }
};

QTEST_MAIN(TestProjectWindow)
#include "tst_projectwindow.moc"
