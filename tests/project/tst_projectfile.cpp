#include "ProjectFixture.h"
#include "TmpfsMount.h"

#include "TestWorkDir.h"
#include "app/DisplayParameters.h"
#include "display/ImageObject.h"
#include "display/MediaObject.h"
#include "display/PolarSampling.h"
#include "display/TestColorUtil.h"
#include "display/TestValue.h"
#include "project/ProjectContent.h"
#include "project/ProjectDatabase.h"
#include "project/ProjectReader.h"
#include "project/ProjectWriter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QScopeGuard>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

namespace {

ProjectWriter::Result save(const ProjectFixture &playlist, const QString &path)
{
    return ProjectWriter().save(ProjectWriter::Input::current(playlist.pictures, playlist.sequences), path);
}

QStringList folderEntries(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

QList<RecordState> statesOf(const QList<ImageObject *> &pictures, const QList<MediaObject *> &sequences)
{
    QList<RecordState> states;
    for (ImageObject *picture : pictures)
        states.append(RecordState::of(picture));
    for (MediaObject *sequence : sequences) {
        for (ImageObject *frame : sequence->frames()) {
            states.append(RecordState::of(frame));
            states.last().source.clear(); // frames are kept without the picture they were cut from
        }
    }
    return states;
}

// Runs SQL on a saved project, as a hand edit or a stray program would.
bool alter(const QString &path, const QStringList &statements)
{
    bool ok = true;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("alter"));
        db.setDatabaseName(path);
        ok = db.open();
        for (const QString &sql : statements) {
            QSqlQuery query(db);
            ok = ok && query.exec(sql);
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("alter"));
    return ok;
}

} // namespace

class TestProjectFile : public QObject
{
    Q_OBJECT

private:
    TestWorkDir work;
    QString projectPath(const char *name) const { return work.filePath(QLatin1String(name)); }

    // Two pictures with different times, one with a contrast factor, a card
    // picture, and a GIF sequence with loop count 3: saved once, for the bad-input cases.
    void makeShow(ProjectFixture &show)
    {
        show.addPicture(QSize(320, 200), 1, 5);
        ImageObject *dimmed = show.addPicture(QSize(200, 300), 2, 2.5);
        dimmed->setContrast(0.7f);
        dimmed->setThumbnail(ProjectFixture::picture(QSize(60, 60), 99));
        show.addCardPicture(450 * 112 * 3, 3.2);
        show.addGif(6, 3);
    }

private slots:
    void initTestCase()
    {
        QVERIFY(work.isValid());
        QVERIFY2(ProjectDatabase::driverProblem().isEmpty(), qPrintable(ProjectDatabase::driverProblem()));
        ProjectFixture show;
        makeShow(show);
        QVERIFY2(save(show, projectPath("show.rotavue")).ok, "the reference project could not be saved");
    }

    void cleanup()
    {
        DisplayParameters::resetToDefaults();
        TestColorUtil::instance()->resetToDefaults();
    }

