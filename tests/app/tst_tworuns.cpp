// Two real Rotavue processes in one work folder: each keeps its own scratch
// files, and a later start removes only the folder of the run that died.
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {

struct Run {
    std::unique_ptr<QProcess> process;
    QString scratch; // its scratch folder, with a trailing '/'
};

Run start(const QString &work, const QString &cacheHome = QString(), const QStringList &options = {})
{
    Run run;
    run.process = std::make_unique<QProcess>();
    if (!cacheHome.isEmpty()) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("XDG_CACHE_HOME"), cacheHome);
        run.process->setProcessEnvironment(environment);
    }
    run.process->start(QStringLiteral(SCRATCH_RUN), QStringList{work} + options);
    if (run.process->waitForStarted(5000) && run.process->waitForReadyRead(10000))
        run.scratch = QString::fromLocal8Bit(run.process->readLine()).trimmed();
    return run;
}

void finish(Run &run)
{
    run.process->closeWriteChannel();
    run.process->waitForFinished(5000);
}

} // namespace

class TestTwoRuns : public QObject
{
    Q_OBJECT
private slots:
    void secondRunKeepsTheFirstRunsFiles();
    void killedToolRunGoesAtTheWindowsNextStart();
};

// The command-line tool keeps its runs in the cache folder, not where it
// stands; a killed one goes when the window starts next, and the window's
// own scratch folder is elsewhere.
void TestTwoRuns::killedToolRunGoesAtTheWindowsNextStart()
{
    QTemporaryDir work;
    const QString cache = work.filePath(QStringLiteral("cache"));
    Run tool = start(work.path(), cache, {QStringLiteral("--tool")});
    QVERIFY2(tool.scratch.startsWith(cache + QStringLiteral("/rotavue/temp/run-")), qPrintable(tool.scratch));
    QVERIFY(!QFileInfo::exists(work.filePath(QStringLiteral("temp"))));
    tool.process->kill();
    QVERIFY(tool.process->waitForFinished(5000));
    QVERIFY(QFileInfo::exists(tool.scratch));

    Run window = start(work.path(), cache);
    QVERIFY(window.scratch.startsWith(work.path() + QStringLiteral("/temp/run-")));
    QVERIFY2(!QFileInfo::exists(tool.scratch), "the killed tool run's folder is removed");
    finish(window);
}

void TestTwoRuns::secondRunKeepsTheFirstRunsFiles()
{
    QTemporaryDir work;
    Run first = start(work.path());
    Run second = start(work.path());
    QVERIFY2(!first.scratch.isEmpty() && !second.scratch.isEmpty(), "both runs started");
    QVERIFY(first.scratch != second.scratch);
    QVERIFY(first.scratch.startsWith(work.path() + QStringLiteral("/temp/run-")));
    QVERIFY(QFileInfo::exists(first.scratch + QStringLiteral("1_1.png"))); // the second start left it alone
    QVERIFY(QFileInfo::exists(second.scratch + QStringLiteral("1_1.png")));

    first.process->kill(); // the first run dies without cleaning up
    QVERIFY(first.process->waitForFinished(5000));
    QVERIFY(QFileInfo::exists(first.scratch));

    Run third = start(work.path());
    QVERIFY(!third.scratch.isEmpty());
    QVERIFY2(!QFileInfo::exists(first.scratch), "the dead run's folder is removed");
    QVERIFY2(QFileInfo::exists(second.scratch + QStringLiteral("1_1.png")), "the live run's files stay");
    finish(second);
    finish(third);

    // Their runs are over too: the next start removes both, and only those.
    const QStringList before = QDir(work.path() + QStringLiteral("/temp")).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    QCOMPARE(before.size(), 2);
    Run fourth = start(work.path());
    const QStringList after = QDir(work.path() + QStringLiteral("/temp")).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    QCOMPARE(after, QStringList{QDir(fourth.scratch).dirName()});
    finish(fourth);
}

QTEST_GUILESS_MAIN(TestTwoRuns)
#include "tst_tworuns.moc"
