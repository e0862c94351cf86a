// Writing a file beside its target and renaming it into place: every step
// that fails says so in its own words, the target keeps its old content and
// no temporary file is left behind.
#include "card/StagedFile.h"

#include "FailingWriteSteps.h"
#include "TestWorkDir.h"

#include <QDir>
#include <QFile>
#include <QtTest>

#include <cerrno>
#include <fcntl.h>

namespace {

QByteArray contentOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestStagedFile : public QObject
{
    Q_OBJECT

private slots:
    void writesWholeFileUnderTheFinalName();
    void everyStepReportsItsOwnFailure_data();
    void everyStepReportsItsOwnFailure();
    void partialNamesAreRecognised_data();
    void partialNamesAreRecognised();
    void leftoversOfKilledRunsAreRemoved();
};

void TestStagedFile::writesWholeFileUnderTheFinalName()
{
    TestWorkDir work;
    const QString target = work.filePath(QStringLiteral("show.bin"));
    FailingWriteSteps halves(FailingWriteSteps::None, 0);
    halves.setShortWrites(true);
    StagedFile file(target, halves);
    QVERIFY(file.open());
    QVERIFY(StagedFile::isPartialName(QFileInfo(file.partialPath()).fileName()));
    QVERIFY(file.write(QByteArray(100000, 'a')));
    QVERIFY(file.write(QByteArray(3, 'b')));
    QVERIFY(!QFile::exists(target)); // not before the commit
    QVERIFY2(file.commit(), qPrintable(file.errorString()));
    QCOMPARE(contentOf(target), QByteArray(100000, 'a') + "bbb");
    QCOMPARE(QDir(work.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"show.bin"});
}

void TestStagedFile::everyStepReportsItsOwnFailure_data()
{
    QTest::addColumn<int>("step");
    QTest::addColumn<int>("error");
    QTest::addColumn<int>("failAtWrite");
    QTest::addColumn<QString>("reason");

    QTest::newRow("open refused") << int(FailingWriteSteps::Open) << EACCES << 0
                                  << "cannot create a file in {folder}: Permission denied";
    QTest::newRow("write error at the first block") << int(FailingWriteSteps::Write) << EIO << 1 << "writing failed: Input/output error";
    QTest::newRow("write error at block 5") << int(FailingWriteSteps::Write) << EIO << 5 << "writing failed: Input/output error";
    QTest::newRow("device full mid-write") << int(FailingWriteSteps::Write) << ENOSPC << 4
                                           << "writing failed: No space left on device";
    // errno is left at EACCES from before: the reason must not be that.
    QTest::newRow("write takes nothing") << int(FailingWriteSteps::WriteNothing) << EACCES << 3
                                         << "the device took no more data; it may be full";
    QTest::newRow("flush to the device fails") << int(FailingWriteSteps::Sync) << EIO << 0
                                               << "the data could not be flushed to the device: Input/output error";
    QTest::newRow("close fails") << int(FailingWriteSteps::Close) << EIO << 0 << "closing the file failed: Input/output error";
    QTest::newRow("rename fails") << int(FailingWriteSteps::Rename) << EXDEV << 0
                                  << "the finished file could not replace {target}: Invalid cross-device link";
}

void TestStagedFile::everyStepReportsItsOwnFailure()
{
    QFETCH(int, step);
    QFETCH(int, error);
    QFETCH(int, failAtWrite);
    QFETCH(QString, reason);

    TestWorkDir work;
    const QString target = work.filePath(QStringLiteral("show.bin"));
    QFile old(target);
    QVERIFY(old.open(QIODevice::WriteOnly) && old.write("yesterday's card") > 0);
    old.close();

    FailingWriteSteps steps(FailingWriteSteps::Step(step), error, failAtWrite);
    steps.setShortWrites(true);
    {
        StagedFile file(target, steps);
        bool ok = file.open();
        for (int block = 0; ok && block < 8; ++block)
            ok = file.write(QByteArray(4096, char('a' + block)));
        if (ok)
            ok = file.commit();
        QVERIFY(!ok);
        QCOMPARE(file.errorString(), QString(reason).replace("{folder}", QDir::cleanPath(work.path())).replace("{target}", target));
        if (step == FailingWriteSteps::Open)
            errno = EACCES; // a later call must not pick up the old reason
    }
    QCOMPARE(contentOf(target), QByteArray("yesterday's card"));
    QCOMPARE(QDir(work.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"show.bin"});
}

void TestStagedFile::partialNamesAreRecognised_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("ours");
    QTest::newRow("ours") << "show.bin.rotavue-partial-a1b2c3" << true;
    QTest::newRow("the card itself") << "show.bin" << false;
    QTest::newRow("a user's file that looks alike") << "show.bin.rotavue-partial-notes.txt" << false;
    QTest::newRow("another program's temporary file") << "show.bin.XyZ123" << false;
    QTest::newRow("marker alone") << ".rotavue-partial-a1b2c3" << false;
}

void TestStagedFile::partialNamesAreRecognised()
{
    QFETCH(QString, name);
    QFETCH(bool, ours);
    QCOMPARE(StagedFile::isPartialName(name), ours);
}

// Only our temporary files that nobody writes go; the user's files, a folder
// with our name and the file of a write in progress stay.
void TestStagedFile::leftoversOfKilledRunsAreRemoved()
{
    TestWorkDir work;
    const QStringList kept{"show.bin", "show.bin.rotavue-partial-notes.txt", "show.bin.XyZ123"};
    for (const QString &name : kept + QStringList{"show.bin.rotavue-partial-dead01", "old.bin.rotavue-partial-dead02"}) {
        QFile file(work.filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    QVERIFY(QDir(work.path()).mkdir(QStringLiteral("show.bin.rotavue-partial-folder")));
    StagedFile running(work.filePath(QStringLiteral("next.bin")));
    QVERIFY(running.open());

    QStringList removed = StagedFile::removeLeftovers(work.path());
    removed.sort();
    QCOMPARE(removed, (QStringList{"old.bin.rotavue-partial-dead02", "show.bin.rotavue-partial-dead01"}));
    for (const QString &name : kept)
        QVERIFY2(QFile::exists(work.filePath(name)), qPrintable(name));
    QVERIFY(QFileInfo(work.filePath(QStringLiteral("show.bin.rotavue-partial-folder"))).isDir());
    QVERIFY(QFile::exists(running.partialPath()));
    QVERIFY(running.write(QByteArray("still writing")) && running.commit());
    QCOMPARE(contentOf(work.filePath(QStringLiteral("next.bin"))), QByteArray("still writing"));
}

QTEST_MAIN(TestStagedFile)
#include "tst_stagedfile.moc"