    void roundTripKeepsEveryRecordAndTheCard()
    {
        ProjectFixture show;
        makeShow(show);
        show.sequences.first()->frame(2)->setCaptureTime(1300.5f);
        TestColorUtil::instance()->value(32)->setRed(201); // a calibration in force
        const QByteArray card = show.card(work.filePath(QStringLiteral("before.bin")));
        QVERIFY(!card.isEmpty());
        const QList<RecordState> before = statesOf(show.pictures, show.sequences);
        const QString path = projectPath("round.rotavue");

        const ProjectWriter::Result saved = save(show, path);
        QVERIFY2(saved.ok, qPrintable(saved.message));
        QVERIFY(saved.message.isEmpty());
        QCOMPARE(folderEntries(work.path()).filter(QStringLiteral(".round")), QStringList());
        show.clear(); // the originals and their scratch files are gone
        TestColorUtil::instance()->resetToDefaults();

        const ProjectReader::Header header = ProjectReader::inspect(path);
        QVERIFY2(header.ok, qPrintable(header.message));
        QCOMPARE(header.ledCount, 112);
        QCOMPARE(header.lineCount, 450);
        ProjectReader::Result opened = ProjectReader().read(path);
        QVERIFY2(opened.ok, qPrintable(opened.message));
        ProjectContent &content = *opened.content;
        QCOMPARE(content.calibration.steps[31].red, 201);
        QCOMPARE(content.pictures.size(), 3);
        QCOMPARE(content.sequences.size(), 1);
        const MediaObject *gif = content.sequences.first();
        QCOMPARE(gif->frameCount(), 6);
        QCOMPARE(gif->loopCount(), 3);
        QVERIFY(gif->isGif());
        QCOMPARE(gif->name(), QStringLiteral("/home/shop/show 0.gif"));
        const QList<RecordState> after = statesOf(content.pictures, content.sequences);
        QCOMPARE(after.size(), before.size());
        for (int i = 0; i < before.size(); ++i)
            QVERIFY2(after.at(i) == before.at(i), qPrintable(QStringLiteral("record %1 differs").arg(i)));
        QCOMPARE(content.pictures.at(1)->contrast(), 0.7f);
        QVERIFY(!content.pictures.at(0)->thumbnail().isNull());
        QVERIFY(!gif->frame(5)->previewImage().isNull());
        // The copy of the source picture is the program's own, in the scratch folder.
        QVERIFY(content.pictures.at(0)->sourcePath().startsWith(work.tempDir()));

        ProjectFixture reopened;
        reopened.pictures = content.takePictures();
        reopened.sequences = content.takeSequences();
        QCOMPARE(reopened.card(work.filePath(QStringLiteral("after.bin"))), card);
    }

    void emptyPlaylistRoundTrip()
    {
        const QString path = projectPath("empty.rotavue");
        QVERIFY(save(ProjectFixture(), path).ok);
        const ProjectReader::Result opened = ProjectReader().read(path);
        QVERIFY2(opened.ok, qPrintable(opened.message));
        QCOMPARE(opened.content->recordCount(), 0);
    }

    void otherDisplayParametersAreReported()
    {
        DisplayParameters::setLedCount(64);
        DisplayParameters::setLineCount(200);
        ProjectFixture small;
        small.addPicture(QSize(100, 100), 3, 5);
        small.addGif(2, 1);
        const QByteArray card = small.card(work.filePath(QStringLiteral("small.bin")));
        const QString path = projectPath("small.rotavue");
        QVERIFY(save(small, path).ok);
        small.clear();
        DisplayParameters::resetToDefaults();

        const ProjectReader::Header header = ProjectReader::inspect(path);
        QVERIFY(header.ok);
        QCOMPARE(header.ledCount, 64);
        QCOMPARE(header.lineCount, 200);
        // Read while the program is set up for another display: the blocks are the project's.
        ProjectReader::Result opened = ProjectReader().read(path);
        QVERIFY2(opened.ok, qPrintable(opened.message));
        QCOMPARE(opened.content->pictures.first()->ledDataLength(), PolarSampling::ledDataLength(64, 200));
        DisplayParameters::setLedCount(opened.content->ledCount);
        DisplayParameters::setLineCount(opened.content->lineCount);
        ProjectFixture reopened;
        reopened.pictures = opened.content->takePictures();
        reopened.sequences = opened.content->takeSequences();
        QCOMPARE(reopened.card(work.filePath(QStringLiteral("small-after.bin"))), card);
    }

    void badFilesAreRefused_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("expected");
        const QByteArray show = readBytes(projectPath("show.rotavue"));
        const QString damaged = QStringLiteral("is damaged or incomplete");

        writeBytes(projectPath("empty-file.rotavue"), QByteArray());
        QTest::newRow("empty") << "empty-file.rotavue" << "the file is empty";
        QImage picture = ProjectFixture::picture(QSize(40, 40), 1);
        picture.save(projectPath("picture.rotavue"), "PNG");
        QTest::newRow("renamed picture") << "picture.rotavue" << "is not a Rotavue project.";
        QTest::newRow("missing") << "nowhere.rotavue" << "does not exist";
        QDir(work.path()).mkdir(QStringLiteral("folder.rotavue"));
        QTest::newRow("folder") << "folder.rotavue" << "is a folder";
        if (::mkfifo(QFile::encodeName(projectPath("pipe.rotavue")).constData(), 0600) == 0)
            QTest::newRow("named pipe: refused, not waited on") << "pipe.rotavue" << "named pipe";
        writeBytes(projectPath("head.rotavue"), show.left(60));
        QTest::newRow("header cut") << "head.rotavue" << damaged;
        for (int percent : {5, 50, 90, 99}) {
            const QString name = QStringLiteral("cut%1.rotavue").arg(percent);
            writeBytes(projectPath(name.toLatin1().constData()), show.left(show.size() * percent / 100));
            QTest::newRow(qPrintable(QStringLiteral("truncated to %1%").arg(percent))) << name << damaged;
        }
        writeBytes(projectPath("last-byte.rotavue"), show.left(show.size() - 1));
        QTest::newRow("last byte missing") << "last-byte.rotavue" << damaged;
        QByteArray scrambled = show;
        for (qsizetype i = 65536; i < 65536 + 4096 && i < scrambled.size(); ++i)
            scrambled[i] = char(0xA5 ^ (i & 0x7F)); // the first table page
        writeBytes(projectPath("scrambled.rotavue"), scrambled);
        QTest::newRow("scrambled page") << "scrambled.rotavue" << damaged;

        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("other"));
            db.setDatabaseName(projectPath("other.rotavue"));
            db.open();
            QSqlQuery(db).exec(QStringLiteral("CREATE TABLE picture (position INTEGER PRIMARY KEY, led_data BLOB)"));
            db.close();
        }
        QSqlDatabase::removeDatabase(QStringLiteral("other"));
        QTest::newRow("another database") << "other.rotavue" << "database of another program";

        auto edited = [&](const char *name, const QStringList &sql) {
            writeBytes(projectPath(name), show);
            alter(projectPath(name), sql);
        };
        edited("newer.rotavue", {QStringLiteral("PRAGMA user_version = 2")});
        QTest::newRow("newer format") << "newer.rotavue" << "made by a newer version of Rotavue";
        edited("unversioned.rotavue", {QStringLiteral("PRAGMA user_version = 0")});
        QTest::newRow("no format") << "unversioned.rotavue" << damaged;
        edited("bad-type.rotavue", {QStringLiteral("UPDATE picture SET type = 9 WHERE position = 1")});
        QTest::newRow("impossible type") << "bad-type.rotavue" << "picture 2 is not valid";
        edited("short-led.rotavue", {QStringLiteral("UPDATE frame SET led_data = zeroblob(100) WHERE position = 3")});
        QTest::newRow("short LED data") << "short-led.rotavue" << "frame 4 of sequence 1 is not valid";
        edited("gap.rotavue", {QStringLiteral("DELETE FROM frame WHERE position = 2")});
        QTest::newRow("missing frame") << "gap.rotavue" << "out of place";
        edited("no-calibration.rotavue", {QStringLiteral("DELETE FROM calibration WHERE step = 7")});
        QTest::newRow("calibration cut") << "no-calibration.rotavue" << "calibration";
        edited("no-display.rotavue", {QStringLiteral("DELETE FROM project")});
        QTest::newRow("no display parameters") << "no-display.rotavue" << "display parameters are missing";
        edited("bad-suffix.rotavue", {QStringLiteral("UPDATE picture SET source_suffix = '../../x' WHERE position = 0")});
        QTest::newRow("suffix leaving the folder") << "bad-suffix.rotavue" << "picture 1 is not valid";
        edited("no-table.rotavue", {QStringLiteral("DROP TABLE frame")});
        QTest::newRow("table missing") << "no-table.rotavue" << "cannot be read";
    }

    void badFilesAreRefused()
    {
        QFETCH(QString, name);
        QFETCH(QString, expected);
        const QString path = work.filePath(name);
        const QStringList scratchBefore = folderEntries(work.tempDir());
        const ProjectReader::Result opened = ProjectReader().read(path);
        QVERIFY(!opened.ok);
        QVERIFY(!opened.content);
        QVERIFY2(opened.message.contains(QFileInfo(path).absoluteFilePath()), qPrintable(opened.message));
        QVERIFY2(opened.message.contains(expected), qPrintable(opened.message));
        // Nothing of a half-read project stays behind.
        QCOMPARE(folderEntries(work.tempDir()), scratchBefore);
    }

    void readOnlyProjectOpensButIsNotSavedOver()
    {
        const QString path = projectPath("locked.rotavue");
        QVERIFY(QFile::copy(projectPath("show.rotavue"), path));
        QVERIFY(QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::ReadGroup));
        const auto restore = qScopeGuard([&] { QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner); });
        const QByteArray original = readBytes(path);
        QVERIFY(ProjectReader().read(path).ok);

        ProjectFixture other;
        other.addPicture(QSize(50, 50), 7, 5);
        const ProjectWriter::Result saved = save(other, path);
        QVERIFY(!saved.ok);
        QVERIFY2(saved.message.contains(path) && saved.message.contains(QStringLiteral("read-only")),
                 qPrintable(saved.message));
        QCOMPARE(readBytes(path), original);
    }

    void savingOverKeepsThePermissions()
    {
        const QString path = projectPath("shared.rotavue");
        QVERIFY(save(ProjectFixture(), path).ok);
        const QFileDevice::Permissions shared = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup
                                                | QFileDevice::WriteGroup;
        QVERIFY(QFile::setPermissions(path, shared));
        ProjectFixture one;
        one.addPicture(QSize(50, 50), 8, 5);
        QVERIFY(save(one, path).ok);
        QCOMPARE(QFileInfo(path).permissions() & 0x7077, shared & 0x7077); // owner, group, other
        QCOMPARE(ProjectReader().read(path).content->pictures.size(), 1);
    }

    void unwritableFoldersAreNamed_data()
    {
        QTest::addColumn<QString>("folderKind");
        QTest::newRow("missing folder") << "missing";
        QTest::newRow("read-only disk") << "readonly";
        QTest::newRow("target is a folder") << "folder";
    }

    void unwritableFoldersAreNamed()
    {
        QFETCH(QString, folderKind);
        ProjectFixture one;
        one.addPicture(QSize(50, 50), 9, 5);
        QTemporaryDir root;
        std::unique_ptr<TmpfsMount> mount;
        QString path = root.filePath(QStringLiteral("gone/show.rotavue"));
        QString expected = QStringLiteral("does not exist");
        if (folderKind == QLatin1String("readonly")) {
            mount = std::make_unique<TmpfsMount>(root.filePath(QStringLiteral("ro")), 16 << 20, TmpfsMount::ReadOnly);
            if (!mount->isMounted())
                QSKIP(qPrintable(QStringLiteral("cannot mount a tmpfs: %1").arg(mount->error())));
            path = root.filePath(QStringLiteral("ro/show.rotavue"));
            expected = QStringLiteral("no file can be created");
        } else if (folderKind == QLatin1String("folder")) {
            QDir(root.path()).mkdir(QStringLiteral("show.rotavue"));
            path = root.filePath(QStringLiteral("show.rotavue"));
            expected = QStringLiteral("it is a folder");
        }
        const ProjectWriter::Result saved = save(one, path);
        QVERIFY(!saved.ok);
        QVERIFY2(saved.message.contains(path) && saved.message.contains(expected), qPrintable(saved.message));
    }

    void diskFullKeepsThePreviousProject_data()
    {
        QTest::addColumn<bool>("spaceKnown");
        QTest::newRow("found before writing") << true;
        QTest::newRow("found while writing") << false;
    }

    void diskFullKeepsThePreviousProject()
    {
        QFETCH(bool, spaceKnown);
        QTemporaryDir root;
        TmpfsMount disk(root.filePath(QStringLiteral("disk")), 3 << 20);
        if (!disk.isMounted())
            QSKIP(qPrintable(QStringLiteral("cannot mount a tmpfs: %1").arg(disk.error())));
        const QString path = root.filePath(QStringLiteral("disk/show.rotavue"));
        ProjectFixture small;
        small.addPicture(QSize(60, 60), 1, 5);
        QVERIFY(save(small, path).ok);
        const QByteArray previous = readBytes(path);

        ProjectFixture big;
        big.addGif(30, 2); // about 4 MB: more than the disk holds
        ProjectWriter writer;
        if (!spaceKnown)
            writer.setFreeSpaceQuery([](const QString &) { return qint64(-1); });
        const ProjectWriter::Result saved = writer.save(ProjectWriter::Input::current(big.pictures, big.sequences), path);
        QVERIFY(!saved.ok);
        QVERIFY2(saved.message.contains(path), qPrintable(saved.message));
        QVERIFY2(saved.message.contains(spaceKnown ? QStringLiteral("only") : QStringLiteral("the disk is full")),
                 qPrintable(saved.message));
        QVERIFY2(saved.message.contains(QStringLiteral("unchanged")), qPrintable(saved.message));
        QCOMPARE(readBytes(path), previous);
        QCOMPARE(folderEntries(root.filePath(QStringLiteral("disk"))), QStringList{QStringLiteral("show.rotavue")});
        QCOMPARE(ProjectReader().read(path).content->pictures.size(), 1);
    }

    void cancelledSaveChangesNothing()
    {
        const QString path = projectPath("cancel.rotavue");
        QVERIFY(QFile::copy(projectPath("show.rotavue"), path));
        const QByteArray previous = readBytes(path);
        ProjectFixture big;
        big.addGif(12, 1);
        ProjectWriter writer;
        int calls = 0;
        writer.setProgress([&calls](int done, int total) {
            ++calls;
            return !(done == 5 && total == 12);
        });
        const ProjectWriter::Result saved = writer.save(ProjectWriter::Input::current(big.pictures, big.sequences), path);
        QVERIFY(!saved.ok);
        QVERIFY(saved.cancelled);
        QCOMPARE(calls, 5);
        QCOMPARE(readBytes(path), previous);
        QCOMPARE(folderEntries(work.path()).filter(QStringLiteral(".cancel")), QStringList());
    }

    // A save that dies part-way (the process killed) leaves the project it was replacing whole.
    void killedSaveLeavesTheProjectWhole()
    {
        const QString path = projectPath("killed.rotavue");
        QVERIFY(QFile::copy(projectPath("show.rotavue"), path));
        const QByteArray previous = readBytes(path);
        ProjectFixture big;
        big.addGif(12, 1);
        const ProjectWriter::Input input = ProjectWriter::Input::current(big.pictures, big.sequences);
        const pid_t child = ::fork();
        QVERIFY(child >= 0);
        if (child == 0) {
            ProjectWriter writer;
            writer.setProgress([](int done, int) {
                if (done == 6)
                    ::raise(SIGKILL); // nothing runs after this: no clean-up, no destructor
                return true;
            });
            writer.save(input, path);
            ::_exit(0);
        }
        int status = 0;
        QCOMPARE(::waitpid(child, &status, 0), child);
        QVERIFY(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL);
        QCOMPARE(readBytes(path), previous);
        const ProjectReader::Result opened = ProjectReader().read(path);
        QVERIFY2(opened.ok, qPrintable(opened.message));
        QCOMPARE(opened.content->recordCount(), 9);
        // What the dead save left is a hidden file of its own, never the project's name.
        const QStringList leftovers = folderEntries(work.path()).filter(QStringLiteral(".killed.rotavue."));
        QCOMPARE(leftovers.size(), 1);
        QVERIFY(!ProjectReader().read(work.filePath(leftovers.first())).ok);
        QFile::remove(work.filePath(leftovers.first()));
    }

    void missingLedDataIsSavedAndNamed()
    {
        ProjectFixture show;
        show.addPicture(QSize(80, 80), 1, 5);
        ImageObject *lost = show.addPicture(QSize(80, 80), 2, 5);
        QVERIFY(QFile::remove(lost->bufferPath()));
        const QString path = projectPath("lost.rotavue");
        const ProjectWriter::Result saved = save(show, path);
        QVERIFY(saved.ok);
        QCOMPARE(saved.missing, QStringList{QStringLiteral("picture 2")});
        QVERIFY2(saved.message.contains(QStringLiteral("picture 2")), qPrintable(saved.message));
        ProjectReader::Result opened = ProjectReader().read(path);
        QVERIFY2(opened.ok, qPrintable(opened.message));
        QCOMPARE(opened.content->pictures.at(1)->ledData(), QByteArray());
        QCOMPARE(opened.content->pictures.at(0)->ledData(), show.pictures.at(0)->ledData());
    }

    void projectsAreToldFromOtherFiles()
    {
        QVERIFY(ProjectReader::looksLikeProject(projectPath("show.rotavue")));
        QVERIFY(!ProjectReader::looksLikeProject(projectPath("other.rotavue")));
        QVERIFY(!ProjectReader::looksLikeProject(projectPath("picture.rotavue")));
        QVERIFY(!ProjectReader::looksLikeProject(projectPath("nowhere.rotavue")));
    }
};

QTEST_GUILESS_MAIN(TestProjectFile)
#include "tst_projectfile.moc"
